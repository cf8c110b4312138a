// The one-copy rule between real running copies of the program, on a real X
// display (run under xvfb-run): refusals are dismissed the way a user would.
#include "XDriver.h"
#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <signal.h>
#include <utility>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using xdriver::keys;
using xdriver::waitFor;
using xdriver::windows;
using xdriver::xdotool;

const QString mainCaption = QLatin1String(program::WindowCaption);
const QString boxCaption = QStringLiteral("QX Ardentis");

// One user's machine: a home, config and runtime folder of its own.
class User {
public:
    User()
    {
        QDir(home.path()).mkpath(QStringLiteral("config"));
        QDir(home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString runtime() const { return home.filePath(QStringLiteral("runtime")); }
    QString settingsFile() const { return home.filePath(QStringLiteral("config/Ardentis/Ardentis.conf")); }

    QString home_() const { return home.path(); }

    enum class Runtime { Folder, None };
    std::unique_ptr<QProcess> start(Runtime runtimeFolder = Runtime::Folder,
                                    const QList<std::pair<QString, QString>>& more = {}) const
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.remove(QStringLiteral("XDG_CACHE_HOME"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        if (runtimeFolder == Runtime::None)
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        // Without a usable runtime folder Qt makes one in TMPDIR: this user's own.
        env.insert(QStringLiteral("TMPDIR"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        for (const auto& [name, value] : more)
            env.insert(name, value);
        process->setProcessEnvironment(env);
        process->setProgram(QStringLiteral(ARDENTIS_EXE));
        process->start();
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }

private:
    QTemporaryDir home;
};

// Presses OK on a refusal the way a user would, again if the box was not yet
// ready for keys, until its copy has ended.
bool dismiss(const QString& window, QProcess& copy)
{
    for (int attempt = 0; attempt < 10 && copy.state() != QProcess::NotRunning; ++attempt) {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window, QStringLiteral("key"),
                 QStringLiteral("Return")});
        copy.waitForFinished(1000);
    }
    return copy.state() == QProcess::NotRunning;
}

// What a copy shows and says, for the failure message.
std::string describe(QProcess& copy)
{
    QString out = QStringLiteral("state %1, exit %2; windows:").arg(copy.state()).arg(copy.exitCode());
    out += xdriver::describeWindows(copy.processId());
    out += QStringLiteral("; said: ") + QString::fromLocal8Bit(copy.readAllStandardError());
    return out.toStdString();
}

void stop(QProcess& process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

// A copy that must run: its main window comes up and no refusal.
::testing::AssertionResult runs(QProcess& copy)
{
    if (!waitFor([&] { return windows(copy.processId(), mainCaption).size() == 1; }))
        return ::testing::AssertionFailure() << "no main window: " << describe(copy);
    if (!windows(copy.processId(), boxCaption).isEmpty())
        return ::testing::AssertionFailure() << "a message box came up: " << describe(copy);
    return ::testing::AssertionSuccess();
}

// A copy that must be refused: the refusal comes up, alone, and OK ends it.
::testing::AssertionResult isRefused(QProcess& copy)
{
    QStringList refusal;
    if (!waitFor([&] {
            refusal = windows(copy.processId(), boxCaption);
            return refusal.size() == 1 || !windows(copy.processId(), mainCaption).isEmpty();
        }))
        return ::testing::AssertionFailure() << "neither window came up: " << describe(copy);
    if (refusal.size() != 1 || !windows(copy.processId(), mainCaption).isEmpty())
        return ::testing::AssertionFailure() << "a second copy runs: " << describe(copy);
    if (!dismiss(refusal.first(), copy) || copy.exitCode() != 0)
        return ::testing::AssertionFailure() << "the refused copy did not end well: " << describe(copy);
    return ::testing::AssertionSuccess();
}

class Copies : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display: run under xvfb-run";
    }
    User user;
};

}  // namespace

TEST_F(Copies, aSecondCopyShowsOnlyTheRefusalEndsOnOkAndLeavesTheFirstAsItWas)
{
    auto first = user.start();
    ASSERT_TRUE(waitFor([&] { return windows(first->processId(), mainCaption).size() == 1; })) << describe(*first);
    const QStringList firstWindows = windows(first->processId(), mainCaption);
    QFile settings(user.settingsFile());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray settingsBefore = settings.readAll();
    settings.close();

    auto second = user.start();
    QStringList refusal;
    ASSERT_TRUE(waitFor([&] {
        refusal = windows(second->processId(), boxCaption);
        return refusal.size() == 1;
    }));
    EXPECT_TRUE(windows(second->processId(), mainCaption).isEmpty());
    ASSERT_TRUE(dismiss(refusal.first(), *second));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);

    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(windows(first->processId(), mainCaption), firstWindows);
    EXPECT_TRUE(windows(first->processId(), boxCaption).isEmpty());
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), settingsBefore);
    stop(*first);
}

TEST_F(Copies, aCopyKilledOutrightDoesNotKeepTheNextOneFromStarting)
{
    auto killed = user.start();
    ASSERT_TRUE(waitFor([&] { return windows(killed->processId(), mainCaption).size() == 1; })) << describe(*killed);
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);
    ASSERT_TRUE(killed->waitForFinished(5000));

    auto next = user.start();
    EXPECT_TRUE(waitFor([&] { return windows(next->processId(), mainCaption).size() == 1; })) << describe(*next);
    EXPECT_TRUE(windows(next->processId(), boxCaption).isEmpty());
    stop(*next);
}

TEST_F(Copies, ofTenCopiesStartedTogetherExactlyOneKeepsRunning)
{
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 10; ++i)
        copies.push_back(user.start());

    // Every copy settles on either its main window or the refusal.
    ASSERT_TRUE(waitFor(
        [&] {
            for (const auto& copy : copies) {
                if (windows(copy->processId(), mainCaption).isEmpty()
                    && windows(copy->processId(), boxCaption).isEmpty())
                    return false;
            }
            return true;
        },
        30000));
    int running = 0;
    for (const auto& copy : copies) {
        const QStringList refusal = windows(copy->processId(), boxCaption);
        if (refusal.isEmpty()) {
            ++running;
            continue;
        }
        EXPECT_TRUE(dismiss(refusal.first(), *copy));
        EXPECT_EQ(copy->exitCode(), 0);
    }
    EXPECT_EQ(running, 1);
    int stillRunning = 0;
    for (const auto& copy : copies) {
        if (copy->state() == QProcess::Running)
            ++stillRunning;
        stop(*copy);
    }
    EXPECT_EQ(stillRunning, 1);
}

TEST_F(Copies, withAndWithoutARuntimeFolderItIsStillOneCopy)
{
    auto first = user.start(User::Runtime::Folder);
    ASSERT_TRUE(runs(*first));
    auto second = user.start(User::Runtime::None);
    EXPECT_TRUE(isRefused(*second));
    stop(*second);
    stop(*first);

    auto withoutFirst = user.start(User::Runtime::None);
    ASSERT_TRUE(runs(*withoutFirst));
    auto withSecond = user.start(User::Runtime::Folder);
    EXPECT_TRUE(isRefused(*withSecond));
    stop(*withSecond);
    stop(*withoutFirst);
}

TEST_F(Copies, withoutARuntimeFolderItSaysNothingWhileQtsOtherWarningsStillShow)
{
    auto quiet = user.start(User::Runtime::None);
    ASSERT_TRUE(runs(*quiet));
    stop(*quiet);
    EXPECT_EQ(quiet->readAllStandardError().toStdString(), "");
    EXPECT_EQ(quiet->readAllStandardOutput().toStdString(), "");

    auto warned = user.start(User::Runtime::None,
                             {{QStringLiteral("QT_SCALE_FACTOR_ROUNDING_POLICY"), QStringLiteral("Sideways")}});
    ASSERT_TRUE(runs(*warned));
    stop(*warned);
    const std::string said = warned->readAllStandardError().toStdString();
    EXPECT_NE(said.find("Unknown scale factor rounding policy: Sideways"), std::string::npos) << said;
    EXPECT_EQ(said.find("XDG_RUNTIME_DIR"), std::string::npos) << said;
}

TEST_F(Copies, backBringsOnlyTheMainWindowIntoView)
{
    auto copy = user.start();
    ASSERT_TRUE(runs(*copy));
    const QString main = windows(copy->processId(), mainCaption).first();
    xdriver::type(main, QStringLiteral("ada"));
    keys(main, {QStringLiteral("alt+a")});
    QString result;
    ASSERT_TRUE(waitFor([&] {
        const QStringList shown = windows(copy->processId(), mainCaption);
        result = shown.size() == 1 && shown.first() != main ? shown.first() : QString();
        return !result.isEmpty();
    })) << describe(*copy);

    // Every window that comes into view is mapped: watch the screen's top level.
    QProcess watch;
    watch.start(QStringLiteral("stdbuf"), {QStringLiteral("-oL"), QStringLiteral("xev"), QStringLiteral("-root"),
                                           QStringLiteral("-event"), QStringLiteral("substructure")});
    ASSERT_TRUE(watch.waitForStarted());
    QThread::msleep(500);
    keys(result, {QStringLiteral("alt+b")});
    ASSERT_TRUE(waitFor([&] { return windows(copy->processId(), mainCaption) == QStringList{main}; }));
    QThread::msleep(1000);
    watch.terminate();
    watch.waitForFinished(5000);
    // MapNotify on the root names the mapped window on its second line.
    QStringList mapped;
    const QRegularExpression mapNotify(
        QStringLiteral("MapNotify event[^\\n]*\\n\\s*event 0x[0-9a-f]+, window (0x[0-9a-f]+)"));
    const QString output = QString::fromLatin1(watch.readAllStandardOutput());
    for (const QRegularExpressionMatch& match : mapNotify.globalMatch(output))
        mapped.append(match.captured(1));
    const QString mainId = QStringLiteral("0x%1").arg(main.toULongLong(), 0, 16);
    EXPECT_EQ(mapped, QStringList{mainId}) << output.toStdString();
    stop(*copy);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
