#include "forms/frmAbout.h"

#include "forms/LinkLabel.h"
#include "forms/Style.h"
#include "links/modHelp.h"

#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QLatin1String(style::WindowCaption));
    setFont(style::Verdana());
    setModal(true);
    style::setFixedFrame(this);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);

    auto* heading = new QHBoxLayout;
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(style::ProgramIcon().pixmap(32, 32));
    picIcon->setFixedSize(32, 32);
    Label2 = new QLabel(QStringLiteral("QX Ardentis v1.25"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(style::Verdana(12, true));
    style::setTextColor(Label2, style::Red);
    style::setBackground(Label2, style::LightPink);
    heading->addWidget(picIcon, 0, Qt::AlignTop);
    heading->addWidget(Label2, 1);
    column->addLayout(heading);

    Label1 = new QLabel(QStringLiteral(
        "QX Ardentis describes the placement of Pallas in your birth chart. This planet is also known as the "
        "Asteroid of War. This sign deals with your ability to defend yourself in adverse situations. It helps "
        "you stand up and fight for your rights."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    style::setTextColor(Label1, style::DarkGreen);
    style::setBackground(Label1, style::LightYellow);

    Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);

    Label6 = new QLabel(QStringLiteral(
        "Home Business Opportunity. Start your own Internet business and make money online. Get this "
        "software fully branded for your website."), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(style::Verdana(8.25, true));
    style::setTextColor(Label6, style::DarkGreen);

    Label5 = new LinkLabel(QStringLiteral("Click here for more details"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    lblHomePage = new LinkLabel(QStringLiteral("Click here to visit ") + modHelp::SiteAddress(), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    for (QLabel* link : {static_cast<QLabel*>(Label5), static_cast<QLabel*>(lblHomePage)})
        style::setTextColor(link, style::Red);

    for (QLabel* text : {Label1, Label6}) {
        text->setWordWrap(true);
        text->setFixedWidth(380);
    }
    column->addWidget(Label1);
    column->addWidget(Line2);
    column->addWidget(Label6);
    column->addWidget(Label5);
    column->addWidget(lblHomePage);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);  // Enter; Escape closes the dialog as well
    column->addWidget(cmdOK, 0, Qt::AlignRight);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Label5, &LinkLabel::clicked, this, &modHelp::OpenFullBrandPage);
    connect(lblHomePage, &LinkLabel::clicked, this, &modHelp::OpenHomePage);
}

void frmAbout::cmdOK_Click()
{
    accept();
}
