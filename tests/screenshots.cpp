// Renders each of the four windows to a PNG file, for the README and for
// checking by eye that no text is cut off (run with QT_SCALE_FACTOR=2 too).
#include "forms/Forms.h"
#include "forms/frmAbout.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "sign/SignReadings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
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

    frmMain* main = Forms::Main();
    main->txtName->setText(QStringLiteral("ADA LOVELACE"));
    main->cboDate->setCurrentIndex(9);
    main->cboMonth->setCurrentIndex(11);
    main->cboYear->setCurrentText(QStringLiteral("1985"));
    save(main, folder, "frmMain");
    main->hide();

    frmDisplay* display = Forms::Display();
    display->lblWarriorSign->setText(QStringLiteral("Cancer"));
    display->lblSignDesc->setText(*modPlanetSign::SignReading(QStringLiteral("Cancer")));
    save(display, folder, "frmDisplay");
    display->hide();

    frmAbout about;
    save(&about, folder, "frmAbout");
    about.hide();

    save(Forms::NagScreen2(), folder, "frmNagScreen2");
    return 0;
}
