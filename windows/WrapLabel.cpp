#include "WrapLabel.h"

#include "windows/Style.h"

namespace windows {

WrapLabel::WrapLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

bool WrapLabel::wrapsAtFixedWidth() const
{
    return wordWrap() && minimumWidth() == maximumWidth() && maximumWidth() < QWIDGETSIZE_MAX;
}

QSize WrapLabel::sizeHint() const
{
    if (!wrapsAtFixedWidth())
        return QLabel::sizeHint();
    return {maximumWidth(), heightForWidth(maximumWidth())};
}

QSize WrapLabel::minimumSizeHint() const
{
    // At its one width the text takes the lines it takes: it cannot be
    // squeezed into fewer.
    if (!wrapsAtFixedWidth())
        return QLabel::minimumSizeHint();
    return sizeHint();
}

int WrapLabel::heightForWidth(int width) const
{
    if (!wordWrap())
        return QLabel::heightForWidth(width);
    // Comparing the text and font costs next to nothing against a layout.
    if (width != m_measured.width || text() != m_measured.text || font() != m_measured.font) {
        m_measured.height = QLabel::heightForWidth(width);
        m_measured.width = width;
        m_measured.text = text();
        m_measured.font = font();
    }
    return m_measured.height;
}

WrapLabel* makeLabel(const char* name, const QString& text, const style::Tone& color, bool bold, QWidget* parent)
{
    auto* label = new WrapLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(style::verdana(8.25, bold));
    style::setTextColor(label, color);
    return label;
}

}  // namespace windows
