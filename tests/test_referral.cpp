// The refer-a-friend request: its checks in order, and an address from which
// the page reads back exactly what the user typed, however hostile.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "forms/frmNagScreen2.h"
#include "links/modTellAFriend.h"
#include "platform/MessageBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QStringDecoder>
#include <QUrl>

namespace {

constexpr int Critical = platform::vbOKOnly + platform::vbCritical;

// Reads a query the way a web form handler does: pairs split on "&", the key
// before the first "=", "+" meaning a space, then percent-decoding as UTF-8.
QList<std::pair<QString, QString>> formFields(const QString& address)
{
    const QUrl url = QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
    EXPECT_TRUE(url.isValid()) << address.toStdString();
    const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    QList<std::pair<QString, QString>> fields;
    for (const QByteArray& pair : query.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        const auto decode = [](QByteArray part) {
            QStringDecoder utf8(QStringDecoder::Utf8,
                                QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
            return QString(utf8.decode(QByteArray::fromPercentEncoding(part.replace('+', ' '))));
        };
        fields.append({decode(pair.left(equals)), decode(pair.mid(equals + 1))});
    }
    return fields;
}

class Referral : public WidgetTest {
protected:
    frmNagScreen2* fill(const QString& name, const QString& email, const QString& friendName,
                        const QString& friendEmail)
    {
        frmNagScreen2* dialog = Forms::NagScreen2();
        dialog->txtName->setText(name);
        dialog->txtEmail->setText(email);
        dialog->txtFriendName->setText(friendName);
        dialog->txtFriendEmail->setText(friendEmail);
        return dialog;
    }
};

}  // namespace

TEST_F(Referral, checksTheAddressesFirstThenEachFieldInOrder)
{
    struct Case { const char* name; const char* email; const char* friendName; const char* friendEmail; const char* message; };
    const Case cases[] = {
        // Same address twice wins over everything else that is wrong.
        {"Your Name", "a@b.c", "Friend's Name", "a@b.c", "Please Enter Distinct Email Addresses"},
        {"", " a@b.c ", "", "a@b.c", "Please Enter Distinct Email Addresses"},
        // Untouched e-mail boxes differ but hold no "@".
        {"Ann", "Your Email Address", "Bob", "Friend's Email Address", "Please Enter Proper Email Address"},
        {"Ann", "ann@example", "Bob", "bob@example.org", "Please Enter Proper Email Address"},
        {"Ann", "ann.example.org", "Bob", "bob@example.org", "Please Enter Proper Email Address"},
        {"Ann", "ann@example.org", "Bob", "bobexample.org", "Please Enter Proper Email Address"},
        {"Your Name", "ann@example.org", "Bob", "bob@example.org", "Please Enter Your Name"},
        {"   ", "ann@example.org", "Bob", "bob@example.org", "Please Enter Your Name"},
        {" Your Name ", "ann@example.org", "", "bob@example.org", "Please Enter Your Name"},
        {"Ann", "ann@example.org", "Friend's Name", "bob@example.org", "Please Enter Your Friend's Name"},
        {"Ann", "ann@example.org", "  ", "bob@example.org", "Please Enter Your Friend's Name"},
        // The same address in another letter case counts as distinct; "@" and "." alone pass.
        {"Ann", "Ann@Example.org", "Bob", "ann@example.org", nullptr},
        {"Ann", "@.", "Bob", ".@", nullptr},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        pages.addresses.clear();
        frmNagScreen2* dialog = fill(QLatin1String(c.name), QLatin1String(c.email), QLatin1String(c.friendName),
                                     QLatin1String(c.friendEmail));
        QTest::mouseClick(dialog->cmdSubmit, Qt::LeftButton);
        if (c.message) {
            EXPECT_EQ(messages.shown, QList<ShownMessage>({{QLatin1String(c.message), Critical}})) << c.email;
            EXPECT_TRUE(pages.addresses.isEmpty()) << c.email;
        } else {
            EXPECT_TRUE(messages.shown.isEmpty()) << c.email;
            EXPECT_EQ(pages.addresses.size(), 1) << c.email;
        }
        EXPECT_EQ(dialog->txtName->text(), QLatin1String(c.name));  // nothing typed is lost
    }
}

TEST_F(Referral, anEmptiedMessageIsRefusedAndTheOthersAreCheckedInTheModule)
{
    frmNagScreen2* dialog = fill(QStringLiteral("Ann"), QStringLiteral("ann@x.org"), QStringLiteral("Bob"),
                                 QStringLiteral("bob@x.org"));
    dialog->show();
    dialog->txtMessage->setFocus(Qt::TabFocusReason);
    dialog->txtMessage->clear();
    dialog->cmdSubmit->setFocus(Qt::TabFocusReason);  // leaving it empty brings the placeholder back
    dialog->cmdSubmit_Click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Message")});

    // The module still checks the e-mail fields the dialog has already checked.
    using namespace modTellAFriend;
    const std::pair<QString*, const char*> fields[] = {
        {&strReferrerEmail, "Please Enter Your Email"}, {&strFriendEmail, "Please Enter Your Friend's Email"}};
    for (const auto& [field, message] : fields) {
        strReferrerName = QStringLiteral("Ann");
        strReferrerEmail = QStringLiteral("a@b.c");
        strReferralMessage = QStringLiteral("Hi");
        strFriendName = QStringLiteral("Bob");
        strFriendEmail = QStringLiteral("b@c.d");
        *field = QStringLiteral("  ");
        messages.shown.clear();
        SubmitReferral();
        EXPECT_EQ(messages.shown, QList<ShownMessage>({{QLatin1String(message), Critical}}));
    }
    EXPECT_TRUE(pages.addresses.isEmpty());
}

TEST_F(Referral, aValidRequestOpensTheAddressWithItsKeysInOrderEachTimeItIsSent)
{
    frmNagScreen2* dialog = fill(QStringLiteral("  Ann Lee "), QStringLiteral("ann@x.org"),
                                 QStringLiteral("Bob"), QStringLiteral("bob@x.org"));
    dialog->cmdSubmit_Click();
    dialog->cmdSubmit_Click();
    const QString expected =
        QStringLiteral("http://www.zentrova.com/ardentis/ssd.php?page=qxms-refer-a-friend&taf1=Ann%20Lee"
                       "&taf2=ann%40x.org&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob%40x.org"
                       "&taf6=http://www.zentrova.com/ardentis/");
    EXPECT_EQ(pages.addresses, QStringList({expected, expected}));
    EXPECT_EQ(modTellAFriend::strReferralURL, expected);
    EXPECT_EQ(modTellAFriend::strReferrerName, QStringLiteral("Ann Lee"));
    EXPECT_EQ(modTellAFriend::strReferralMessage, QStringLiteral("Your Message\r\n"));
    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("  Ann Lee "));

    const auto fields = formFields(expected);
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[0], std::make_pair(QStringLiteral("page"), QStringLiteral("qxms-refer-a-friend")));
    EXPECT_EQ(fields[6], std::make_pair(QStringLiteral("taf6"), QStringLiteral("http://www.zentrova.com/ardentis/")));
}

TEST_F(Referral, thePageReadsBackExactlyWhatWasTypedHoweverHostile)
{
    const QStringList values = {
        QStringLiteral("Tom & Jerry"), QStringLiteral("x&taf6=evil"), QStringLiteral("p#frag"),
        QStringLiteral("1+1=2"),        QStringLiteral("%41"),        QStringLiteral("Zo\u00eb M\u00fcller"),
        QStringLiteral("\u674e\u5c0f\u9f99"), QStringLiteral("line one\r\nline two"), QStringLiteral("a?b/c;d"),
        QStringLiteral("\U0001F600 tab\there"), QStringLiteral("plain"), QStringLiteral("\uFEFF\uFEFFBOM"),
    };
    for (const QString& value : values) {
        const QString email = QStringLiteral("a") + value + QStringLiteral("@b.c");
        const QString address = modTellAFriend::ReferralAddress(value, email, value, value + value, email + value);
        const auto fields = formFields(address);
        ASSERT_EQ(fields.size(), 7) << address.toStdString();
        const QStringList keys = {QStringLiteral("page"), QStringLiteral("taf1"), QStringLiteral("taf2"),
                                  QStringLiteral("taf3"), QStringLiteral("taf4"), QStringLiteral("taf5"),
                                  QStringLiteral("taf6")};
        const QStringList sent = {QStringLiteral("qxms-refer-a-friend"), value, email, value, value + value,
                                  email + value, QStringLiteral("http://www.zentrova.com/ardentis/")};
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(fields[i].first, keys[i]) << address.toStdString();
            EXPECT_EQ(fields[i].second, sent[i]) << address.toStdString();
        }
        // What the browser is handed is that same address, unaltered.
        EXPECT_EQ(QString::fromLatin1(QUrl::fromEncoded(address.toUtf8()).toEncoded()), address);
    }
}

TEST_F(Referral, theFormSendsTypedHostileTextIntact)
{
    frmNagScreen2* dialog = fill(QStringLiteral("Tom & Jerry"), QStringLiteral("t+j@x.org"),
                                 QStringLiteral("x&taf6=evil#"), QStringLiteral("%41@y.org"));
    dialog->cmdSubmit_Click();
    ASSERT_EQ(pages.addresses.size(), 1);
    const auto fields = formFields(pages.addresses.first());
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[1].second, QStringLiteral("Tom & Jerry"));
    EXPECT_EQ(fields[2].second, QStringLiteral("t+j@x.org"));
    EXPECT_EQ(fields[3].second, QStringLiteral("Your Message\r\n"));
    EXPECT_EQ(fields[4].second, QStringLiteral("x&taf6=evil#"));
    EXPECT_EQ(fields[5].second, QStringLiteral("%41@y.org"));
    EXPECT_EQ(fields[6].second, QStringLiteral("http://www.zentrova.com/ardentis/"));
}

TEST(TrimSpaces, removesOnlySpacesAtTheEnds)
{
    EXPECT_EQ(modTellAFriend::TrimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(modTellAFriend::TrimSpaces(QStringLiteral("\ta\r\n ")), QStringLiteral("\ta\r\n"));
    EXPECT_EQ(modTellAFriend::TrimSpaces(QStringLiteral("    ")), QString());
}
