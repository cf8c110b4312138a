// The stored setting's encoding: decoding what was encoded gives the text
// back exactly, empty stays empty, no upper-case letter reaches the store,
// and decoding whatever a damaged or edited settings file holds never
// crashes and, when it answers at all, answers with the text that encodes
// to it.
#include "settings/Codec.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QString& text)
{
    std::fprintf(stderr, "settings codec: %s\n[%s]\n", what, text.toUtf8().toHex().constData());
    std::abort();
}

void checkRoundTrip(const QString& text)
{
    const QString encoded = settings::encode(text);
    if (text.isEmpty() != encoded.isEmpty())
        fail("empty and non-empty do not map to each other", text);
    for (const QChar c : encoded) {
        if (c.isUpper())
            fail("an upper-case letter in the encoded text", text);
        if (!(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'f'))
            fail("a character other than 0-9 and a-f in the encoded text", text);
    }
    const std::optional<QString> decoded = settings::decode(encoded);
    if (!decoded)
        fail("decode refuses what encode made", text);
    if (*decoded != text)
        fail("decode(encode(x)) differs from x", text);
}

void checkArbitrary(const QString& stored)
{
    const std::optional<QString> decoded = settings::decode(stored);
    if (decoded && settings::encode(*decoded) != stored.toLower())
        fail("decode answers with a text that does not encode back to the stored one", stored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const auto length = static_cast<qsizetype>(size);
    const QString text = QString::fromUtf8(bytes, length);
    checkRoundTrip(text);
    checkArbitrary(text);
    checkArbitrary(QString::fromLatin1(bytes, length));
    // Two bytes a character: texts that UTF-8 cannot carry, lone surrogates too.
    checkArbitrary(QString(reinterpret_cast<const QChar*>(data), length / 2));
    return 0;
}
