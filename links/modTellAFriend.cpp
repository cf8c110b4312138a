#include "links/modTellAFriend.h"

#include "links/modHelp.h"
#include "platform/MessageBox.h"

#include <QUrl>

namespace modTellAFriend {

QString strReferrerName;
QString strReferrerEmail;
QString strReferralMessage;
QString strFriendName;
QString strFriendEmail;
QString strReferralURL;

QString TrimSpaces(const QString& text)
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

QString ReferralAddress(const QString& referrerName, const QString& referrerEmail, const QString& message,
                        const QString& friendName, const QString& friendEmail)
{
    return modHelp::PageAddress(QStringLiteral("qxms-refer-a-friend"))
           + QStringLiteral("&taf1=") + encoded(referrerName)
           + QStringLiteral("&taf2=") + encoded(referrerEmail)
           + QStringLiteral("&taf3=") + encoded(message)
           + QStringLiteral("&taf4=") + encoded(friendName)
           + QStringLiteral("&taf5=") + encoded(friendEmail)
           + QStringLiteral("&taf6=http://") + modHelp::SiteHost() + QStringLiteral("/ardentis/");
}

void SubmitReferral()
{
    struct Field {
        const QString& value;
        const char16_t* placeholder;
        const char16_t* message;
    };
    const Field fields[] = {
        {strReferrerName, u"Your Name", u"Please Enter Your Name"},
        {strReferrerEmail, u"Your Email Address", u"Please Enter Your Email"},
        {strReferralMessage, u"Your Message", u"Please Enter Your Message"},
        {strFriendName, u"Friend's Name", u"Please Enter Your Friend's Name"},
        {strFriendEmail, u"Friend's Email Address", u"Please Enter Your Friend's Email"},
    };
    for (const Field& field : fields) {
        const QString value = TrimSpaces(field.value);
        if (value.isEmpty() || value == QStringView(field.placeholder)) {
            platform::MsgBox(QString::fromUtf16(field.message), platform::vbOKOnly + platform::vbCritical);
            return;
        }
    }
    strReferralURL = ReferralAddress(strReferrerName, strReferrerEmail, strReferralMessage, strFriendName,
                                     strFriendEmail);
    OpenReferralPage();
}

void OpenReferralPage()
{
    modHelp::OpenWebPage(strReferralURL);
}

}  // namespace modTellAFriend
