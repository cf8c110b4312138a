#include "windows/CharacterLimit.h"

#include <QKeyEvent>
#include <QList>
#include <QTextBoundaryFinder>

namespace characters {

int count(QStringView text)
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

qsizetype mostUnits(int limit)
{
    return qsizetype(limit) * UnitsPerCharacter + 1;
}

qsizetype fittingLength(QStringView before, QStringView inserted, QStringView after, int limit)
{
    // A character takes at least one unit.
    if (before.size() + inserted.size() + after.size() <= limit)
        return inserted.size();
    const QStringView looked = inserted.first(std::min(inserted.size(), mostUnits(limit)));
    const bool whole = looked.size() == inserted.size();

    // Where the inserted text may end: the character boundaries within it,
    // as it stands after `before`. The end of a text cut short is none.
    QString joined = before.toString();
    joined.append(looked);
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, joined);
    clusters.setPosition(before.size());
    QList<qsizetype> ends;
    for (qsizetype end = clusters.toNextBoundary(); end > 0; end = clusters.toNextBoundary()) {
        if (whole || end < joined.size())
            ends.append(end - before.size());
    }
    const auto fits = [&](qsizetype length) {
        QString candidate = joined.first(before.size() + length);
        return count(candidate.append(after)) <= limit;
    };
    // Each character more counts at least as much: the longest end that fits.
    qsizetype low = 0;  // ends[low - 1] fits; none tried below it fails
    qsizetype high = ends.size();
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (fits(ends[middle]))
            low = middle + 1;
        else
            high = middle;
    }
    return low == 0 ? 0 : ends[low - 1];
}

bool typesText(const QKeyEvent* event, bool tabTypes)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    // Marks such as the right-to-left mark, typed with Ctrl+Shift on some keyboards.
    if (first.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse
           || (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate())
           || (tabTypes && first == u'\t');
}

Composition boundedComposition(const QInputMethodEvent& event, qsizetype most)
{
    Composition composition{event.preeditString(), event.attributes()};
    if (composition.text.size() <= most)
        return composition;
    composition.text.truncate(most);
    if (composition.text.back().isHighSurrogate())
        composition.text.chop(1);
    const int end = int(composition.text.size());
    composition.attributes.removeIf([end](const QInputMethodEvent::Attribute& attribute) {
        return attribute.type != QInputMethodEvent::Selection && attribute.type != QInputMethodEvent::Cursor
               && attribute.start >= end;
    });
    for (QInputMethodEvent::Attribute& attribute : composition.attributes) {
        if (attribute.type == QInputMethodEvent::Cursor)
            attribute.start = std::min(attribute.start, end);
        else if (attribute.type != QInputMethodEvent::Selection)
            attribute.length = std::min(attribute.length, end - attribute.start);
    }
    return composition;
}

}  // namespace characters
