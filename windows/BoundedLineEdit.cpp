#include "BoundedLineEdit.h"

#include "CharacterLimit.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>
#include <limits>

namespace windows {

class BoundedLineEdit::Limit : public QValidator {
public:
    explicit Limit(BoundedLineEdit* box) : QValidator(box), m_box(box) {}
    State validate(QString& text, int& cursor) const override
    {
        m_box->fit(text, cursor);
        return Acceptable;
    }

private:
    BoundedLineEdit* m_box;
};

BoundedLineEdit::BoundedLineEdit(int maxCharacters, QWidget* parent) : QLineEdit(parent), m_maxCharacters(maxCharacters)
{
    // The limit is the validator's; the line edit's own would cut a text set
    // whole at its end, and in UTF-16 units.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new Limit(this));
    connect(this, &QLineEdit::textChanged, this, &BoundedLineEdit::shown);
}

namespace {

qsizetype commonPrefix(QStringView a, QStringView b, qsizetype most)
{
    qsizetype length = 0;
    while (length < most && a[length] == b[length])
        ++length;
    return length;
}

qsizetype commonSuffix(QStringView a, QStringView b, qsizetype most)
{
    qsizetype length = 0;
    while (length < most && a[a.size() - 1 - length] == b[b.size() - 1 - length])
        ++length;
    return length;
}

}  // namespace

void BoundedLineEdit::fit(QString& text, int& cursor)
{
    if (text == m_shown)
        return;
    // What changed lies between a start and an end the text had before: for
    // typing, pasting and dropping it ends at the cursor; a text set whole
    // (by assistive technology, say) shares what it can with the old one.
    const QStringView now(text);
    const QStringView was(m_shown);
    const qsizetype common = std::min(now.size(), was.size());
    const qsizetype afterCursor = now.size() - cursor;
    qsizetype suffix = 0;
    qsizetype prefix = 0;
    if (cursor >= 0 && afterCursor > 0 && afterCursor <= was.size() && now.last(afterCursor) == was.last(afterCursor)) {
        suffix = afterCursor;
        prefix = commonPrefix(now, was, std::min(qsizetype(cursor), was.size() - suffix));
    } else {
        prefix = commonPrefix(now, was, common);
        suffix = commonSuffix(now, was, common - prefix);
    }
    const QStringView inserted = now.sliced(prefix, now.size() - prefix - suffix);
    const qsizetype fits = characters::fittingLength(now.first(prefix), inserted, now.last(suffix), m_maxCharacters);
    if (fits == inserted.size())
        return;
    const bool proposed = text != this->text();  // not yet the box's text, as assistive technology's is
    QString cut = now.first(prefix + fits).toString();
    cut.append(now.last(suffix));
    text = cut;
    cursor = int(prefix + fits);
    // Said once the box shows the cut text, not while it still holds all of it.
    if (proposed && text == this->text())
        emit inputRejected();
    else
        m_rejectionPending = true;
}

void BoundedLineEdit::shown(const QString& text)
{
    m_shown = text;
    if (std::exchange(m_rejectionPending, false))
        emit inputRejected();
}

void BoundedLineEdit::pasteShortened(QClipboard::Mode mode)
{
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (!text.isEmpty() || hasSelectedText())
        insert(text.first(std::min(text.size(), characters::mostUnits(m_maxCharacters))));
}

void BoundedLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteShortened(QClipboard::Clipboard);
        return;
    }
    // A key that types nothing that fits changes nothing, not even the undo history.
    if (!isReadOnly() && characters::typesText(event, false)) {
        const QString before = text().first(hasSelectedText() ? selectionStart() : cursorPosition());
        const QString after = text().sliced(hasSelectedText() ? selectionEnd() : cursorPosition());
        if (characters::fittingLength(before, event->text(), after, m_maxCharacters) == 0) {
            event->accept();
            emit inputRejected();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void BoundedLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const qsizetype most = characters::mostUnits(m_maxCharacters);
    if (event->commitString().size() <= most && event->preeditString().size() < most) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const characters::Composition composing = characters::boundedComposition(*event, most - 1);
    QInputMethodEvent cut(composing.text, composing.attributes);
    cut.setCommitString(event->commitString().first(std::min(event->commitString().size(), most)),
                        event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
}

void BoundedLineEdit::dropEvent(QDropEvent* event)
{
    const qsizetype most = characters::mostUnits(m_maxCharacters);
    const QMimeData* given = event->mimeData();
    if (!given || !given->hasText() || given->text().size() <= most) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData shortened;
    shortened.setText(given->text().first(most));
    QDropEvent drop(event->position(), event->possibleActions(), &shortened, event->buttons(), event->modifiers());
    drop.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&drop);
    event->setDropAction(drop.dropAction());
    event->setAccepted(drop.isAccepted());
}

void BoundedLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // A middle click pastes the selection where the desktop keeps one (X11).
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        event->accept();
        deselect();
        pasteShortened(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void BoundedLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    // The menu's Paste is tied to paste() by name; it is retied to the shortening paste.
    for (QAction* action : menu->actions()) {
        if (QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste())))
            connect(action, &QAction::triggered, this, [this] { pasteShortened(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace windows
