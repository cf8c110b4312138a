// Every menu item and link label opens its exact page of the maker's site;
// the about box opens modally from both windows and leaves them as they were.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "forms/LinkLabel.h"
#include "forms/frmAbout.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "links/modHelp.h"

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
void whileAboutIsOpen(const std::function<void(frmAbout*)>& inside, Qt::Key closeKey = Qt::Key_Escape)
{
    QTimer::singleShot(0, [=] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
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
    {"mnuOnline", "help-web-page"}, {"mnuVisit", "home-page"}, {"mnuUpdate", "download-web-page"},
    {"mnuDonate", "donate"},
};
const Item labels[] = {
    {"Label61", "home-page"}, {"lblCobrand", "co-brand"}, {"lblFullBrand", "fully-branded"},
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
        // The offers overlap, so click them through their own signal path.
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
        expected << page(item.key) << page(item.key);
    }
    return expected;
}

}  // namespace

TEST(PageAddresses, areTheSiteHostThePathAndThePageKeyAndNothingElse)
{
    EXPECT_EQ(page("home-page"), QStringLiteral("http://www.zentrova.com/ardentis/ssd.php?page=home-page"));
    EXPECT_EQ(page("quillonsoftwares"),
              QStringLiteral("http://www.zentrova.com/ardentis/ssd.php?page=quillonsoftwares"));
}

TEST_F(Links, eachOpenerOpensItsOwnPageOncePerCall)
{
    const std::pair<void (*)(), const char*> openers[] = {
        {modHelp::OpenHomePage, "home-page"},         {modHelp::OpenOnlineHelpPage, "help-web-page"},
        {modHelp::OpenDownloadPage, "download-web-page"}, {modHelp::OpenDonatePage, "donate"},
        {modHelp::OpenFullBrandPage, "fully-branded"}, {modHelp::OpenCoBrandPage, "co-brand"},
        {modHelp::OpenSoftwaresPage, "quillonsoftwares"},
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
    frmMain* main = Forms::Main();
    main->show();
    const QStringList expected = activateAll(main);
    EXPECT_EQ(pages.addresses, expected);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Links, theResultWindowOpensTheSameAddressesAsTheMainWindow)
{
    frmMain* main = Forms::Main();
    const QStringList fromMain = activateAll(main);
    pages.addresses.clear();

    main->txtName->setText(QStringLiteral("A"));
    main->cmdNext_Click();
    frmDisplay* display = Forms::LoadedDisplay();
    ASSERT_NE(display, nullptr);
    const QStringList fromDisplay = activateAll(display);
    EXPECT_EQ(pages.addresses, fromDisplay);
    EXPECT_EQ(fromDisplay, fromMain);
    EXPECT_TRUE(display->isVisible());
}

TEST_F(Links, makeMoneyOnlineIsSwitchedOffButWouldOpenTheFullBrandOffer)
{
    for (QAction* item : {Forms::Main()->mnuMakeMoneyOnline, Forms::Display()->mnuMakeMoneyOnline}) {
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
    frmMain* main = Forms::Main();
    main->show();
    main->txtName->setText(QStringLiteral("KEEP"));
    main->cboMonth->setCurrentIndex(4);

    bool inspected = false;
    whileAboutIsOpen([&](frmAbout* about) {
        inspected = true;
        EXPECT_TRUE(about->isModal());
        EXPECT_EQ(about->windowTitle(), QStringLiteral("QX Ardentis v1.25"));
        EXPECT_EQ(about->Label2->text(), QStringLiteral("QX Ardentis v1.25"));
        EXPECT_TRUE(about->Label1->text().startsWith(QStringLiteral("QX Ardentis describes the placement of Pallas")));
        EXPECT_EQ(about->Label5->text(), QStringLiteral("Click here for more details"));
        EXPECT_EQ(about->lblHomePage->text(), QStringLiteral("Click here to visit www.zentrova.com"));
        EXPECT_TRUE(QTest::qWaitForWindowActive(about));
        EXPECT_EQ(QApplication::focusWidget(), about->cmdOK);
        EXPECT_TRUE(about->cmdOK->isDefault());
        EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_EQ(about->parentWidget(), main);  // owned by the window below: no task-bar entry
        ASSERT_FALSE(about->picIcon->pixmap().isNull());
        EXPECT_EQ(about->picIcon->size(), QSize(32, 32));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(about->Label5, Qt::LeftButton);
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
        }
        EXPECT_TRUE(about->isVisible());
    });
    main->mnuAbout->trigger();
    EXPECT_TRUE(inspected);
    EXPECT_EQ(pages.addresses, QStringList({page("fully-branded"), page("home-page"), page("fully-branded"),
                                            page("home-page")}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->txtName->text(), QStringLiteral("KEEP"));
    EXPECT_EQ(main->cboMonth->currentIndex(), 4);
}

TEST_F(Links, aboutBoxClosesWithEnterOrEscapeFromEitherWindow)
{
    frmMain* main = Forms::Main();
    main->txtName->setText(QStringLiteral("A"));
    main->cmdNext_Click();
    frmDisplay* display = Forms::LoadedDisplay();
    const QString sign = display->lblWarriorSign->text();

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        int opened = 0;
        whileAboutIsOpen([&](frmAbout*) { ++opened; }, key);
        display->mnuAbout->trigger();
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(Forms::LoadedDisplay(), display);
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(display->lblWarriorSign->text(), sign);
    EXPECT_TRUE(pages.addresses.isEmpty());
}
