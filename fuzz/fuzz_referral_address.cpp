// The refer-a-friend request: whatever five values are typed, a form parser
// on the maker's page reads back exactly those five, under taf1 to taf5, with
// the page key before them and the product folder after them. The same holds
// for the address as handed on to the browser.
#include "links/Referral.h"
#include "links/WebPages.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

struct Field {
    QString key;
    QString value;
};

[[noreturn]] void fail(const char* what, const QString& address)
{
    std::fprintf(stderr, "referral address: %s\n%s\n", what, address.toUtf8().constData());
    std::abort();
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One key or value of an application/x-www-form-urlencoded query: "+" is a
// space, %XX one byte, the bytes UTF-8; a "%" without two hex digits stays.
QString formDecode(const QByteArray& text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '+') {
            bytes.append(' ');
        } else if (c == '%' && i + 2 < text.size() && hexDigit(text.at(i + 1)) >= 0 && hexDigit(text.at(i + 2)) >= 0) {
            bytes.append(static_cast<char>(hexDigit(text.at(i + 1)) * 16 + hexDigit(text.at(i + 2))));
            i += 2;
        } else {
            bytes.append(c);
        }
    }
    // A page reads a leading byte order mark as part of the value: keep it.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

// Split on "&", then on the first "=" of each part, as a web page reads it.
QList<Field> formParse(const QByteArray& query)
{
    QList<Field> fields;
    for (const QByteArray& part : query.split('&')) {
        const qsizetype equals = part.indexOf('=');
        if (equals < 0)
            fields.append({formDecode(part), QString()});
        else
            fields.append({formDecode(part.left(equals)), formDecode(part.mid(equals + 1))});
    }
    return fields;
}

void check(const QByteArray& address, const QString (&values)[5])
{
    const QString shown = QString::fromUtf8(address);
    // Nothing a browser or shell would cut or change: printable ASCII, no
    // fragment mark, no blank.
    for (const char c : address) {
        if (c <= ' ' || c > '~')
            fail("a character outside printable ASCII", shown);
        if (c == '#')
            fail("a '#' would cut the request short", shown);
    }
    const qsizetype question = address.indexOf('?');
    if (question < 0)
        fail("no query", shown);
    const QByteArray base = address.left(question);
    const QString expectedBase = QStringLiteral("http://") + links::siteAddress() + QStringLiteral("/ardentis/ssd.php");
    if (QString::fromLatin1(base) != expectedBase)
        fail("wrong page", shown);

    const QList<Field> fields = formParse(address.mid(question + 1));
    const QString keys[] = {QStringLiteral("page"), QStringLiteral("taf1"), QStringLiteral("taf2"),
                            QStringLiteral("taf3"), QStringLiteral("taf4"), QStringLiteral("taf5"),
                            QStringLiteral("taf6")};
    if (fields.size() != 7)
        fail("not exactly seven query fields", shown);
    for (int i = 0; i < 7; ++i) {
        if (fields[i].key != keys[i])
            fail("keys out of order or renamed", shown);
    }
    if (fields[0].value != QStringLiteral("qxms-refer-a-friend"))
        fail("wrong page key", shown);
    for (int i = 0; i < 5; ++i) {
        if (fields[i + 1].value != links::trimSpaces(values[i]))
            fail("a value does not come back exactly, spaces at its ends aside", shown);
    }
    if (fields[6].value != QStringLiteral("http://") + links::siteAddress() + QStringLiteral("/ardentis/"))
        fail("wrong product folder", shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    QString values[5];
    for (QString& value : values) {
        const std::string bytes = input.ConsumeRandomLengthString();
        value = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    const QString address = links::referralAddress({values[0], values[1], values[2], values[3], values[4]});
    check(address.toUtf8(), values);
    // What the browser gets: the address as the launcher turns it into a URL.
    check(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode).toEncoded(), values);
    return 0;
}
