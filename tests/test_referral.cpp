// The refer-a-friend request: its checks in order, and an address from which
// the page reads back exactly what the user typed, however hostile.
#include "TestSupport.h"

#include "links/Referral.h"
#include "links/WebPages.h"
#include "platform/MessageBox.h"
#include "shell/ProgramFlow.h"
#include "windows/FarewellDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTest>
#include <QUrl>

namespace {

constexpr platform::MessageStyle Critical = platform::Refusal;

// Where the request says the program came from: the maker's site.
QString siteFolder()
{
    return QStringLiteral("http://") + links::siteAddress() + QStringLiteral("/ardentis/");
}

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

// A key pressed on the control once it has the focus.
void pressOn(QWidget* window, const char* name, Qt::Key key)
{
    QWidget* target = control(window, name);
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, key);
}

class Referral : public WidgetTest {
protected:
    FarewellDialog* fill(const QString& name, const QString& email, const QString& friendName,
                         const QString& friendEmail)
    {
        FarewellDialog* dialog = farewellDialog();
        control<QLineEdit>(dialog, "txtName")->setText(name);
        control<QLineEdit>(dialog, "txtEmail")->setText(email);
        control<QLineEdit>(dialog, "txtFriendName")->setText(friendName);
        control<QLineEdit>(dialog, "txtFriendEmail")->setText(friendEmail);
        return dialog;
    }
};

}  // namespace

TEST_F(Referral, checksTheAddressesFirstThenEachFieldInOrder)
{
    struct Case {
        const char* name;
        const char* email;
        const char* friendName;
        const char* friendEmail;
        const char* message;
    };
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
        FarewellDialog* dialog = fill(QLatin1String(c.name), QLatin1String(c.email), QLatin1String(c.friendName),
                                      QLatin1String(c.friendEmail));
        QTest::mouseClick(control<QPushButton>(dialog, "cmdSubmit"), Qt::LeftButton);
        if (c.message) {
            EXPECT_EQ(messages.shown, QList<ShownMessage>({{QLatin1String(c.message), Critical}})) << c.email;
            EXPECT_TRUE(pages.addresses.isEmpty()) << c.email;
        } else {
            EXPECT_TRUE(messages.shown.isEmpty()) << c.email;
            EXPECT_EQ(pages.addresses.size(), 1) << c.email;
        }
        EXPECT_EQ(control<QLineEdit>(dialog, "txtName")->text(), QLatin1String(c.name));  // nothing typed is lost
    }
}

TEST_F(Referral, anEmptiedMessageIsRefusedAndTheOthersAreCheckedInTheModule)
{
    FarewellDialog* dialog =
        fill(QStringLiteral("Ann"), QStringLiteral("ann@x.org"), QStringLiteral("Bob"), QStringLiteral("bob@x.org"));
    dialog->show();
    control<QPlainTextEdit>(dialog, "txtMessage")->setFocus(Qt::TabFocusReason);
    control<QPlainTextEdit>(dialog, "txtMessage")->clear();
    control<QPushButton>(dialog, "cmdSubmit")
        ->setFocus(Qt::TabFocusReason);  // leaving it empty brings the placeholder back
    control<QPushButton>(dialog, "cmdSubmit")->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Message")});

    EXPECT_TRUE(pages.addresses.isEmpty());
}

TEST_F(Referral, aValidRequestOpensTheAddressWithItsKeysInOrderEachTimeItIsSent)
{
    FarewellDialog* dialog = fill(QStringLiteral("  Ann Lee "), QStringLiteral("ann@x.org"), QStringLiteral("Bob"),
                                  QStringLiteral("bob@x.org"));
    control<QPushButton>(dialog, "cmdSubmit")->click();
    control<QPushButton>(dialog, "cmdSubmit")->click();
    // Sent trimmed, the untouched message as it stands; the box keeps what was typed.
    const QString expected = QStringLiteral("http://") + links::siteAddress()
                             + QStringLiteral("/ardentis/ssd.php?page=qxms-refer-a-friend&taf1=Ann%20Lee"
                                              "&taf2=ann%40x.org&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob%40x.org"
                                              "&taf6=")
                             + siteFolder();
    EXPECT_EQ(pages.addresses, QStringList({expected, expected}));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("  Ann Lee "));

    const auto fields = formFields(expected);
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[0], std::make_pair(QStringLiteral("page"), QStringLiteral("qxms-refer-a-friend")));
    EXPECT_EQ(fields[6], std::make_pair(QStringLiteral("taf6"), siteFolder()));
}

TEST_F(Referral, thePageReadsBackExactlyWhatWasTypedHoweverHostile)
{
    const QStringList values = {
        QStringLiteral("Tom & Jerry"),
        QStringLiteral("x&taf6=evil"),
        QStringLiteral("p#frag"),
        QStringLiteral("1+1=2"),
        QStringLiteral("%41"),
        QStringLiteral("Zo\u00eb M\u00fcller"),
        QStringLiteral("\u674e\u5c0f\u9f99"),
        QStringLiteral("line one\r\nline two"),
        QStringLiteral("a?b/c;d"),
        QStringLiteral("\U0001F600 tab\there"),
        QStringLiteral("plain"),
        QStringLiteral("\uFEFF\uFEFFBOM"),
    };
    for (const QString& value : values) {
        const QString email = QStringLiteral("a") + value + QStringLiteral("@b.c");
        const QString address = links::referralAddress({value, email, value, value + value, email + value});
        const auto fields = formFields(address);
        ASSERT_EQ(fields.size(), 7) << address.toStdString();
        const QStringList keys = {QStringLiteral("page"), QStringLiteral("taf1"), QStringLiteral("taf2"),
                                  QStringLiteral("taf3"), QStringLiteral("taf4"), QStringLiteral("taf5"),
                                  QStringLiteral("taf6")};
        const QStringList sent = {
            QStringLiteral("qxms-refer-a-friend"), value, email, value, value + value, email + value, siteFolder()};
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
    FarewellDialog* dialog = fill(QStringLiteral("Tom & Jerry"), QStringLiteral("t+j@x.org"),
                                  QStringLiteral("x&taf6=evil#"), QStringLiteral("%41@y.org"));
    control<QPushButton>(dialog, "cmdSubmit")->click();
    ASSERT_EQ(pages.addresses.size(), 1);
    const auto fields = formFields(pages.addresses.first());
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[1].second, QStringLiteral("Tom & Jerry"));
    EXPECT_EQ(fields[2].second, QStringLiteral("t+j@x.org"));
    EXPECT_EQ(fields[3].second, QStringLiteral("Your Message\r\n"));
    EXPECT_EQ(fields[4].second, QStringLiteral("x&taf6=evil#"));
    EXPECT_EQ(fields[5].second, QStringLiteral("%41@y.org"));
    EXPECT_EQ(fields[6].second, siteFolder());
}

TEST_F(Referral, eachBoxIsJudgedAtReferAfterTheOtherChecksAndAtItsLimitStillMakesARequestServersAccept)
{
    FarewellDialog* dialog = shownActive(farewellDialog());
    const auto put = [dialog](const char* name, const QString& text) {
        QWidget* box = control<QWidget>(dialog, name);
        QAccessible::queryAccessibleInterface(box)->setText(QAccessible::Value, text);
    };
    const auto refer = [&] {
        messages.shown.clear();
        pages.addresses.clear();
        control<QPushButton>(dialog, "cmdSubmit")->click();
    };
    // One too many in Friend's Name: said, the focus there, nothing sent; the
    // placeholder of an earlier box is said first, and too long an address
    // before the friend's name.
    fill(QStringLiteral("Your Name"), QStringLiteral("ann@x.org"), QString(65, u'f'), QStringLiteral("bob@x.org"));
    refer();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
    put("txtName", QStringLiteral("Ann"));
    put("txtEmail", QStringLiteral("ann@x.org") + QString(246, u'a'));
    refer();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter No More Than 254 Characters")});
    put("txtEmail", QStringLiteral("ann@x.org"));
    refer();
    EXPECT_EQ(messages.shown,
              QList<ShownMessage>({{QStringLiteral("Please Enter No More Than 64 Characters"), Critical}}));
    EXPECT_EQ(QApplication::focusWidget(), control(dialog, "txtFriendName"));
    EXPECT_TRUE(pages.addresses.isEmpty());

    // Sixty-four characters of many code points each, sent whole.
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466");
    put("txtFriendName", family.repeated(64));
    refer();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join(u'|').toStdString();
    ASSERT_EQ(pages.addresses.size(), 1);
    EXPECT_EQ(formFields(pages.addresses.first()).value(4).second, family.repeated(64));

    // Every box at its limit with the widest characters of one code point.
    const QString euros(250, u'\u20ac');
    put("txtName", euros.left(64));
    put("txtEmail", QStringLiteral("a@b.") + euros);
    put("txtMessage", euros.left(200));
    put("txtFriendName", QStringLiteral("  ") + euros.left(64) + QStringLiteral("  "));
    put("txtFriendEmail", QStringLiteral("c@d.") + euros);
    refer();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join(u'|').toStdString();
    ASSERT_EQ(pages.addresses.size(), 1);
    // Common servers refuse request lines over 8 KiB; a program argument may hold 128 KiB.
    EXPECT_LE(pages.addresses.first().toUtf8().size(), 8000);
    const auto fields = formFields(pages.addresses.first());
    ASSERT_EQ(fields.size(), 7);
    EXPECT_EQ(fields[1].second, euros.left(64));
    EXPECT_EQ(fields[3].second, euros.left(200));
    EXPECT_EQ(fields[4].second, euros.left(64));
    EXPECT_EQ(fields[5].second, QStringLiteral("c@d.") + euros);
}

TEST(TrimSpaces, removesOnlySpacesAtTheEnds)
{
    EXPECT_EQ(links::trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(links::trimSpaces(QStringLiteral("\ta\r\n ")), QStringLiteral("\ta\r\n"));
    EXPECT_EQ(links::trimSpaces(QStringLiteral("    ")), QString());
}

TEST_F(Referral, aRequestThatCannotBeHandedToTheBrowserSaysSoAndTheLinksStaySilent)
{
    const QList<ShownMessage> told = {
        {QStringLiteral("Your Request Could Not Be Handed To Your Web Browser"), Critical}};
    // Too long for any browser launcher or server.
    links::Referral referral{QStringLiteral("Ann"), QStringLiteral("a@b.c"), QString(140000, u'm'),
                             QStringLiteral("Bob"), QStringLiteral("b@c.d")};
    links::sendReferral(referral);
    EXPECT_EQ(messages.shown, told);
    EXPECT_TRUE(pages.addresses.isEmpty());

    // Nothing to hand it to.
    messages.shown.clear();
    referral[links::Message] = QStringLiteral("Hi");
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    links::sendReferral(referral);
    links::openHomePage();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &pages, "open");
    EXPECT_EQ(messages.shown, told);
}

TEST_F(Referral, enterInABoxSendsNothingAndOnAButtonPressesThatButton)
{
    // With the placeholders still there, and then filled in.
    FarewellDialog* dialog = shownActive(farewellDialog());
    for (int filled = 0; filled < 2; ++filled) {
        if (filled)
            fill(QStringLiteral("Ann"), QStringLiteral("ann@x.org"), QStringLiteral("Bob"),
                 QStringLiteral("bob@x.org"));
        for (const char* box : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"}) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
                pressOn(dialog, box, key);
        }
    }
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(pages.addresses.isEmpty());
    pressOn(dialog, "Check1", Qt::Key_Return);
    EXPECT_EQ(pages.addresses, QStringList{page("home-page")});
    pressOn(dialog, "cmdSubmit", Qt::Key_Enter);
    ASSERT_EQ(pages.addresses.size(), 2);
    EXPECT_TRUE(pages.addresses[1].contains(QStringLiteral("qxms-refer-a-friend")));
    EXPECT_TRUE(end.statuses.isEmpty());
}
