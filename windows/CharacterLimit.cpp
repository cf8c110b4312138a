#include "CharacterLimit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBoundaryFinder>

namespace windows {

CharacterLimit::CharacterLimit(QLineEdit* box, int limit) : QObject(box), m_limit(limit), m_before(box->text())
{
    // Nothing longer than the box could ever hold gets in, so a pasted
    // mebibyte is cut by the line edit before it is laid out.
    box->setMaxLength(limit * UnitsPerCharacter + 1);
    m_apply = [box](const Cut& cut) {
        box->setText(box->text().replace(cut.start, cut.end - cut.start, cut.with));
        box->setCursorPosition(int(cut.start + cut.with.size()));
    };
    connect(box, &QLineEdit::textChanged, this, &CharacterLimit::changed);
}

CharacterLimit::CharacterLimit(QPlainTextEdit* box, int limit)
    : QObject(box), m_limit(limit), m_before(box->toPlainText())
{
    // Broken into lines anywhere, not only between words, a long text
    // without spaces is laid out in a moment rather than in minutes.
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    m_apply = [box](const Cut& cut) {
        QTextCursor range(box->document());
        range.joinPreviousEditBlock();  // undone and redone with the change it cuts
        range.setPosition(int(cut.start));
        range.setPosition(int(cut.end), QTextCursor::KeepAnchor);
        range.insertText(cut.with);
        range.endEditBlock();
        box->setTextCursor(range);
    };
    connect(box, &QPlainTextEdit::textChanged, this, [this, box] { changed(box->toPlainText()); });
}

int CharacterLimit::count(QStringView text)
{
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    int total = 0;
    qsizetype from = 0;
    for (qsizetype to = clusters.toNextBoundary(); to > 0; to = clusters.toNextBoundary()) {
        total += int((to - from + UnitsPerCharacter - 1) / UnitsPerCharacter);
        from = to;
    }
    return total;
}

void CharacterLimit::changed(const QString& now)
{
    if (count(now) <= m_limit) {
        m_before = now;
        return;
    }
    const Cut cut = cutToFit(now);
    m_before = QString(now).replace(cut.start, cut.end - cut.start, cut.with);
    m_apply(cut);
    // Said once the box shows what it kept, and never from within the
    // change: an assistive tool waits for its call to return.
    QMetaObject::invokeMethod(this, &CharacterLimit::exceeded, Qt::QueuedConnection);
}

CharacterLimit::Cut CharacterLimit::cutToFit(const QString& now) const
{
    // What changed lies between what the text shares with the one before at
    // its start and at its end, widened to whole characters.
    const qsizetype shorter = std::min(now.size(), m_before.size());
    qsizetype start = 0;
    while (start < shorter && now[start] == m_before[start])
        ++start;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, now);
    clusters.setPosition(start);
    if (!clusters.isAtBoundary())
        start = clusters.toPreviousBoundary();
    qsizetype tail = 0;
    while (tail < shorter - start && now[now.size() - 1 - tail] == m_before[m_before.size() - 1 - tail])
        ++tail;
    qsizetype end = now.size() - tail;
    clusters.setPosition(end);
    if (!clusters.isAtBoundary())
        end = clusters.toNextBoundary();

    // As much of what came in as fits, a character at a time.
    const QStringView after = QStringView(now).sliced(end);
    const auto fits = [&](qsizetype upTo) { return count(QString(now.first(upTo)).append(after)) <= m_limit; };
    qsizetype fit = start;
    clusters.setPosition(start);
    for (qsizetype next = clusters.toNextBoundary(); next > 0 && next <= end && fits(next);
         next = clusters.toNextBoundary())
        fit = next;
    if (!fits(fit))
        return {0, now.size(), m_before};
    return {fit, end, QString()};
}

}  // namespace windows
