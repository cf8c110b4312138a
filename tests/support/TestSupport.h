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

struct ShownMessage {
    QString text;
    int style;
    bool operator==(const ShownMessage&) const = default;
};

class FakeMessageBoxes {
public:
    FakeMessageBoxes();
    ~FakeMessageBoxes();
    QList<ShownMessage> shown;
    std::deque<int> answers;  // next answers; OK (or No) when none is scripted
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

// Page address as the program opens it, for the given key.
QString page(const char* key);

// Feeds the values to the random generator, one per draw.
void scriptRandom(std::initializer_list<double> values);
