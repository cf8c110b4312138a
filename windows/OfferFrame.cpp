#include "windows/OfferFrame.h"

#include "LinkLabel.h"
#include "links/WebPages.h"
#include "windows/Style.h"

#include <QGridLayout>

namespace windows {

namespace {

using Offer = OfferFrame::Offer;

LinkLabel* makeOffer(Offer offer, int width, Qt::Alignment alignment, QWidget* parent)
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
        parent);
    label->setObjectName(fullBrand ? QStringLiteral("lblFullBrand") : QStringLiteral("lblCobrand"));
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setFixedWidth(width);
    style::setTextColor(label, style::Blue);
    style::setBackground(label, style::Surface);  // the one in front hides the other
    QObject::connect(label, &LinkLabel::clicked, parent,
                     fullBrand ? &links::openFullBrandPage : &links::openCoBrandPage);
    static_cast<QGridLayout*>(parent->layout())->addWidget(label, 0, 0);
    return label;
}

}  // namespace

OfferFrame::OfferFrame(Offer inFront, int width, Qt::Alignment alignment, QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame5"));
    new QGridLayout(this);
    // The one made last lies in front.
    const Offer behind = inFront == Offer::FullBrand ? Offer::CoBrand : Offer::FullBrand;
    for (const Offer offer : {behind, inFront})
        (offer == Offer::FullBrand ? m_fullBrand : m_coBrand) = makeOffer(offer, width, alignment, this);
}

void OfferFrame::bringToFront(Offer offer)
{
    (offer == Offer::FullBrand ? m_fullBrand : m_coBrand)->raise();
}

void OfferFrame::addBeside(QWidget* control)
{
    static_cast<QGridLayout*>(layout())->addWidget(control, 0, 1, Qt::AlignVCenter);
}

}  // namespace windows
