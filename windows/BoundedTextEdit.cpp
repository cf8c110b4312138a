#include "windows/BoundedTextEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace windows {

BoundedTextEdit::BoundedTextEdit(int maxLength, QWidget* parent) : QPlainTextEdit(parent), m_maxLength(maxLength) {}

int BoundedTextEdit::room() const
{
    // The count includes the separator after the last line, which is no character of the text.
    const int length = document()->characterCount() - 1;
    const QTextCursor cursor = textCursor();
    return m_maxLength - length + (cursor.selectionEnd() - cursor.selectionStart());
}

void BoundedTextEdit::keyPressEvent(QKeyEvent* event)
{
    const bool newLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool typesText = newLine || (!event->text().isEmpty() && event->text().at(0).isPrint()
                                       && !(event->modifiers() & Qt::ControlModifier));
    if (typesText && room() < (newLine ? 1 : event->text().size())) {
        event->accept();
        emit inputRejected();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void BoundedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Cut before it reaches the document: laying out a mebibyte on one line
    // would hold the program up for minutes.
    const QString text = source->text();
    const int fits = std::max(room(), 0);
    if (text.size() <= fits) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString part = text.left(fits);
    if (!part.isEmpty() && part.back().isHighSurrogate())
        part.chop(1);  // half a character is none
    textCursor().insertText(part);
    ensureCursorVisible();
    emit inputRejected();
}

void BoundedTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const int fits = std::max(room() + event->replacementLength(), 0);
    if (event->commitString().size() <= fits) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(event->commitString().left(fits), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    emit inputRejected();
}

QString tooLongMessage(int maxLength)
{
    return QStringLiteral("Please Enter No More Than %1 Characters").arg(maxLength);
}

}  // namespace windows
