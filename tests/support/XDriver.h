#pragma once

// Driving real copies of the program on an X display the way a user would,
// through xdotool: finding their windows by caption, typing and pressing keys.
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <QThread>

namespace xdriver {

// Runs xdotool with the arguments and gives what it printed, trimmed. A run
// that hangs is killed after ten seconds.
QString xdotool(const QStringList& arguments);

// The visible windows of the process whose caption is exactly `caption`.
QStringList windows(qint64 pid, const QString& caption);

// Every window of the process with its caption, for a failure message.
QString describeWindows(qint64 pid);

// Focuses the window, gives it a moment to take keys, and presses the keys of
// `sequence` ("alt+a", "Return" ...) one after another.
void keys(const QString& window, const QStringList& sequence);

// Focuses the window, gives it a moment, and types the text.
void type(const QString& window, const QString& text);

// Asks `condition` every 50 ms until it holds or `milliseconds` have passed;
// whether it held.
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

}  // namespace xdriver
