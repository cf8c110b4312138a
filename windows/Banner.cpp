#include "Banner.h"

#include "LinkLabel.h"
#include "links/WebPages.h"
#include "windows/Style.h"

#include <QVBoxLayout>

namespace windows {

Banner::Banner(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    auto* link = new LinkLabel(QStringLiteral("The Most Popular Online Quillon Discussion Board. Best Resource For "
                                              "Everything Quillon. Visit ")
                                   + links::siteAddress() + QStringLiteral(" Now"),
                               this);
    link->setObjectName(QStringLiteral("Label61"));
    link->setAlignment(Qt::AlignCenter);
    link->setWordWrap(true);
    link->setFixedWidth(480);
    style::setTextColor(link, style::Red);
    style::setBackground(link, style::White);
    (new QVBoxLayout(this))->addWidget(link);
    connect(link, &LinkLabel::clicked, this, &links::openHomePage);
}

}  // namespace windows
