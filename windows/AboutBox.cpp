#include "windows/AboutBox.h"

#include "LinkLabel.h"
#include "links/WebPages.h"
#include "platform/ProgramInfo.h"
#include "windows/Style.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace windows {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QLatin1String(program::WindowCaption));
    setFont(style::verdana());
    setModal(true);
    style::setFixedFrame(this);
    style::followDesktop(this);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addLayout(makeHeading());
    makeTexts(column);

    auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);  // Enter; Escape closes the dialog as well
    column->addWidget(okButton, 0, Qt::AlignRight);
    okButton->setFocus();
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

// The description, the offer and the two links, under the heading.
void AboutBox::makeTexts(QVBoxLayout* column)
{

    auto* description = new QLabel(
        QStringLiteral(
            "QX Ardentis describes the placement of Pallas in your birth chart. This planet is also known as the "
            "Asteroid of War. This sign deals with your ability to defend yourself in adverse situations. It helps "
            "you stand up and fight for your rights."),
        this);
    description->setObjectName(QStringLiteral("Label1"));
    style::setTextColor(description, style::DarkGreenOnYellow);
    style::setBackground(description, style::LightYellow);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line2"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* offer = new QLabel(
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                       "software fully branded for your website."),
        this);
    offer->setObjectName(QStringLiteral("Label6"));
    offer->setFont(style::verdana(8.25, true));
    style::setTextColor(offer, style::DarkGreen);

    auto* offerLink = new LinkLabel(QStringLiteral("Click here for more details"), this);
    offerLink->setObjectName(QStringLiteral("Label5"));
    auto* homePageLink = new LinkLabel(QStringLiteral("Click here to visit ") + links::siteAddress(), this);
    homePageLink->setObjectName(QStringLiteral("lblHomePage"));
    for (QLabel* link : {static_cast<QLabel*>(offerLink), static_cast<QLabel*>(homePageLink)})
        style::setTextColor(link, style::Red);

    for (QLabel* text : {description, offer}) {
        text->setWordWrap(true);
        text->setFixedWidth(380);
    }
    column->addWidget(description);
    column->addWidget(rule);
    column->addWidget(offer);
    column->addWidget(offerLink);
    column->addWidget(homePageLink);
    connect(offerLink, &LinkLabel::clicked, this, &links::openFullBrandPage);
    connect(homePageLink, &LinkLabel::clicked, this, &links::openHomePage);
}

// The program icon beside the caption and version.
QLayout* AboutBox::makeHeading()
{
    auto* heading = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(style::programIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);
    auto* versionHeading = new QLabel(QLatin1String(program::WindowCaption), this);
    versionHeading->setObjectName(QStringLiteral("Label2"));
    versionHeading->setFont(style::verdana(12, true));
    style::setTextColor(versionHeading, style::RedOnPink);
    style::setBackground(versionHeading, style::LightPink);
    heading->addWidget(icon, 0, Qt::AlignTop);
    heading->addWidget(versionHeading, 1);
    return heading;
}

}  // namespace windows
