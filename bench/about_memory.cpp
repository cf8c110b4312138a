// How much the process grows when the about box is opened and closed many
// times, on the offscreen platform: whatever one about box leaves behind
// (pixmaps, fonts, style data, accessibility interfaces) shows as growth.
//
//   build/bench/bench/about_memory [openings]     # 300 by default
#include "windows/AboutBox.h"
#include "windows/AppStyle.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

// Resident memory in KiB, from /proc/self/statm.
long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (::sysconf(_SC_PAGESIZE) / 1024) : -1;
}

void openOnce()
{
    windows::AboutBox about;
    // Shown, drawn and closed as a user would, through its own event loop.
    QTimer::singleShot(0, &about, [&about] {
        about.repaint();
        about.accept();
    });
    about.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform remarks on every window it cannot size; only the figures matter here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    QApplication::setStyle(new windows::AppStyle);
    const int openings = argc > 1 ? std::atoi(argv[1]) : 300;
    for (int i = 0; i < 20; ++i)  // what the first openings load once
        openOnce();
    const long before = residentKiB();
    for (int i = 0; i < openings; ++i)
        openOnce();
    const long after = residentKiB();
    std::printf("about box opened %d times: resident %ld KiB -> %ld KiB, %+ld KiB (%.2f KiB each)\n", openings, before,
                after, after - before, double(after - before) / openings);
    return 0;
}
