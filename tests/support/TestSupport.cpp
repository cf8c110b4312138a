#include "TestSupport.h"

#include "forms/Forms.h"
#include "links/modHelp.h"
#include "platform/Clock.h"
#include "platform/Exit.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "sign/modPlanetSign.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <memory>

FakeMessageBoxes::FakeMessageBoxes()
{
    platform::setMsgBoxHandler([this](const QString& text, int style) {
        shown.append({text, style});
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return (style & 0x7) == platform::vbYesNo ? int(platform::vbNo) : int(platform::vbOK);
    });
}

FakeMessageBoxes::~FakeMessageBoxes()
{
    platform::setMsgBoxHandler({});
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList list;
    for (const ShownMessage& message : shown)
        list.append(message.text);
    return list;
}

OpenedPages::OpenedPages()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
}

OpenedPages::~OpenedPages()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void OpenedPages::open(const QUrl& url)
{
    addresses.append(QString::fromLatin1(url.toEncoded()));
}

ProgramEnd::ProgramEnd()
{
    platform::setExitHandler([this](int status) { statuses.append(status); });
}

ProgramEnd::~ProgramEnd()
{
    platform::setExitHandler({});
}

void showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WidgetTest::SetUp()
{
    modPlanetSign::SignResult.clear();
    platform::setRndSource({});
    platform::setToday({});
}

void WidgetTest::TearDown()
{
    Forms::UnloadAllQuietly();
    settle();
    platform::setRndSource({});
    platform::setToday({});
}

QString page(const char* key)
{
    return modHelp::PageAddress(QLatin1String(key));
}

void scriptRandom(std::initializer_list<double> values)
{
    auto queue = std::make_shared<std::deque<double>>(values);
    platform::setRndSource([queue] {
        if (queue->empty())
            return 0.0;
        const double value = queue->front();
        queue->pop_front();
        return value;
    });
}
