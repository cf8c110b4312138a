// The real program against what machines do to it: a damaged or misplaced
// settings file, folders it may not write to, no home folder, no browser.
// Every case runs the built executable with a home, settings and runtime
// folder of its own on a virtual X display (a private Xvfb), drives it with
// xdotool the way a user would: type a name, find the sign, leave through the
// farewell dialog. The program must end with status 0 every time and leave
// alone every file that is not its own.
#include "XDriver.h"
#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <linux/capability.h>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <random>

#include <gtest/gtest.h>

namespace {

using xdriver::keys;
using xdriver::windows;

int programRuns = 0;  // reported at the end of the run

const QString windowCaption = QLatin1String(program::WindowCaption);
const QString boxCaption = QStringLiteral("QX Ardentis");
constexpr int patience = 30000;  // milliseconds; the sanitizer build starts slowly

// Everything in a folder tree, files with a digest of their content and
// their modification time, so a rewrite with the same bytes shows too.
struct Entry {
    bool folder = false;
    unsigned kind = 0;  // regular file, folder, link, named pipe ...
    QByteArray digest;
    qint64 modified = 0;
    bool operator==(const Entry&) const = default;
};
using Tree = std::map<QString, Entry>;

Tree snapshot(const QString& root)
{
    Tree tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info = {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            continue;
        Entry entry;
        entry.folder = S_ISDIR(info.st_mode);
        entry.kind = info.st_mode & S_IFMT;
        // Only regular files are read: opening a named pipe would wait for a writer.
        if (S_ISREG(info.st_mode)) {
            // A folder's time changes with every file added to it; a file's only when written.
            entry.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                entry.digest = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        }
        tree[QDir(root).relativeFilePath(path)] = entry;
    }
    return tree;
}

QStringList rootEntries()
{
    return QDir(QStringLiteral("/")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// A private X server for the whole suite, on a display number it picks itself.
class VirtualDisplay {
public:
    bool start()
    {
        m_server.setProgram(QStringLiteral("Xvfb"));
        m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp"),
                               // No reset when the last client leaves: the next copy would find no server.
                               QStringLiteral("-noreset")});
        m_server.start();
        if (!m_server.waitForStarted(10000))
            return false;
        const QDeadlineTimer deadline(15000);
        while (!m_server.canReadLine() && !deadline.hasExpired())
            m_server.waitForReadyRead(200);
        const QByteArray number = m_server.readLine().trimmed();
        if (number.isEmpty())
            return false;
        m_name = QLatin1Char(':') + QString::fromLatin1(number);
        return true;
    }
    ~VirtualDisplay()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
        m_server.waitForFinished(1000);
    }
    QString name() const { return m_name; }
    bool owns(qint64 pid) const { return pid == m_server.processId(); }

private:
    QProcess m_server;
    QString m_name;
};

// One user's machine, as a fresh set of folders.
class Machine {
public:
    Machine()
    {
        QDir().mkpath(home());
        QDir().mkpath(config());
        QDir().mkpath(runtime());
        ::chmod(QFile::encodeName(runtime()).constData(), 0700);
        // Files of the user's and of other programs, which must survive every case.
        write(home() + QStringLiteral("/notes.txt"), "the user's own notes\n");
        write(config() + QStringLiteral("/other-program.conf"), "[General]\nkey=value\n");
        write(runtime() + QStringLiteral("/other-program.lock"), "4242\n");
        QDir().mkpath(home() + QStringLiteral("/.cache/other-program"));
        write(home() + QStringLiteral("/.cache/other-program/data"), "cached\n");
    }

    QString root() const { return m_root.path(); }
    QString home() const { return m_root.filePath(QStringLiteral("home")); }
    QString config() const { return home() + QStringLiteral("/.config"); }
    QString settingsFolder() const { return config() + QStringLiteral("/Ardentis"); }
    QString settingsFile() const { return settingsFolder() + QStringLiteral("/Ardentis.conf"); }
    QString runtime() const { return m_root.filePath(QStringLiteral("run")); }
    QString bin() const { return m_root.filePath(QStringLiteral("bin")); }

    // The program's own files: its settings, the settings' lock, its one-copy lock.
    bool isOwn(const QString& relative) const
    {
        static const QStringList own = {
            QStringLiteral("home/.config/Ardentis/Ardentis.conf"),
            QStringLiteral("home/.config/Ardentis/Ardentis.conf.lock"),
            QStringLiteral("run/ardentis.lock"),
            QStringLiteral("home/.cache/Ardentis/ardentis.lock"),
        };
        return own.contains(relative);
    }

    static void write(const QString& path, const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(content);
    }

    QProcessEnvironment environment(const QString& display) const
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH", QStringLiteral("/usr/bin:/bin")));
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("HOME"), home());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config());
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home() + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        // Where Qt makes a runtime folder when the one given cannot be used.
        env.insert(QStringLiteral("TMPDIR"), root());
        for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS", "LANG"}) {
            if (qEnvironmentVariableIsSet(name))
                env.insert(QLatin1String(name), qEnvironmentVariable(name));
        }
        return env;
    }

private:
    QTemporaryDir m_root;
};

// Runs a copy as an ordinary user would: as root the copy loses the right to
// write where the permissions say no. With `home` set, the account's home
// folder is replaced by that folder for the copy alone, so a run without HOME
// cannot touch the real one.
void confine(const QByteArray& home, const QByteArray& accountHome, const QByteArray& uidMap, const QByteArray& gidMap)
{
    if (!home.isEmpty()) {
        bool ownNamespace = ::unshare(CLONE_NEWNS) == 0;
        if (!ownNamespace && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
            const auto put = [](const char* file, const QByteArray& text) {
                const int fd = ::open(file, O_WRONLY);
                const bool ok = fd >= 0 && ::write(fd, text.constData(), size_t(text.size())) == text.size();
                if (fd >= 0)
                    ::close(fd);
                return ok;
            };
            ownNamespace = put("/proc/self/setgroups", "deny") && put("/proc/self/uid_map", uidMap)
                           && put("/proc/self/gid_map", gidMap);
        }
        if (!ownNamespace || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount(home.constData(), accountHome.constData(), nullptr, MS_BIND, nullptr) != 0)
            ::_exit(97);
    }
    if (::geteuid() == 0) {
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            if (::prctl(PR_CAPBSET_DROP, capability, 0, 0, 0) != 0)
                ::_exit(98);
        }
    }
}

QByteArray accountHome()
{
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? QByteArray(account->pw_dir) : QByteArray();
}

class Faults : public ::testing::Test {
public:
    static void SetUpTestSuite()
    {
        // Whatever a copy starts and leaves behind becomes this process's
        // child when the copy ends, where it can be seen and cleared away.
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        display = std::make_unique<VirtualDisplay>();
        if (!display->start())
            display.reset();
        else
            qputenv("DISPLAY", display->name().toLocal8Bit());  // for xdotool
    }
    static void TearDownTestSuite() { display.reset(); }

protected:
    void SetUp() override
    {
        ASSERT_TRUE(display) << "Xvfb could not be started";
        m_rootBefore = rootEntries();
    }

    void TearDown() override
    {
        for (const QString& entry : rootEntries()) {
            EXPECT_TRUE(m_rootBefore.contains(entry)) << "new at the file system's root: /" << entry.toStdString();
        }
    }

    std::unique_ptr<QProcess> start(const Machine& machine, QProcessEnvironment env,
                                    const QByteArray& replacedHome = QByteArray())
    {
        auto program = std::make_unique<QProcess>();
        QString executable = QStringLiteral(ARDENTIS_EXE);
        if (!replacedHome.isEmpty()) {
            // The checkout, and with it the program and the sanitizers'
            // suppressions, may lie in the home folder that the copy sees
            // replaced: it reaches them through this process's root, in the
            // file system as this process sees it.
            const QString here = QStringLiteral("/proc/%1/root").arg(::getpid());
            executable.prepend(here);
            const QString options = env.value(QStringLiteral("LSAN_OPTIONS"));
            if (!options.isEmpty()) {
                env.insert(QStringLiteral("LSAN_OPTIONS"),
                           QString(options).replace(QStringLiteral("suppressions=/"),
                                                    QStringLiteral("suppressions=") + here + u'/'));
            }
        }
        program->setProcessEnvironment(env);
        program->setWorkingDirectory(machine.root());
        program->setProgram(executable);
        const QByteArray account = accountHome();
        const QByteArray uidMap = QByteArray::number(::getuid()) + ' ' + QByteArray::number(::getuid()) + " 1";
        const QByteArray gidMap = QByteArray::number(::getgid()) + ' ' + QByteArray::number(::getgid()) + " 1";
        program->setChildProcessModifier(
            [replacedHome, account, uidMap, gidMap] { confine(replacedHome, account, uidMap, gidMap); });
        program->start();
        EXPECT_TRUE(program->waitForStarted(10000));
        return program;
    }

    // Waits for exactly one visible program window other than those in
    // `gone`; a message box on the way fails the case.
    QString nextWindow(QProcess& program, const QStringList& gone)
    {
        const QDeadlineTimer deadline(patience);
        while (!deadline.hasExpired() && program.state() == QProcess::Running) {
            if (!windows(program.processId(), boxCaption).isEmpty()) {
                ADD_FAILURE() << "a message box came up";
                return QString();
            }
            const QStringList shown = windows(program.processId(), windowCaption);
            if (shown.size() == 1 && !gone.contains(shown.first()))
                return shown.first();
            QThread::msleep(100);
        }
        ADD_FAILURE() << "the expected window did not come up; program "
                      << (program.state() == QProcess::Running ? "still running" : "ended");
        return QString();
    }

    // A user's whole visit: type a name, find the sign, close the result
    // window, leave the farewell dialog. With `openHelp` the online help is
    // asked for from the main window's Help menu on the way.
    void visit(QProcess& program, bool openHelp = false)
    {
        const QString main = nextWindow(program, {});
        ASSERT_FALSE(main.isEmpty());
        xdriver::type(main, QStringLiteral("ada lovelace"));
        if (openHelp)
            keys(main, {QStringLiteral("alt+h"), QStringLiteral("o")});
        keys(main, {QStringLiteral("alt+a")});
        const QString result = nextWindow(program, {main});
        ASSERT_FALSE(result.isEmpty()) << "no result window: no sign was found";
        keys(result, {QStringLiteral("Escape")});
        const QString farewell = nextWindow(program, {main, result});
        ASSERT_FALSE(farewell.isEmpty()) << "no farewell dialog";
        keys(farewell, {QStringLiteral("alt+x")});
        ASSERT_TRUE(program.waitForFinished(patience)) << "the farewell dialog's Exit did not end the program";
    }

    // Processes a copy started that are still there after it ended: they
    // come to this process, the subreaper. A moment is left for them to go.
    void expectNothingLeftBehind()
    {
        QStringList left;
        const QDeadlineTimer deadline(3000);
        do {
            left.clear();
            for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
                bool isPid = false;
                const pid_t pid = entry.toInt(&isPid);
                if (!isPid)
                    continue;
                QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
                if (!stat.open(QIODevice::ReadOnly))
                    continue;
                const QByteArray line = stat.readAll();
                const qsizetype close = line.lastIndexOf(')');
                const QList<QByteArray> fields = line.mid(close + 2).split(' ');
                if (fields.size() < 2 || fields[1].toInt() != ::getpid() || display->owns(pid))
                    continue;
                if (fields[0] == "Z") {
                    ::waitpid(pid, nullptr, WNOHANG);  // ended: an orphan of ours to reap
                    continue;
                }
                left.append(QString::fromLocal8Bit(line.mid(0, close + 1)));
            }
            if (!left.isEmpty())
                QThread::msleep(100);
        } while (!left.isEmpty() && !deadline.hasExpired());
        EXPECT_TRUE(left.isEmpty()) << "still running after the program ended: " << left.join(u' ').toStdString();
        for (const QString& process : left)
            ::kill(process.section(u' ', 0, 0).toInt(), SIGKILL);
    }

    void expectNormalEnd(QProcess& program)
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    }

    // Starts the program on the machine, visits it once and checks that it
    // ended normally and left every file that is not its own as it was.
    void runAndCheck(const Machine& machine, const QProcessEnvironment& env, bool openHelp = false)
    {
        const Tree before = snapshot(machine.root());
        auto program = start(machine, env);
        visit(*program, openHelp);
        expectNormalEnd(*program);
        expectNothingLeftBehind();
        const Tree after = snapshot(machine.root());
        for (const auto& [path, entry] : before) {
            if (machine.isOwn(path))
                continue;
            const auto found = after.find(path);
            if (found == after.end())
                ADD_FAILURE() << "deleted: " << path.toStdString();
            else if (!(found->second == entry))
                ADD_FAILURE() << "changed: " << path.toStdString();
        }
        // Nothing left behind in the settings folder but the program's own files.
        for (const auto& [path, entry] : after) {
            if (path.startsWith(QStringLiteral("home/.config/Ardentis/")) && !before.count(path)
                && !machine.isOwn(path))
                ADD_FAILURE() << "left behind: " << path.toStdString();
        }
        ++programRuns;
    }

    static std::unique_ptr<VirtualDisplay> display;
    QStringList m_rootBefore;
};

std::unique_ptr<VirtualDisplay> Faults::display;

QByteArray randomBytes(std::uint32_t seed, int size)
{
    std::mt19937 generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

}  // namespace

TEST_F(Faults, aFreshMachineIsTheBaseline)
{
    Machine machine;
    runAndCheck(machine, machine.environment(display->name()));
    EXPECT_TRUE(QFileInfo(machine.settingsFile()).isFile()) << "the first launch records its date";
}

TEST_F(Faults, aSettingsFileOfRandomBytesIsSurvived)
{
    struct Garbage {
        std::uint32_t seed;
        int size;
        QByteArray prefix;
    };
    for (const Garbage& garbage : {Garbage{1, 64, {}}, Garbage{2, 65536, {}}, Garbage{3, 2048, "[Settings]\n"}}) {
        SCOPED_TRACE(garbage.seed);
        Machine machine;
        Machine::write(machine.settingsFile(), garbage.prefix + randomBytes(garbage.seed, garbage.size));
        runAndCheck(machine, machine.environment(display->name()));
    }
}

TEST_F(Faults, aTruncatedSettingsFileIsSurvived)
{
    Machine machine;
    const QProcessEnvironment env = machine.environment(display->name());
    runAndCheck(machine, env);
    QFile file(machine.settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    const qsizetype equals = whole.indexOf('=');
    ASSERT_GT(equals, 0) << whole.toStdString();
    // Cut inside the section name, inside the key, right after "=", and
    // inside the value, as a crash or a full disk would leave it.
    for (const qsizetype length : {qsizetype(4), equals - 3, equals + 1, (equals + whole.size()) / 2}) {
        SCOPED_TRACE(length);
        Machine::write(machine.settingsFile(), whole.left(length));
        runAndCheck(machine, env);
    }
}

TEST_F(Faults, aFolderWhereTheSettingsFileBelongsIsLeftAlone)
{
    Machine machine;
    QDir().mkpath(machine.settingsFile());
    Machine::write(machine.settingsFile() + QStringLiteral("/inside.txt"), "not a settings file\n");
    runAndCheck(machine, machine.environment(display->name()));
    EXPECT_TRUE(QFileInfo(machine.settingsFile()).isDir());
}

TEST_F(Faults, aSettingsLockThatCannotBeTakenDelaysNothing)
{
    Machine machine;
    // Where the settings' own lock would go: a folder; a stale lock of another machine.
    QDir().mkpath(machine.settingsFile() + QStringLiteral(".lock"));
    runAndCheck(machine, machine.environment(display->name()));
    EXPECT_TRUE(QFileInfo(machine.settingsFile() + QStringLiteral(".lock")).isDir());
    EXPECT_TRUE(QFileInfo(machine.settingsFile()).isFile()) << "the date was not recorded";

    Machine stale;
    Machine::write(stale.settingsFile() + QStringLiteral(".lock"), "999999\nArdentis\nelsewhere\n");
    runAndCheck(stale, stale.environment(display->name()));
}

TEST_F(Faults, aNamedPipeWhereTheSettingsAreReadIsNeverWaitedOn)
{
    const auto pipeAt = [](const QString& path) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
    };
    const auto isPipe = [](const QString& path) {
        struct stat info = {};
        return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
    };
    {
        SCOPED_TRACE("the settings file");
        Machine machine;
        pipeAt(machine.settingsFile());
        runAndCheck(machine, machine.environment(display->name()));
        EXPECT_TRUE(isPipe(machine.settingsFile()));
    }
    {
        SCOPED_TRACE("what the settings file links to");
        Machine machine;
        const QString pipe = machine.root() + QStringLiteral("/elsewhere/pipe");
        pipeAt(pipe);
        QDir().mkpath(machine.settingsFolder());
        ASSERT_TRUE(QFile::link(pipe, machine.settingsFile()));
        runAndCheck(machine, machine.environment(display->name()));
        EXPECT_TRUE(isPipe(pipe));
        EXPECT_TRUE(QFileInfo(machine.settingsFile()).isSymLink());
    }
    {
        SCOPED_TRACE("the settings shared by every program of the maker");
        Machine machine;
        pipeAt(machine.config() + QStringLiteral("/Ardentis.conf"));
        runAndCheck(machine, machine.environment(display->name()));
        EXPECT_TRUE(isPipe(machine.config() + QStringLiteral("/Ardentis.conf")));
    }
}

TEST_F(Faults, aCraftedOrHugeSettingsFileNeitherCrashesNorHoldsUpTheStart)
{
    // A value of 30,000 lists, each holding the next, in the form settings
    // files keep stored values in: @Variant( and the bytes of the stream
    // format they use (that of Qt 4.0: a type and a count for each list).
    QByteArray serialised;
    {
        QDataStream out(&serialised, QIODevice::WriteOnly);
        for (int depth = 0; depth < 30000; ++depth)
            out << quint32(QMetaType::QVariantList) << quint32(1);
        out << quint32(QMetaType::QVariantList) << quint32(0);
    }
    QByteArray crafted = "crafted=@Variant(";
    for (const char byte : serialised)
        crafted += "\\x" + QByteArray::number(static_cast<unsigned char>(byte), 16).rightJustified(2, '0');
    crafted += ")\n";
    Machine nested;
    Machine::write(nested.settingsFile(), "[Settings]\n" + crafted);
    runAndCheck(nested, nested.environment(display->name()));
    QFile kept(nested.settingsFile());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains(crafted)) << "what the program does not use must stay as it was";

    // Four million keys, 68 MB: nothing the program needs is that big, so it
    // is neither read nor rewritten.
    Machine huge;
    QByteArray keys = "[Settings]\n";
    keys.reserve(68 * 1000 * 1000);
    for (int i = 0; i < 4000000; ++i)
        keys += "key" + QByteArray::number(i).rightJustified(8, '0') + "=value" + QByteArray::number(i) + '\n';
    Machine::write(huge.settingsFile(), keys);
    const QByteArray digest = QCryptographicHash::hash(keys, QCryptographicHash::Sha256);
    keys.clear();
    runAndCheck(huge, huge.environment(display->name()));
    QFile unchanged(huge.settingsFile());
    ASSERT_TRUE(unchanged.open(QIODevice::ReadOnly));
    EXPECT_EQ(QCryptographicHash::hash(unchanged.readAll(), QCryptographicHash::Sha256), digest);
}

TEST_F(Faults, aReadOnlySettingsFolderIsSurvived)
{
    Machine machine;
    Machine::write(machine.settingsFolder() + QStringLiteral("/readme.txt"), "the user's file\n");
    ::chmod(QFile::encodeName(machine.settingsFolder()).constData(), 0555);
    runAndCheck(machine, machine.environment(display->name()));
    EXPECT_FALSE(QFileInfo::exists(machine.settingsFile())) << "the folder was writable after all";
    ::chmod(QFile::encodeName(machine.settingsFolder()).constData(), 0755);
}

TEST_F(Faults, unwritableLockFoldersAreSurvived)
{
    Machine machine;
    QDir().mkpath(machine.home() + QStringLiteral("/.cache"));
    ::chmod(QFile::encodeName(machine.runtime()).constData(), 0500);
    ::chmod(QFile::encodeName(machine.home() + QStringLiteral("/.cache")).constData(), 0500);
    runAndCheck(machine, machine.environment(display->name()));
    EXPECT_FALSE(QFileInfo::exists(machine.runtime() + QStringLiteral("/ardentis.lock")));
    EXPECT_FALSE(QFileInfo::exists(machine.home() + QStringLiteral("/.cache/Ardentis")));
    ::chmod(QFile::encodeName(machine.runtime()).constData(), 0700);
    ::chmod(QFile::encodeName(machine.home() + QStringLiteral("/.cache")).constData(), 0755);
}

TEST_F(Faults, withoutHomeNothingIsWrittenAtTheRootAndTheAccountsHomeIsUsed)
{
    const QByteArray account = accountHome();
    ASSERT_FALSE(account.isEmpty());
    Machine machine;
    // The account's home folder, as the copy sees it.
    const QString replacement = machine.root() + QStringLiteral("/account-home");
    QDir().mkpath(replacement);
    QProcessEnvironment env = machine.environment(display->name());
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        env.remove(QLatin1String(name));

    // Where Qt would put them with "/" for a home folder; those folders may
    // already be there, so look at the files themselves too.
    const QStringList atRoot = {QStringLiteral("/.config/Ardentis/Ardentis.conf"),
                                QStringLiteral("/.cache/Ardentis/ardentis.lock")};
    QList<QDateTime> atRootBefore;
    for (const QString& path : atRoot)
        atRootBefore.append(QFileInfo(path).lastModified());

    const Tree before = snapshot(machine.root());
    auto program = start(machine, env, QFile::encodeName(replacement));
    program->waitForFinished(300);
    if (program->state() == QProcess::NotRunning && program->exitCode() == 97)
        GTEST_SKIP() << "no private mount namespace here: the run would touch the real home folder";
    visit(*program);
    expectNormalEnd(*program);
    ++programRuns;
    EXPECT_TRUE(QFileInfo(replacement + QStringLiteral("/.config/Ardentis/Ardentis.conf")).isFile())
        << "the settings did not go to the account's home folder";
    for (int i = 0; i < atRoot.size(); ++i)
        EXPECT_EQ(QFileInfo(atRoot[i]).lastModified(), atRootBefore[i]) << "written: " << atRoot[i].toStdString();
    const Tree after = snapshot(machine.root());
    for (const auto& [path, entry] : before) {
        const auto found = after.find(path);
        EXPECT_TRUE(found != after.end() && found->second == entry) << path.toStdString();
    }
}

TEST_F(Faults, withoutABrowserTheLinksFailSilently)
{
    Machine machine;
    QDir().mkpath(machine.bin());  // nothing in it: no xdg-open, no browser of any kind
    QProcessEnvironment env = machine.environment(display->name());
    env.insert(QStringLiteral("PATH"), machine.bin());
    runAndCheck(machine, env, true);
}

TEST_F(Faults, withABrowserTheSameLinkReachesIt)
{
    // The counterpart of the case above: the same steps do open the page.
    Machine machine;
    const QString opened = machine.root() + QStringLiteral("/opened.txt");
    Machine::write(machine.bin() + QStringLiteral("/xdg-open"),
                   "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + QFile::encodeName(opened) + "'\n");
    QFile::setPermissions(machine.bin() + QStringLiteral("/xdg-open"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = machine.environment(display->name());
    env.insert(QStringLiteral("PATH"), machine.bin());
    runAndCheck(machine, env, true);
    QFile log(opened);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << "the browser was never started";
    EXPECT_TRUE(log.readAll().contains("/ardentis/ssd.php?page=help-web-page"));
}

TEST_F(Faults, aFullDiskLeavesTheSettingsFileAsItWas)
{
    Machine machine;
    QDir().mkpath(machine.settingsFolder());
    const QByteArray folder = QFile::encodeName(machine.settingsFolder());
    // A file system of a few pages for the settings folder, in a mount namespace of the suite's own.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || ::mount("tmpfs", folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k,mode=0700") != 0)
        GTEST_SKIP() << "no mount namespace of its own here";
    const auto unmount = qScopeGuard([&folder] { ::umount2(folder.constData(), MNT_DETACH); });
    // No date yet, so the start writes one; the user's own section around it.
    const QByteArray users = "[Keep]\r\n; the user's own lines\r\nmine=1\r\n";
    Machine::write(machine.settingsFile(), users);
    QFile filler(machine.settingsFolder() + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    runAndCheck(machine, machine.environment(display->name()));
    QFile settings(machine.settingsFile());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), users) << "the full disk cost the user's settings";
    settings.close();

    // With room again, the date is recorded and the user's lines are kept.
    filler.remove();
    runAndCheck(machine, machine.environment(display->name()));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray written = settings.readAll();
    EXPECT_TRUE(written.startsWith(users) && written.contains("[Settings]")) << written.toStdString();
}

TEST_F(Faults, anUnusableScaleFactorIsLeftOutAndSaidSo)
{
    for (const auto& [factor, unusable] : {std::pair{"-1", true}, {"0", true}, {"1e300", true}, {"2", false}}) {
        SCOPED_TRACE(factor);
        Machine machine;
        QProcessEnvironment env = machine.environment(display->name());
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QLatin1String(factor));
        auto program = start(machine, env);
        visit(*program);
        expectNormalEnd(*program);
        expectNothingLeftBehind();
        ++programRuns;
        EXPECT_EQ(program->readAllStandardError().contains("QT_SCALE_FACTOR"), unusable);
    }
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::printf("faults: %d runs of the program\n", programRuns);
    return status;
}
