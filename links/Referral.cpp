#include "links/Referral.h"

#include "links/WebPages.h"
#include "platform/MessageBox.h"
#include "platform/ProgramInfo.h"

#include <QUrl>

namespace links {

QString trimSpaces(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

namespace {

// Everything but letters, digits and - . _ ~ is escaped, "+" included, so a
// form parser on the page reads back exactly what was typed.
QString encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

}  // namespace

// The page address and the product folder each name the site host once.
static_assert(9 * (2 * MaxNameLength + 2 * MaxEmailLength + MaxMessageLength) + 2 * sizeof(program::SiteHost) + 120
                  <= MaxAddressLength,
              "a request at the limits would be longer than servers accept");

QString referralAddress(const Referral& referral)
{
    return pageAddress(QStringLiteral("qxms-refer-a-friend")) + QStringLiteral("&taf1=")
           + encoded(referral.referrerName) + QStringLiteral("&taf2=") + encoded(referral.referrerEmail)
           + QStringLiteral("&taf3=") + encoded(referral.message) + QStringLiteral("&taf4=")
           + encoded(referral.friendName) + QStringLiteral("&taf5=") + encoded(referral.friendEmail)
           + QStringLiteral("&taf6=http://") + siteAddress() + QStringLiteral("/ardentis/");
}

void submitReferral(const Referral& referral)
{
    struct Field {
        const QString& value;
        const char16_t* placeholder;
        const char16_t* message;
    };
    const Field fields[] = {
        {referral.referrerName, u"Your Name", u"Please Enter Your Name"},
        {referral.referrerEmail, u"Your Email Address", u"Please Enter Your Email"},
        {referral.message, u"Your Message", u"Please Enter Your Message"},
        {referral.friendName, u"Friend's Name", u"Please Enter Your Friend's Name"},
        {referral.friendEmail, u"Friend's Email Address", u"Please Enter Your Friend's Email"},
    };
    for (const Field& field : fields) {
        const QString value = trimSpaces(field.value);
        if (value.isEmpty() || value == QStringView(field.placeholder)) {
            platform::showMessage(QString::fromUtf16(field.message), platform::Refusal);
            return;
        }
    }
    const QString address = referralAddress(referral);
    if (address.size() > MaxAddressLength || !openWebPage(address))
        platform::showMessage(QString::fromUtf16(NotHandedOverMessage), platform::Refusal);
}

}  // namespace links
