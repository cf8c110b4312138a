#include "XDriver.h"

#include <QProcess>
#include <QRegularExpression>

namespace xdriver {

namespace {

// Focused, and a moment later ready for what comes: a window that has just
// been mapped may not take keys at once.
QStringList focused(const QString& window, const QString& seconds = QStringLiteral("0.3"))
{
    return {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window, QStringLiteral("sleep"), seconds};
}

}  // namespace

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(10000))
        process.kill();
    process.waitForFinished(1000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QStringList windows(qint64 pid, const QString& caption)
{
    const QString out = xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"),
                                 QLatin1Char('^') + QRegularExpression::escape(caption) + QLatin1Char('$')});
    return out.isEmpty() ? QStringList() : out.split(u'\n');
}

QString describeWindows(qint64 pid)
{
    QString out;
    const QString ids = xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--pid"),
                                 QString::number(pid), QStringLiteral("--name"), QStringLiteral(".*")});
    for (const QString& id : ids.split(u'\n', Qt::SkipEmptyParts))
        out += QStringLiteral(" [") + xdotool({QStringLiteral("getwindowname"), id}) + u']';
    return out;
}

void keys(const QString& window, const QStringList& sequence)
{
    xdotool(focused(window) + QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")}
            + sequence);
}

void type(const QString& window, const QString& text)
{
    xdotool(focused(window, QStringLiteral("0.5"))
            + QStringList{QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), text});
}

}  // namespace xdriver
