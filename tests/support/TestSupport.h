// Fakes for the seams, so the real windows can be driven headless: message
// boxes answer from a script, web pages and the end of the program are
// recorded instead of happening.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <deque>

#include <gtest/gtest.h>

#include "FlowInReach.h"
#include "platform/MessageBox.h"

namespace windows {
class AboutBox;
class EntryWindow;
class FarewellDialog;
class LinkLabel;
class ResultWindow;
namespace style {
}
}  // namespace windows

// The windows the tests drive, by their own names.
using windows::AboutBox;
using windows::EntryWindow;
using windows::FarewellDialog;
using windows::LinkLabel;
using windows::ResultWindow;
namespace style = windows::style;

// How a failed check prints a text.
void PrintTo(const QString& text, std::ostream* out);

namespace platform {
// How a failed check prints a message box style.
void PrintTo(const MessageStyle& style, std::ostream* out);
}  // namespace platform

struct ShownMessage {
    QString text;
    platform::MessageStyle style;
    bool operator==(const ShownMessage&) const = default;
};

class FakeMessageBoxes {
public:
    FakeMessageBoxes();
    ~FakeMessageBoxes();
    QList<ShownMessage> shown;
    std::deque<platform::MessageAnswer> answers;  // next answers; OK (or No) when none is scripted
    QStringList texts() const;
};

class OpenedPages : public QObject {
    Q_OBJECT
public:
    OpenedPages();
    ~OpenedPages() override;
    QStringList addresses;

public slots:
    void open(const QUrl& url);
};

class ProgramEnd {
public:
    ProgramEnd();
    ~ProgramEnd();
    QList<int> statuses;
};

// Every widget test starts with no window loaded and leaves none behind.
class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    FakeMessageBoxes messages;
    OpenedPages pages;
    ProgramEnd end;
};

// A control of a window, found by its given name (its object name).
template <class Control = QWidget>
Control* control(const QObject* window, const char* name)
{
    auto* found = window ? window->findChild<Control*>(QLatin1String(name)) : nullptr;
    if (!found)
        ADD_FAILURE() << "no control named " << name;
    return found;
}

// The program's windows that are loaded.
QList<QWidget*> loadedWindows();

// The entry window of the program, started now if it is not running.
EntryWindow* entryWindow();

// The farewell dialog: as the program shows it when the entry window is
// left, unless it is loaded already.
FarewellDialog* farewellDialog();

// Picks the date in the entry window's three lists.
void chooseDate(QWidget* entryWindow, int day, const char* month, int year);

// Types the name and picks the date in the entry window, presses its find
// button and returns the result window that came up.
ResultWindow* findSignFor(const char* name, int day, const char* month, int year);

// Follows a link label as a screen reader does, through its Press action,
// checking first that the reader is told it is a link named by its text.
void pressAsReader(QWidget* linkLabel);

// Shows the window and waits until it has the keyboard focus.
void showActive(QWidget* window);

template <class Window>
Window* shownActive(Window* window)
{
    showActive(window);
    return window;
}

// Lets deferred deletions and queued work run.
void settle();

// Where the update reminder keeps its date among the user's settings: the
// section, then the encoded key name.
QString reminderKey();

// Page address as the program opens it, for the given key.
QString page(const char* key);

// Feeds the values to the random generator, one per draw.
void scriptRandom(std::initializer_list<double> values);
