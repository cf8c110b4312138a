#include "windows/AppStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <memory>

namespace {

// Stands in for one of the base style's icons and asks for it when it is
// first drawn or measured.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* base, QStyle::StandardPixmap which)
        : m_state(std::make_shared<State>(State{base, which, {}, false}))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // Asked while buttons are sized: the base styles always have these
    // icons, so the answer needs no files until one is drawn.
    bool isNull() override { return m_state->made && m_state->icon.isNull(); }
    QString key() const override { return QStringLiteral("ArdentisDeferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    struct State {
        QPointer<QStyle> base;
        QStyle::StandardPixmap which;
        QIcon icon;
        bool made;
    };

    const QIcon& icon()
    {
        State& state = *m_state;
        if (!state.made && state.base) {
            state.icon = state.base->standardIcon(state.which);
            state.made = true;
        }
        return state.icon;
    }

    // Shared by the copies a QIcon makes, so the files are read once.
    std::shared_ptr<State> m_state;
};

}  // namespace

QIcon AppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    if (!option && (standardIcon == SP_ToolBarHorizontalExtensionButton
                    || standardIcon == SP_ToolBarVerticalExtensionButton))
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
