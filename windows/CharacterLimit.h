#pragma once

#include <QInputMethodEvent>
#include <QString>

class QKeyEvent;

// How the farewell dialog's boxes count what they hold: by what the user sees
// as one character, a grapheme cluster (a letter with its accents, an emoji
// with its modifiers, a flag), never by the UTF-16 units that hold it. No
// written character takes more than UnitsPerCharacter units; a cluster that
// does (a letter under hundreds of accents) counts once for every
// UnitsPerCharacter units begun, so a box of n characters never holds more
// than n * UnitsPerCharacter units and nothing typed into it can take long to
// lay out.
namespace characters {

inline constexpr int UnitsPerCharacter = 32;

// The characters of text, counted as above.
int count(QStringView text);

// How many UTF-16 units of the start of `inserted` fit between `before` and
// `after` within `limit` characters. The cut never falls inside a character:
// not between the halves of a surrogate pair, nor between a letter and its
// accents. Only the first limit * UnitsPerCharacter + 1 units of `inserted`
// are looked at, so a text of any length takes no longer than a short one.
qsizetype fittingLength(QStringView before, QStringView inserted, QStringView after, int limit);

// The most of a text that is worth handing to a box of `limit` characters:
// one unit more than it can ever take, so the box still sees that it was cut.
qsizetype mostUnits(int limit);

// Whether a key press types its text into a text box, as Qt's own boxes
// decide it (`tabTypes`: a tab is typed, not a move to the next control).
bool typesText(const QKeyEvent* event, bool tabTypes);

// The text an input method is still composing, cut to at most `most` units,
// with what its attributes mark clipped to match: an input method could
// otherwise have the box lay out a text of any length.
struct Composition {
    QString text;
    QList<QInputMethodEvent::Attribute> attributes;
};
Composition boundedComposition(const QInputMethodEvent& event, qsizetype most);

}  // namespace characters
