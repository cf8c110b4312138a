// Renders each of the four windows to a PNG file, for the README and for
// checking by eye that no text is cut off (run with QT_SCALE_FACTOR=2 too).
// With --dark the desktop's palette is a dark one, as under a dark desktop.
#include "platform/Random.h"
#include "windows/AboutBox.h"
#include "windows/AppStyle.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>

namespace {
void save(QWidget* window, const QString& folder, const char* name)
{
    window->show();
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png")));
}

// A dark desktop palette of the kind dark Fusion themes use.
QPalette darkPalette()
{
    QPalette palette(QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    palette.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(0xA0, 0xA0, 0xA0));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}
}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new windows::AppStyle);  // as the program does
    // The pointer in a corner no window reaches: where the display put it, a
    // window could come up under it, and whether its control there is drawn
    // hovered would depend on how soon the window heard of it.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--dark")))
        QApplication::setPalette(darkPalette());
    const QString folder = arguments.value(0, QStringLiteral("."));
    QDir().mkpath(folder);

    windows::EntryWindow entry;
    entry.findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ADA LOVELACE"));
    entry.findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(9);
    entry.findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(11);
    entry.findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentText(QStringLiteral("1985"));
    save(&entry, folder, "frmMain");
    entry.hide();

    windows::ResultWindow result;
    result.showSign(sign::Sign::Cancer);
    save(&result, folder, "frmDisplay");
    result.hide();

    windows::AboutBox about;
    save(&about, folder, "frmAbout");
    about.hide();

    // Always the first appeal, so that one set of shots can be compared with another.
    platform::setRandomSource([] { return 0.0; });
    windows::FarewellDialog farewell;
    save(&farewell, folder, "frmNagScreen2");
    return 0;
}
