#pragma once

#include <QGroupBox>

class QGridLayout;

namespace windows {

class LinkLabel;

// The frame (Frame5) of the two offers of the entry and result windows, the
// full-brand and the co-brand one. They share one place, where only the one
// in front is there, to the eye, the mouse and a screen reader alike: the
// other is hidden.
class OfferFrame : public QGroupBox {
    Q_OBJECT
public:
    enum class Offer { FullBrand, CoBrand };

    // The offers are `width` wide, their texts aligned as given.
    OfferFrame(Offer inFront, int width, Qt::Alignment alignment, QWidget* parent = nullptr);

    void bringToFront(Offer offer);
    // Puts a control beside the offers, in this frame.
    void addBeside(QWidget* control);

private:
    QGridLayout* m_grid;
    LinkLabel* m_fullBrand;
    LinkLabel* m_coBrand;
};

}  // namespace windows
