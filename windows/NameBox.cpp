#include "NameBox.h"

#include <QKeyEvent>
#include <QValidator>

#include <utility>

namespace windows {

namespace {

class CapitalLetters : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        for (QChar& character : input) {
            if (character >= u'a' && character <= u'z')
                character = QChar(character.unicode() - u'a' + u'A');
            else if (!(character >= u'A' && character <= u'Z') && character != u' ')
                return Invalid;
        }
        return Acceptable;
    }
};

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
    setValidator(new CapitalLetters(this));
    connect(this, &QLineEdit::textChanged, this, [this](QString now) {
        int at = 0;
        if (validator()->validate(now, at) == QValidator::Acceptable)
            m_accepted = now;
    });
    connect(this, &QLineEdit::inputRejected, this, [this] {
        if (m_handlingEvent) {
            m_rejected = true;  // said once the box has kept the change out
            return;
        }
        // Qt's accessible line edit (Qt 6.4 to 6.8) makes an assistive tool's
        // insertion with setText, which no validator undoes: it is taken back
        // here, and said once the tool's call has returned.
        QMetaObject::invokeMethod(
            this,
            [this] {
                setText(m_accepted);
                emit refused();
            },
            Qt::QueuedConnection);
    });
}

bool NameBox::event(QEvent* event)
{
    const bool outer = std::exchange(m_handlingEvent, true);
    const bool handled = QLineEdit::event(event);
    m_handlingEvent = outer;
    if (std::exchange(m_rejected, false))
        emit refused();
    return handled;
}

void NameBox::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const int key = event->key();
    if (modifiers == Qt::ControlModifier && key == Qt::Key_H) {
        backspace();
    } else if (modifiers == Qt::ControlModifier && key == Qt::Key_Space) {
        insert(QStringLiteral(" "));
    } else if ((modifiers == Qt::ControlModifier && typesControlCharacter(key) && key != Qt::Key_M)
               || event->matches(QKeySequence::Paste)) {
        m_rejected = true;
    } else if (modifiers & (Qt::AltModifier | Qt::MetaModifier) && !(modifiers & Qt::ControlModifier)) {
        // Not typing: an unused menu key goes nowhere.
    } else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

}  // namespace windows
