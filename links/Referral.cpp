#include "links/Referral.h"

#include "links/WebPages.h"
#include "platform/MessageBox.h"
#include "platform/ProgramInfo.h"

#include <QTextBoundaryFinder>
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

int characterCount(QStringView text)
{
    constexpr qsizetype UnitsPerCharacter = 32;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    int total = 0;
    qsizetype from = 0;
    for (qsizetype to = clusters.toNextBoundary(); to > 0; to = clusters.toNextBoundary()) {
        total += int((to - from + UnitsPerCharacter - 1) / UnitsPerCharacter);
        from = to;
    }
    return total;
}

std::optional<ReferralProblem> referralProblem(const Referral& referral)
{
    const QString email = trimSpaces(referral[ReferrerEmail]);
    const QString friendEmail = trimSpaces(referral[FriendEmail]);
    if (friendEmail == email)
        return ReferralProblem{QStringLiteral("Please Enter Distinct Email Addresses"), {}};
    if (!email.contains(u'@') || !friendEmail.contains(u'@') || !email.contains(u'.') || !friendEmail.contains(u'.'))
        return ReferralProblem{QStringLiteral("Please Enter Proper Email Address"), {}};
    for (qsizetype box = 0; box < qsizetype(ReferralFields.size()); ++box) {
        const QString value = trimSpaces(referral[box]);
        if (value.isEmpty() || value == QStringView(ReferralFields[box].placeholder))
            return ReferralProblem{QString::fromUtf16(ReferralFields[box].missing), {}};
    }
    // Judged here, as the request goes, never while the user types: whatever
    // was put in a box stays there as it was put.
    for (qsizetype box = 0; box < qsizetype(ReferralFields.size()); ++box) {
        const int limit = ReferralFields[box].maxLength;
        if (characterCount(trimSpaces(referral[box])) > limit)
            return ReferralProblem{QStringLiteral("Please Enter No More Than %1 Characters").arg(limit),
                                   ReferralBox(box)};
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

void sendReferral(const Referral& referral)
{
    const QString address = referralAddress(referral);
    if (address.size() > MaxAddressLength || !openWebPage(address))
        platform::showMessage(QString::fromUtf16(NotHandedOverMessage), platform::Refusal);
}

}  // namespace links
