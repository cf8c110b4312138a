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

// The most characters the five boxes send. The page address and the
// product folder each name the site host once.
constexpr int MostCharacters = [] {
    int most = 0;
    for (const ReferralField& field : ReferralFields)
        most += field.maxLength;
    return most;
}();
static_assert(9 * MostCharacters + 2 * sizeof(program::SiteHost) + 120 <= MaxAddressLength,
              "a request at the limits would be longer than servers accept");

std::optional<QString> referralProblem(const Referral& referral)
{
    const QString email = trimSpaces(referral[ReferrerEmail]);
    const QString friendEmail = trimSpaces(referral[FriendEmail]);
    if (friendEmail == email)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    if (!email.contains(u'@') || !friendEmail.contains(u'@') || !email.contains(u'.') || !friendEmail.contains(u'.'))
        return QStringLiteral("Please Enter Proper Email Address");
    for (qsizetype box = 0; box < qsizetype(ReferralFields.size()); ++box) {
        const QString value = trimSpaces(referral[box]);
        if (value.isEmpty() || value == QStringView(ReferralFields[box].placeholder))
            return QString::fromUtf16(ReferralFields[box].missing);
    }
    return std::nullopt;
}

QString referralAddress(const Referral& referral)
{
    QString address = pageAddress(QStringLiteral("qxms-refer-a-friend"));
    for (qsizetype box = 0; box < qsizetype(referral.size()); ++box)
        address += QStringLiteral("&taf%1=").arg(box + 1) + encoded(trimSpaces(referral[box]));
    return address + QStringLiteral("&taf6=http://") + siteAddress() + QStringLiteral("/ardentis/");
}

void submitReferral(const Referral& referral)
{
    if (const std::optional<QString> problem = referralProblem(referral)) {
        platform::showMessage(*problem, platform::Refusal);
        return;
    }
    const QString address = referralAddress(referral);
    if (address.size() > MaxAddressLength || !openWebPage(address))
        platform::showMessage(QString::fromUtf16(NotHandedOverMessage), platform::Refusal);
}

}  // namespace links
