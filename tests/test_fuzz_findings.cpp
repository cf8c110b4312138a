// What the fuzz targets (fuzz/) found, kept as ordinary cases so it stays fixed.
#include "settings/Codec.h"

#include <gtest/gtest.h>

// Found by fuzz_settings_codec: the decoder dropped a byte order mark at the
// start of the text, so the text read back was shorter than the one stored.
TEST(FuzzFindings, aLeadingByteOrderMarkSurvivesTheSettingsEncoding)
{
    for (const QString& text : {QStringLiteral("\ufeff"), QStringLiteral("\ufeff3E"),
                                QStringLiteral("\ufeff\ufeff2024-01-01"), QStringLiteral("a\ufeff")}) {
        const std::optional<QString> back = settings::decode(settings::encode(text));
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        EXPECT_EQ(back->toStdString(), text.toStdString());
    }
}

// Found by fuzz_settings_codec: digits of other scripts (here Myanmar and
// Arabic-Indic) passed for hex digits, so a damaged stored value decoded to a
// text that was never stored instead of to nothing.
TEST(FuzzFindings, digitsOfOtherScriptsAreNoHexDigits)
{
    for (const QString& stored :
         {QStringLiteral("\u1042B"), QStringLiteral("\u0663\u0663"), QStringLiteral("3e\uff10\uff11")}) {
        EXPECT_FALSE(settings::decode(stored).has_value()) << stored.toStdString();
    }
    EXPECT_TRUE(settings::decode(QStringLiteral("3E3e")).has_value());
}
