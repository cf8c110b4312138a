#include "windows/BoundedTextEdit.h"

#include "windows/CharacterLimit.h"

#include <QAccessibleWidget>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace {

// The box as assistive technology sees it: Qt's own interface for a plain
// text box changes the document directly, past any limit, so the box has this
// one, which reads the text as Qt's does and changes it only within the limit.
class AccessibleBoundedTextEdit : public QAccessibleWidget,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
public:
    explicit AccessibleBoundedTextEdit(BoundedTextEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    BoundedTextEdit* box() const { return static_cast<BoundedTextEdit*>(widget()); }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? box()->toPlainText() : QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString& text) override
    {
        if (type != QAccessible::Value)
            QAccessibleWidget::setText(type, text);
        else if (!box()->isReadOnly())
            box()->replaceWithin(0, characterCount(), text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectableText = true;
        state.multiLine = true;
        state.readOnly = box()->isReadOnly();
        state.editable = !box()->isReadOnly();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        const QTextCursor cursor = box()->textCursor();
        const bool selected = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = selected ? cursor.selectionStart() : 0;
        *endOffset = selected ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.clearSelection();
        box()->setTextCursor(cursor);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(clamped(startOffset));
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(clamped(position));
        box()->setTextCursor(cursor);
    }
    QString text(int startOffset, int endOffset) const override
    {
        const int start = clamped(startOffset);
        return box()->toPlainText().mid(start, clamped(endOffset) - start);
    }
    int characterCount() const override { return box()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(clamped(offset));
        QRect rect = box()->cursorRect(cursor);
        rect.setWidth(box()->fontMetrics().horizontalAdvance(text(offset, offset + 1)));
        rect.moveTo(box()->viewport()->mapToGlobal(rect.topLeft()));
        return rect;
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    void deleteText(int startOffset, int endOffset) override { box()->replaceWithin(startOffset, endOffset, {}); }
    void insertText(int offset, const QString& text) override { box()->replaceWithin(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        box()->replaceWithin(startOffset, endOffset, text);
    }

private:
    int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

QAccessibleInterface* accessibleBox(const QString& className, QObject* object)
{
    if (className == QLatin1String(BoundedTextEdit::staticMetaObject.className()))
        return new AccessibleBoundedTextEdit(static_cast<BoundedTextEdit*>(object));
    return nullptr;
}

// The text as the document will hold it: a line break of any kind, "\r\n"
// included, is one paragraph separator, which the plain text shows as "\n".
QString asInserted(QStringView text)
{
    QString inserted;
    inserted.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        const bool breaks = c == u'\r' || c == QChar::ParagraphSeparator || c == QChar(0xfdd0) || c == QChar(0xfdd1);
        inserted += breaks ? QChar(u'\n') : c;
    }
    return inserted;
}

}  // namespace

BoundedTextEdit::BoundedTextEdit(int maxLength, QWidget* parent) : QPlainTextEdit(parent), m_maxLength(maxLength)
{
    static const bool accessible = (QAccessible::installFactory(accessibleBox), true);
    Q_UNUSED(accessible);
}

BoundedTextEdit::Fit BoundedTextEdit::fitting(const QTextCursor& at, const QString& text) const
{
    // A line break may take two units: twice the most the box can take is enough to look at.
    const qsizetype looked = std::min(text.size(), 2 * characters::mostUnits(m_maxLength));
    const QString inserted = asInserted(QStringView(text).first(looked));
    const QString shown = toPlainText();
    const qsizetype fits = characters::fittingLength(QStringView(shown).first(at.selectionStart()), inserted,
                                                     QStringView(shown).sliced(at.selectionEnd()), m_maxLength);
    return {inserted.first(fits), looked == text.size() && fits == inserted.size()};
}

void BoundedTextEdit::insertAtCursor(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void BoundedTextEdit::replaceWithin(int start, int end, const QString& text)
{
    const int characters = document()->characterCount() - 1;
    QTextCursor range(document());
    range.setPosition(std::clamp(start, 0, characters));
    range.setPosition(std::clamp(end, 0, characters), QTextCursor::KeepAnchor);
    const Fit fit = fitting(range, text);
    range.insertText(fit.text);
    if (!fit.whole)
        emit inputRejected();
}

void BoundedTextEdit::keyPressEvent(QKeyEvent* event)
{
    const bool newLine = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
                         && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (isReadOnly() || !(newLine || characters::typesText(event, !tabChangesFocus()))) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const Fit fit = fitting(textCursor(), newLine ? QStringLiteral("\n") : event->text());
    if (fit.whole) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    insertAtCursor(fit.text);
    emit inputRejected();
}

void BoundedTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Cut before it reaches the document: laying out a mebibyte on one line
    // would hold the program up for minutes.
    const Fit fit = fitting(textCursor(), source->text());
    if (fit.whole) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    insertAtCursor(fit.text);
    emit inputRejected();
}

void BoundedTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // The composed text goes in place of the selection, or of the range the
    // input method names around the cursor.
    QTextCursor at = textCursor();
    if (!at.hasSelection() && event->replacementLength() > 0) {
        at.setPosition(at.position() + event->replacementStart());
        at.setPosition(at.position() + event->replacementLength(), QTextCursor::KeepAnchor);
    }
    const Fit fit = fitting(at, event->commitString());
    const characters::Composition composing =
        characters::boundedComposition(*event, characters::mostUnits(m_maxLength) - 1);
    if (fit.whole && composing.text.size() == event->preeditString().size()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(composing.text, composing.attributes);
    cut.setCommitString(fit.whole ? event->commitString() : fit.text, event->replacementStart(),
                        event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
    if (!fit.whole)
        emit inputRejected();
}

QString tooLongMessage(int maxLength)
{
    return QStringLiteral("Please Enter No More Than %1 Characters").arg(maxLength);
}
