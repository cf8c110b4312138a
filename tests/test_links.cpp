// Every menu item and link label opens its exact page of the maker's site;
// the about box opens modally from both windows and leaves them as they were.
#include "TestSupport.h"

#include "links/WebPages.h"
#include "platform/ProgramInfo.h"
#include "shell/ProgramFlow.h"
#include "windows/AboutBox.h"
#include "windows/EntryWindow.h"
#include "windows/LinkLabel.h"
#include "windows/OfferFrame.h"
#include "windows/ResultWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class Links : public WidgetTest {};

// Runs `inside` once the modal about box is up, then closes it with `closeKey`.
void whileAboutIsOpen(const std::function<void(AboutBox*)>& inside, Qt::Key closeKey = Qt::Key_Escape)
{
    QTimer::singleShot(0, [=] {
        auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        inside(about);
        QTest::keyClick(about, closeKey);
    });
}

struct Item {
    const char* name;
    const char* key;
};

// The same items in both windows open the same pages.
const Item menuItems[] = {
    {"mnuOnline", "help-web-page"},
    {"mnuVisit", "home-page"},
    {"mnuUpdate", "download-web-page"},
    {"mnuDonate", "donate"},
};
const Item labels[] = {
    {"Label61", "home-page"},
    {"lblCobrand", "co-brand"},
    {"lblFullBrand", "fully-branded"},
};

QStringList activateAll(QWidget* window)
{
    QStringList expected;
    for (const Item& item : menuItems) {
        auto* action = window->findChild<QAction*>(QLatin1String(item.name));
        EXPECT_NE(action, nullptr) << item.name;
        if (!action)
            continue;
        action->trigger();
        action->trigger();
        expected << page(item.key) << page(item.key);
    }
    for (const Item& item : labels) {
        auto* label = window->findChild<LinkLabel*>(QLatin1String(item.name));
        EXPECT_NE(label, nullptr) << item.name;
        if (!label)
            continue;
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << item.name;
        // Of the two offers only the one in front can be followed.
        if (auto* offers = window->findChild<windows::OfferFrame*>(); offers && QByteArrayView(item.name) != "Label61")
            offers->bringToFront(QByteArrayView(item.name) == "lblCobrand" ? windows::OfferFrame::Offer::CoBrand
                                                                           : windows::OfferFrame::Offer::FullBrand);
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
        pressAsReader(label);
        expected << page(item.key) << page(item.key) << page(item.key);
    }
    return expected;
}

}  // namespace

TEST(PageAddresses, areTheSiteHostThePathAndThePageKeyAndNothingElse)
{
    EXPECT_EQ(page("home-page"), QStringLiteral("http://") + QLatin1String(program::SiteHost)
                                     + QStringLiteral("/ardentis/ssd.php?page=home-page"));
    EXPECT_EQ(page("quillonsoftwares"), QStringLiteral("http://") + QLatin1String(program::SiteHost)
                                            + QStringLiteral("/ardentis/ssd.php?page=quillonsoftwares"));
}

TEST_F(Links, eachOpenerOpensItsOwnPageOncePerCall)
{
    const std::pair<void (*)(), const char*> openers[] = {
        {links::openHomePage, "home-page"},
        {links::openOnlineHelpPage, "help-web-page"},
        {links::openDownloadPage, "download-web-page"},
        {links::openDonatePage, "donate"},
        {links::openFullBrandPage, "fully-branded"},
        {links::openCoBrandPage, "co-brand"},
        {links::openSoftwaresPage, "quillonsoftwares"},
    };
    QStringList expected;
    for (const auto& [open, key] : openers) {
        open();
        expected << page(key);
    }
    EXPECT_EQ(pages.addresses, expected);
}

TEST_F(Links, everyItemAndLabelOfTheMainWindowOpensItsPageEachTimeItIsUsed)
{
    EntryWindow* main = entryWindow();
    main->show();
    const QStringList expected = activateAll(main);
    EXPECT_EQ(pages.addresses, expected);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Links, theResultWindowOpensTheSameAddressesAsTheMainWindow)
{
    EntryWindow* main = entryWindow();
    const QStringList fromMain = activateAll(main);
    pages.addresses.clear();

    main->show();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    ResultWindow* display = loaded<ResultWindow>();
    ASSERT_NE(display, nullptr);
    const QStringList fromDisplay = activateAll(display);
    EXPECT_EQ(pages.addresses, fromDisplay);
    EXPECT_EQ(fromDisplay, fromMain);
    EXPECT_TRUE(display->isVisible());
}

TEST_F(Links, makeMoneyOnlineIsSwitchedOffButWouldOpenTheFullBrandOffer)
{
    for (QAction* item : {control<QAction>(entryWindow(), "mnuMakeMoneyOnline"),
                          control<QAction>(findSignFor("A", 1, "January", 1930), "mnuMakeMoneyOnline")}) {
        EXPECT_FALSE(item->isEnabled());
        item->trigger();  // a switched-off item does nothing
        EXPECT_TRUE(pages.addresses.isEmpty());
        item->setEnabled(true);
        item->trigger();
        EXPECT_EQ(pages.addresses, QStringList{page("fully-branded")});
        pages.addresses.clear();
    }
}

TEST_F(Links, aboutBoxOpensModallyShowsItsTextsAndItsLinksKeepItOpen)
{
    EntryWindow* main = entryWindow();
    main->show();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("KEEP"));
    control<QComboBox>(main, "cboMonth")->setCurrentIndex(4);

    bool inspected = false;
    whileAboutIsOpen([&](AboutBox* about) {
        inspected = true;
        EXPECT_TRUE(about->isModal());
        EXPECT_EQ(about->windowTitle(), QLatin1String(program::WindowCaption));
        EXPECT_EQ(control<QLabel>(about, "Label2")->text(), QLatin1String(program::WindowCaption));
        EXPECT_TRUE(control<QLabel>(about, "Label1")
                        ->text()
                        .startsWith(QStringLiteral("QX Ardentis describes the placement of Pallas")));
        EXPECT_EQ(control<QLabel>(about, "Label5")->text(), QStringLiteral("Click here for more details"));
        EXPECT_EQ(control<LinkLabel>(about, "lblHomePage")->text(),
                  QStringLiteral("Click here to visit ") + QLatin1String(program::SiteHost));
        EXPECT_TRUE(QTest::qWaitForWindowActive(about));
        EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(about, "cmdOK"));
        EXPECT_TRUE(control<QPushButton>(about, "cmdOK")->isDefault());
        EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_EQ(about->parentWidget(), main);  // owned by the window below: no task-bar entry
        ASSERT_FALSE(control<QLabel>(about, "picIcon")->pixmap().isNull());
        EXPECT_EQ(control<QLabel>(about, "picIcon")->size(), QSize(32, 32));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(control<QLabel>(about, "Label5"), Qt::LeftButton);
            QTest::mouseClick(control<LinkLabel>(about, "lblHomePage"), Qt::LeftButton);
        }
        pressAsReader(control<LinkLabel>(about, "Label5"));
        pressAsReader(control<LinkLabel>(about, "lblHomePage"));
        EXPECT_TRUE(about->isVisible());
    });
    control<QAction>(main, "mnuAbout")->trigger();
    EXPECT_TRUE(inspected);
    EXPECT_EQ(pages.addresses, QStringList({page("fully-branded"), page("home-page"), page("fully-branded"),
                                            page("home-page"), page("fully-branded"), page("home-page")}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(control<QLineEdit>(main, "txtName")->text(), QStringLiteral("KEEP"));
    EXPECT_EQ(control<QComboBox>(main, "cboMonth")->currentIndex(), 4);
}

TEST_F(Links, aboutBoxClosesWithEnterOrEscapeFromEitherWindow)
{
    ResultWindow* display = findSignFor("A", 1, "January", 1930);
    const QString sign = control<QLabel>(display, "lblWarriorSign")->text();

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        int opened = 0;
        whileAboutIsOpen([&](AboutBox*) { ++opened; }, key);
        control<QAction>(display, "mnuAbout")->trigger();
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(loaded<ResultWindow>(), display);
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(control<QLabel>(display, "lblWarriorSign")->text(), sign);
    EXPECT_TRUE(pages.addresses.isEmpty());
}
