#include "settings/Codec.h"

#include <QStringDecoder>

namespace settings {

namespace {
// Every byte is mixed with one that depends on its position.
char maskAt(qsizetype index)
{
    return static_cast<char>((0x5A + 7 * index) & 0xFF);
}
}  // namespace

QString encode(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ maskAt(i));
    return QString::fromLatin1(bytes.toHex());
}

std::optional<QString> decode(const QString& text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    for (const QChar c : text) {
        // Only the ASCII digits: other scripts' digits are no hex digits.
        if (!(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'f') && !(c >= u'A' && c <= u'F'))
            return std::nullopt;
    }
    QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ maskAt(i));
    // A leading byte order mark is part of the text, not a marker to drop.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return decoded;
}

}  // namespace settings
