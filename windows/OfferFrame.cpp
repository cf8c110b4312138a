#include "windows/OfferFrame.h"

#include "LinkLabel.h"
#include "links/WebPages.h"
#include "windows/Style.h"

#include <QGridLayout>

namespace windows {

namespace {

using Offer = OfferFrame::Offer;

LinkLabel* makeOffer(Offer offer, int width, Qt::Alignment alignment, QGridLayout* place)
{
    const bool fullBrand = offer == Offer::FullBrand;
    auto* label = new LinkLabel(
        fullBrand ? QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                   "online. Get this software fully branded for your website. Click here for more "
                                   "details.")
                  // Two blanks after the first full stop, and one ampersand shown.
                  : QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                                   "site. Put your site's name &  link here. See \"Help\" for details.Click Here for "
                                   "more info on co-branding."),
        place->parentWidget());
    label->setObjectName(fullBrand ? QStringLiteral("lblFullBrand") : QStringLiteral("lblCobrand"));
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setFixedWidth(width);
    style::setTextColor(label, style::Blue);
    style::setBackground(label, style::Surface);
    // The one behind keeps its place, hidden, so the frame keeps its size.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    QObject::connect(label, &LinkLabel::clicked, label,
                     fullBrand ? &links::openFullBrandPage : &links::openCoBrandPage);
    place->addWidget(label, 0, 0);
    return label;
}

}  // namespace

OfferFrame::OfferFrame(Offer inFront, int width, Qt::Alignment alignment, QWidget* parent)
    : QGroupBox(parent), m_grid(new QGridLayout(this)),
      m_fullBrand(makeOffer(Offer::FullBrand, width, alignment, m_grid)),
      m_coBrand(makeOffer(Offer::CoBrand, width, alignment, m_grid))
{
    setObjectName(QStringLiteral("Frame5"));
    bringToFront(inFront);
}

void OfferFrame::bringToFront(Offer offer)
{
    m_fullBrand->setVisible(offer == Offer::FullBrand);
    m_coBrand->setVisible(offer == Offer::CoBrand);
}

void OfferFrame::addBeside(QWidget* control)
{
    m_grid->addWidget(control, 0, 1, Qt::AlignVCenter);
}

}  // namespace windows
