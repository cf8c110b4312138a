#pragma once

#include <QFont>
#include <QLabel>

namespace windows {

namespace style {
struct Tone;
}

// A label that may wrap its text at a fixed width. Qt sizes a wrapped label
// by laying its whole text out at several trial widths, shaping it anew each
// time; a label whose width is fixed needs one layout, at that width, and
// this one keeps the answer while its text and font stay the same.
class WrapLabel : public QLabel {
    Q_OBJECT
public:
    explicit WrapLabel(const QString& text = QString(), QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

private:
    // Wraps, and cannot be made wider or narrower.
    bool wrapsAtFixedWidth() const;

    struct Measured {
        int width = -1;
        QString text;
        QFont font;
        int height = 0;
    };
    mutable Measured m_measured;
};

// A plain-text label named `name`, in Verdana 8.25, of the given colour.
WrapLabel* makeLabel(const char* name, const QString& text, const style::Tone& color, bool bold, QWidget* parent);

}  // namespace windows
