#include "platform/QtMessageBox.h"

#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

int ShowQtMessageBox(const QString& text, int style)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QLatin1String(ProgramTitle));
    box.setTextFormat(Qt::PlainText);
    // A lone carriage return starts a new line, as the texts are written.
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
    if (style & vbCritical)
        box.setIcon(QMessageBox::Critical);
    else if (style & vbInformation)
        box.setIcon(QMessageBox::Information);
    const bool question = (style & 0x7) == vbYesNo;
    if (question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.exec();
    if (!question)
        return vbOK;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? vbYes : vbNo;
}

}  // namespace platform
