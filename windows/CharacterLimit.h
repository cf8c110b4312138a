#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace windows {

// Holds a text box to at most `limit` characters as the user sees them: a
// letter with its accents, an emoji with its modifiers or a flag is one; a
// cluster of more than UnitsPerCharacter UTF-16 units counts once for every
// UnitsPerCharacter begun, so that no box holds more than that many units a
// character and nothing in it is slow to lay out.
//
// After every change, however it came (typed, pasted, dropped, composed,
// undone, or made by an assistive tool), what the change put in is cut to
// what fits, never inside a character, and the rest of the box stays as it
// was; a change that no cut brings within the limit (deleting the joiner
// that made one character of several) is not made. exceeded() comes after
// the change, never from within it.
class CharacterLimit : public QObject {
    Q_OBJECT
public:
    static constexpr int UnitsPerCharacter = 32;

    CharacterLimit(QLineEdit* box, int limit);
    CharacterLimit(QPlainTextEdit* box, int limit);

    // The characters of a text, counted as above.
    static int count(QStringView text);

signals:
    // A change went past the limit and was cut.
    void exceeded();

private:
    // What of the change from m_before to `now` to undo: the units from
    // `start` to `end` of `now` go, and `with` comes in their place.
    struct Cut {
        qsizetype start;
        qsizetype end;
        QString with;
    };
    Cut cutToFit(const QString& now) const;
    void changed(const QString& now);

    std::function<void(const Cut&)> m_apply;  // makes the cut in the box
    int m_limit;
    QString m_before;  // the text after the last change, within the limit
};

}  // namespace windows
