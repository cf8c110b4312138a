#include "windows/MessageBoxDialog.h"

#include "platform/ProgramInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace windows {

platform::MessageAnswer showMessageBoxDialog(const QString& text, platform::MessageStyle style)
{
    using platform::MessageButtons;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QLatin1String(program::Title));
    box.setTextFormat(Qt::PlainText);
    // A lone carriage return starts a new line, as the texts are written.
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
    box.setIcon(style.icon == platform::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information);
    const bool question = style.buttons == MessageButtons::YesNo;
    if (question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.exec();
    if (!question)
        return platform::MessageAnswer::Ok;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? platform::MessageAnswer::Yes
                                                               : platform::MessageAnswer::No;
}

}  // namespace windows
