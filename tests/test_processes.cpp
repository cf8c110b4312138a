// The one-copy rule between real running copies of the program, on a real X
// display (run under xvfb-run): refusals are dismissed the way a user would.
#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <signal.h>

#include <gtest/gtest.h>

namespace {

const QString mainCaption = QLatin1String(program::WindowCaption);
const QString boxCaption = QStringLiteral("QX Ardentis");

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// Visible windows of the process whose title is exactly `caption`.
QStringList windows(qint64 pid, const QString& caption)
{
    const QString out = run(QStringLiteral("xdotool"),
                            {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                             QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"),
                             QLatin1Char('^') + caption + QLatin1Char('$')});
    return out.isEmpty() ? QStringList() : out.split(u'\n');
}

template <class Condition>
bool waitFor(Condition condition, int milliseconds = 15000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}

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

    std::unique_ptr<QProcess> start() const
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
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
        run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
                                        QStringLiteral("key"), QStringLiteral("Return")});
        copy.waitForFinished(1000);
    }
    return copy.state() == QProcess::NotRunning;
}

// What a copy shows and says, for the failure message.
std::string describe(QProcess& copy)
{
    QString out = QStringLiteral("state %1, exit %2; windows:").arg(copy.state()).arg(copy.exitCode());
    const QString ids = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--all"),
                                                         QStringLiteral("--pid"), QString::number(copy.processId()),
                                                         QStringLiteral("--name"), QStringLiteral(".*")});
    for (const QString& id : ids.split(u'\n', Qt::SkipEmptyParts))
        out += QStringLiteral(" [") + run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id}) + u']';
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
    ASSERT_TRUE(waitFor([&] {
        for (const auto& copy : copies) {
            if (windows(copy->processId(), mainCaption).isEmpty() && windows(copy->processId(), boxCaption).isEmpty())
                return false;
        }
        return true;
    }, 30000));
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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
