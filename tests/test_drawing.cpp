// What the entry window draws from its own shortcut (a wrapped label measured
// once) must be exactly what Qt would have drawn without it.
#include "windows/Style.h"
#include "windows/WrapLabel.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <gtest/gtest.h>

using windows::WrapLabel;
namespace style = windows::style;

TEST(WrapLabel, measuresAsQLabelDoesAndFollowsItsTextAndFont)
{
    const QString shortText = QStringLiteral("Co-brand this software for your site.");
    const QString longText = shortText.repeated(6);
    WrapLabel wrap(shortText);
    QLabel plain(shortText);
    for (QLabel* label : {static_cast<QLabel*>(&wrap), &plain}) {
        label->setWordWrap(true);
        label->setFixedWidth(383);
    }
    const auto expectSame = [&](const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(wrap.heightForWidth(383), plain.heightForWidth(383));
        EXPECT_EQ(wrap.heightForWidth(150), plain.heightForWidth(150));
        EXPECT_EQ(wrap.sizeHint(), QSize(383, plain.heightForWidth(383)));
        EXPECT_EQ(wrap.minimumSizeHint(), wrap.sizeHint());
    };
    expectSame("as made");
    const int oneLine = wrap.heightForWidth(383);

    wrap.setText(longText);
    plain.setText(longText);
    expectSame("after a longer text");
    EXPECT_GT(wrap.heightForWidth(383), oneLine);

    QFont bigger = wrap.font();
    bigger.setPointSizeF(bigger.pointSizeF() * 2);
    const int before = wrap.heightForWidth(383);
    wrap.setFont(bigger);
    plain.setFont(bigger);
    expectSame("after a bigger font");
    EXPECT_GT(wrap.heightForWidth(383), before);

    // A label that can change its width is left to QLabel entirely.
    WrapLabel free(longText);
    QLabel freePlain(longText);
    free.setWordWrap(true);
    freePlain.setWordWrap(true);
    EXPECT_EQ(free.sizeHint(), freePlain.sizeHint());
    EXPECT_EQ(free.minimumSizeHint(), freePlain.minimumSizeHint());
}
