#include "TestSupport.h"

#include "links/WebPages.h"
#include "platform/Clock.h"
#include "platform/Exit.h"
#include "platform/Random.h"
#include "settings/Codec.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

void platform::PrintTo(const MessageStyle& style, std::ostream* out)
{
    *out << (style.buttons == MessageButtons::YesNo ? "Yes/No" : "OK") << " with the "
         << (style.icon == MessageIcon::Critical ? "critical" : "information") << " icon";
}

FakeMessageBoxes::FakeMessageBoxes()
{
    platform::setMessageBoxHandler([this](const QString& text, platform::MessageStyle style) {
        shown.append({text, style});
        if (!answers.empty()) {
            const platform::MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return style.buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::No
                                                                : platform::MessageAnswer::Ok;
    });
}

FakeMessageBoxes::~FakeMessageBoxes()
{
    platform::setMessageBoxHandler({});
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
    platform::setEndProcessHandler([this](int status) { statuses.append(status); });
}

ProgramEnd::~ProgramEnd()
{
    platform::setEndProcessHandler({});
}

void chooseDate(QWidget* entryWindow, int day, const char* month, int year)
{
    control<QComboBox>(entryWindow, "cboDate")->setCurrentText(QString::number(day));
    control<QComboBox>(entryWindow, "cboMonth")->setCurrentText(QLatin1String(month));
    control<QComboBox>(entryWindow, "cboYear")->setCurrentText(QString::number(year));
    ASSERT_EQ(control<QComboBox>(entryWindow, "cboDate")->currentText(), QString::number(day));
    ASSERT_EQ(control<QComboBox>(entryWindow, "cboMonth")->currentText(), QLatin1String(month));
    ASSERT_EQ(control<QComboBox>(entryWindow, "cboYear")->currentText(), QString::number(year));
}

QList<QWidget*> loadedWindows()
{
    QList<QWidget*> windows;
    for (QWidget* window : {static_cast<QWidget*>(loaded<EntryWindow>()), static_cast<QWidget*>(loaded<ResultWindow>()),
                            static_cast<QWidget*>(loaded<FarewellDialog>())}) {
        if (window)
            windows.append(window);
    }
    return windows;
}

EntryWindow* entryWindow()
{
    if (EntryWindow* main = loaded<EntryWindow>())
        return main;
    EXPECT_TRUE(startProgram());
    return loaded<EntryWindow>();
}

FarewellDialog* farewellDialog()
{
    if (FarewellDialog* dialog = loaded<FarewellDialog>())
        return dialog;
    EntryWindow* main = entryWindow();
    main->show();
    control<QPushButton>(main, "cmdExit")->click();
    return loaded<FarewellDialog>();
}

ResultWindow* findSignFor(const char* name, int day, const char* month, int year)
{
    EntryWindow* main = entryWindow();
    main->show();
    control<QLineEdit>(main, "txtName")->setText(QLatin1String(name));
    chooseDate(main, day, month, year);
    control<QPushButton>(main, "cmdNext")->click();
    return loaded<ResultWindow>();
}

void pressAsReader(QWidget* linkLabel)
{
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(linkLabel);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link) << linkLabel->objectName().toStdString();
    EXPECT_EQ(link->text(QAccessible::Name), linkLabel->property("text").toString());
    EXPECT_FALSE(link->state().focusable);  // reached by the reader, not by Tab
    ASSERT_NE(link->actionInterface(), nullptr);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
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
    platform::setRandomSource({});
    platform::setToday({});
}

void WidgetTest::TearDown()
{
    freshProgram();
    settle();
    platform::setRandomSource({});
    platform::setToday({});
}

QString reminderKey()
{
    return QStringLiteral("Settings/") + settings::encode(QStringLiteral("Duration"));
}

QString page(const char* key)
{
    return links::pageAddress(QLatin1String(key));
}

void scriptRandom(std::initializer_list<double> values)
{
    auto queue = std::make_shared<std::deque<double>>(values);
    platform::setRandomSource([queue] {
        if (queue->empty())
            return 0.0;
        const double value = queue->front();
        queue->pop_front();
        return value;
    });
}
