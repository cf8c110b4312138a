// What the entry window draws from its own shortcuts (ready-made icon pixels,
// a wrapped label measured once) must be exactly what Qt would have drawn
// without them.
#include "windows/ProgramIconPixels.h"
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

namespace {

QImage pixelsOf(const std::uint32_t* pixels, int size)
{
    return QImage(reinterpret_cast<const uchar*>(pixels), size, size, QImage::Format_ARGB32).copy();
}

QImage iconFile(int size)
{
    return QImage(QStringLiteral(ARDENTIS_RESOURCES "/ardentis-%1.png").arg(size))
        .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(ProgramIcon, isTheIconFilesPixelForPixelInBothSizes)
{
    ASSERT_FALSE(iconFile(32).isNull());
    EXPECT_EQ(pixelsOf(style::iconpixels::Icon32, 32), iconFile(32))
        << "the generated icon pixels differ from the icon file";
    EXPECT_EQ(pixelsOf(style::iconpixels::Icon64, 64), iconFile(64))
        << "the generated icon pixels differ from the icon file";
    EXPECT_EQ(style::programIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
}

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
