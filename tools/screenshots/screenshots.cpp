// Renders each of the four windows to a PNG file, for the README and for
// checking by eye that no text is cut off (run with QT_SCALE_FACTOR=2 too).
#include "windows/AboutBox.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>

namespace {
void save(QWidget* window, const QString& folder, const char* name)
{
    window->show();
    QApplication::processEvents();
    window->grab().save(QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png")));
}
}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    EntryWindow* entry = windows::entryWindow();
    entry->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ADA LOVELACE"));
    entry->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(9);
    entry->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(11);
    entry->findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentText(QStringLiteral("1985"));
    save(entry, folder, "frmMain");
    entry->hide();

    ResultWindow* result = windows::resultWindow();
    result->showSign(sign::Sign::Cancer);
    save(result, folder, "frmDisplay");
    result->hide();

    AboutBox about;
    save(&about, folder, "frmAbout");
    about.hide();

    save(windows::farewellDialog(), folder, "frmNagScreen2");
    return 0;
}
