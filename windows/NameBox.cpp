#include "NameBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace windows {

namespace {

bool isLetter(QChar character)
{
    return (character >= u'A' && character <= u'Z') || (character >= u'a' && character <= u'z');
}

// Backspace, Enter and Space: keys the box handles as usual.
bool isEditingCharacter(QChar character)
{
    return character == u'\b' || character == u'\r' || character == u' ';
}

// Keys that with Ctrl type a control character: the letters, [ \ ] ^ _ (also
// on 6 and -), Enter (a line feed) and Backspace (DEL). With any other key
// Ctrl moves or edits. Those keys' codes are their characters'.
bool typesControlCharacter(int key)
{
    return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key < 0x80 && QByteArrayView("[\\]^6_-").contains(char(key)))
           || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Backspace;
}

}  // namespace

NameBox::NameBox(QWidget* parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void NameBox::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & (Qt::AltModifier | Qt::MetaModifier);
    const int key = event->key();
    const QString text = event->text();
    const bool plain = !control && !alt;

    // Moving the focus, leaving, deleting either way and pressing the
    // default button work as usual. Delete types no character of its own,
    // though X11 gives it the text DEL.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape
        || (plain && (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter))
        || (modifiers == Qt::NoModifier && key == Qt::Key_Delete)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // AltGr arrives as Ctrl+Alt with the character it types, which the box
    // would not type itself.
    if (control && alt && !text.isEmpty() && text.front().isPrint()) {
        if (text.size() == 1 && (isLetter(text.front()) || text.front() == u' '))
            take(text.front(), event);
        else
            refuse(event);
        return;
    }
    if (alt) {
        event->accept();  // not typing: an unused menu key goes nowhere
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        refuse(event);  // Shift+Insert pastes like Ctrl+V, and is refused the same way
        return;
    }
    if (control) {
        // Ctrl+H types a backspace and Ctrl+Space a space, which the box
        // takes as those keys; Ctrl+M is Enter, and Ctrl with a key that
        // types nothing moves and edits as usual.
        if (key == Qt::Key_H)
            backspace();
        else if (key == Qt::Key_Space)
            take(u' ', event);
        else if (!typesControlCharacter(key) || key == Qt::Key_M)
            QLineEdit::keyPressEvent(event);
        else
            refuse(event);
        return;
    }
    if (text.isEmpty()) {
        QLineEdit::keyPressEvent(event);  // arrows, Home, Delete: no character is typed
        return;
    }
    if (text.size() != 1 || !(isLetter(text.front()) || isEditingCharacter(text.front()))) {
        refuse(event);
        return;
    }
    if (text.front().isLower())
        take(text.front(), event);  // the name is always shown in capitals
    else
        QLineEdit::keyPressEvent(event);
}

void NameBox::take(QChar character, QKeyEvent* event)
{
    insert(QString(character.toUpper()));
    event->accept();
}

void NameBox::refuse(QKeyEvent* event)
{
    event->accept();
    emit refused();
}

void NameBox::mouseReleaseEvent(QMouseEvent* event)
{
    // No pasting of the selection round the letter filter.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace windows
