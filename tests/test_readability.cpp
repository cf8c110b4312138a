// Every text of the four windows readable against what it is drawn on, in
// the light look and under a dark desktop, also when the desktop turns dark
// while the windows are open; and focus that shows when Tab moves it.
#include "TestSupport.h"

#include "windows/AboutBox.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/LinkLabel.h"
#include "windows/ResultWindow.h"
#include "windows/Style.h"
#include "windows/WindowRegistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <ostream>

// Readable failure messages: one finding a line.
QT_BEGIN_NAMESPACE
static void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << "\n  " << list.join(QStringLiteral("\n  ")).toStdString();
}
QT_END_NAMESPACE

namespace {

// A dark desktop palette, as dark Fusion themes have it.
QPalette darkPalette()
{
    QPalette palette(QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    palette.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

QString nameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// What is behind a widget that draws no face of its own: the nearest
// ancestor that fills its background, or else the window.
QColor colorBehind(const QWidget* widget)
{
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (at->autoFillBackground() || at->isWindow())
            return at->palette().color(at->backgroundRole());
    }
    return {};
}

// One text as drawn: its colour, what is behind it, and the floor it must
// reach. For a label, also the colour drawn at its corner, where no text
// reaches: styles shade a frame's inside a little.
struct DrawnText {
    QString where;
    QColor text;
    QColor behind;
    double floor;
    QColor drawnBehind;
};

double floorFor(const QFont& font)
{
    const bool large = font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14);
    return large ? 3.0 : 4.5;
}

// The texts of the window's controls, each with the colours the style
// draws it in: labels and frame captions on what is behind them, buttons
// and lists on their face, text boxes on their base, menu titles on the bar.
QList<DrawnText> textsOf(QWidget* window)
{
    window->show();
    QApplication::processEvents();
    const QImage shot = window->grab().toImage();
    QList<DrawnText> texts;
    const auto add = [&texts](const QWidget* widget, QPalette::ColorRole text, const QColor& behind,
                              const QString& what) {
        texts.append({nameOf(widget) + QStringLiteral(" ") + what, widget->palette().color(text), behind,
                      floorFor(widget->font()), QColor()});
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : std::as_const(widgets)) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            add(label, label->foregroundRole(), colorBehind(label), label->text().left(20));
            texts.last().drawnBehind = shot.pixelColor(label->mapTo(window, QPoint(0, 0)));
        }
        else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
            add(button, QPalette::ButtonText, button->palette().color(QPalette::Button), button->text());
        else if (auto* frame = qobject_cast<QGroupBox*>(widget); frame && !frame->title().isEmpty())
            add(frame, QPalette::WindowText, colorBehind(frame), frame->title());
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            add(list, QPalette::ButtonText, list->palette().color(QPalette::Button), list->currentText());
        else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget))
            add(widget, QPalette::Text, widget->palette().color(QPalette::Base), QStringLiteral("text"));
        else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* menu : bar->actions()) {
                if (menu->isEnabled())  // a switched-off item is meant to look faint
                    add(bar, QPalette::ButtonText, bar->palette().color(QPalette::Window), menu->text());
            }
        }
    }
    return texts;
}

// The texts under their floor, as "where: ratio".
QStringList unreadable(QWidget* window)
{
    QStringList found;
    const QList<DrawnText> texts = textsOf(window);
    if (texts.size() < 5)
        found.append(QStringLiteral("only %1 texts found in %2").arg(texts.size()).arg(nameOf(window)));
    for (const DrawnText& text : texts) {
        double ratio = style::contrast(text.text, text.behind);
        if (text.drawnBehind.isValid()) {
            ratio = std::min(ratio, style::contrast(text.text, text.drawnBehind));
            // What is drawn behind a label is the colour taken to be behind
            // it, give or take a style's shading.
            if (style::contrast(text.drawnBehind, text.behind) > 1.1)
                found.append(QStringLiteral("%1: %2 drawn behind it, %3 expected")
                                 .arg(text.where, text.drawnBehind.name(), text.behind.name()));
        }
        if (ratio < text.floor)
            found.append(QStringLiteral("%1 (%2 on %3): %4").arg(text.where, text.text.name(), text.behind.name())
                             .arg(ratio, 0, 'f', 2));
    }
    return found;
}

// Every panel (a filled background) of the window, and the window itself:
// on a dark desktop none may stay light.
QStringList lightPanels(QWidget* window)
{
    QStringList found;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (const QWidget* widget : std::as_const(widgets)) {
        if (!widget->isWindow() && !widget->autoFillBackground())
            continue;
        const QColor panel = widget->palette().color(widget->backgroundRole());
        if (style::contrast(panel, Qt::black) > style::contrast(panel, Qt::white))
            found.append(nameOf(widget) + QStringLiteral(" ") + panel.name());
    }
    return found;
}

QList<QWidget*> fourWindows(std::unique_ptr<AboutBox>& about)
{
    ResultWindow* result = windows::resultWindow();
    result->showSign(sign::Sign::Libra);
    about = std::make_unique<AboutBox>();
    return {windows::entryWindow(), result, about.get(), windows::farewellDialog()};
}

// As the desktop changes its palette; windows that were never shown hear
// of it from the event loop.
void setDesktopPalette(const QPalette& palette)
{
    QApplication::setPalette(palette);
    settle();
}

class Readability : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        m_desktop = QApplication::palette();
    }
    void TearDown() override
    {
        setDesktopPalette(m_desktop);
        WidgetTest::TearDown();
    }

    QPalette m_desktop;
};

}  // namespace

TEST(ContrastRatio, matchesTheWcagFigures)
{
    EXPECT_DOUBLE_EQ(style::contrast(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(style::contrast(Qt::white, Qt::white), 1.0);
    EXPECT_NEAR(style::contrast(QColor(0xFF, 0x00, 0x00), Qt::white), 4.00, 0.005);
    EXPECT_NEAR(style::contrast(QColor(0x00, 0x80, 0x00), QColor(0xC0, 0xFF, 0xC0)), 4.48, 0.005);
    EXPECT_NEAR(style::contrast(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.005);
    EXPECT_EQ(style::contrast(Qt::blue, Qt::yellow), style::contrast(Qt::yellow, Qt::blue));
}

TEST_F(Readability, everyTextReadsInTheLightLook)
{
    ASSERT_FALSE(style::desktopIsDark());
    std::unique_ptr<AboutBox> about;
    for (QWidget* window : fourWindows(about)) {
        SCOPED_TRACE(nameOf(window).toStdString());
        EXPECT_EQ(unreadable(window), QStringList());
    }
}

TEST_F(Readability, everyTextReadsAndNoPanelStaysLightUnderADarkDesktop)
{
    setDesktopPalette(darkPalette());
    ASSERT_TRUE(style::desktopIsDark());
    std::unique_ptr<AboutBox> about;
    for (QWidget* window : fourWindows(about)) {
        SCOPED_TRACE(nameOf(window).toStdString());
        EXPECT_EQ(unreadable(window), QStringList());
        EXPECT_EQ(lightPanels(window), QStringList());
    }
}

TEST_F(Readability, openWindowsFollowTheDesktopIntoTheDarkAndBack)
{
    std::unique_ptr<AboutBox> about;
    const QList<QWidget*> windows = fourWindows(about);
    const QColor lightBanner = control<QLabel>(windows[0], "Label61")->palette().color(QPalette::WindowText);

    setDesktopPalette(darkPalette());
    for (QWidget* window : windows) {
        SCOPED_TRACE(nameOf(window).toStdString() + " turned dark");
        EXPECT_EQ(unreadable(window), QStringList());
        EXPECT_EQ(lightPanels(window), QStringList());
    }

    setDesktopPalette(m_desktop);
    for (QWidget* window : windows) {
        SCOPED_TRACE(nameOf(window).toStdString() + " light again");
        EXPECT_EQ(unreadable(window), QStringList());
    }
    // Back in the light look, exactly as designed again.
    EXPECT_EQ(control<QLabel>(windows[0], "Label61")->palette().color(QPalette::WindowText), lightBanner);
    EXPECT_EQ(control<QLabel>(windows[0], "Label61")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(control<QGroupBox>(windows[3], "Frame6")->palette().color(QPalette::Window), QColor(0x00, 0x00, 0x80));
}

TEST_F(Readability, aSwitchedOffMenuItemStillLooksSwitchedOff)
{
    // Fixing the menu bar's text for the enabled items must leave the
    // greyed text of the switched-off one.
    for (const QPalette& desktop : {m_desktop, darkPalette()}) {
        setDesktopPalette(desktop);
        QMenuBar* bar = windows::entryWindow()->menuBar();
        EXPECT_NE(bar->palette().color(QPalette::Disabled, QPalette::ButtonText),
                  bar->palette().color(QPalette::Active, QPalette::ButtonText));
    }
}

namespace {

// The longest run of pixels, two wide, that changed by 3:1 or more from one
// picture to the other: along the rows or down the columns.
int longestChangedBand(const QImage& before, const QImage& after, Qt::Orientation along)
{
    const auto changed = [&](int x, int y) {
        return style::contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3.0;
    };
    const bool rows = along == Qt::Horizontal;
    const int lines = rows ? before.height() : before.width();
    const int length = rows ? before.width() : before.height();
    int longest = 0;
    for (int line = 0; line + 1 < lines; ++line) {
        int run = 0;
        for (int at = 0; at < length; ++at) {
            const bool both = rows ? changed(at, line) && changed(at, line + 1)
                                   : changed(line, at) && changed(line + 1, at);
            run = both ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

// Whether Tab onto the control changed a band 2 pixels wide by 3:1 or more,
// along at least half of one of its sides.
::testing::AssertionResult focusShowsOn(QWidget* control, const QImage& before, const QImage& after)
{
    if (before.size() != after.size() || before.isNull())
        return ::testing::AssertionFailure() << "no pictures to compare";
    const int across = longestChangedBand(before, after, Qt::Horizontal);
    const int down = longestChangedBand(before, after, Qt::Vertical);
    if (across * 2 >= before.width() || down * 2 >= before.height())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << nameOf(control).toStdString() << " changed a band of only " << across
                                         << " px across and " << down << " px down, of " << before.width()
                                         << " x " << before.height();
}

// Tabs through the window's focus chain once round, checking every control
// that Tab lands on.
void expectFocusShowsOnEveryControl(QWidget* window, int expectedStops)
{
    showActive(window);
    QList<QWidget*> visited;
    for (int step = 0; step < expectedStops; ++step) {
        QWidget* from = QApplication::focusWidget();
        ASSERT_NE(from, nullptr);
        QWidget* next = from->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !next->isVisible() || !next->isEnabled())
            next = next->nextInFocusChain();
        const QImage before = next->grab().toImage();
        QTest::keyClick(from, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next) << "Tab from " << nameOf(from).toStdString();
        if (!next->visibleRegion().isEmpty()) {  // a box placed out of sight shows nothing
            EXPECT_TRUE(focusShowsOn(next, before, next->grab().toImage()));
        }
        visited.append(next);
    }
    EXPECT_EQ(visited.size(), expectedStops);
}

}  // namespace

TEST_F(Readability, tabShowsFocusOnEveryControlInTheLightLook)
{
    expectFocusShowsOnEveryControl(windows::entryWindow(), 6);
    windows::entryWindow()->hide();
    expectFocusShowsOnEveryControl(windows::resultWindow(), 2);
    windows::resultWindow()->hide();
    expectFocusShowsOnEveryControl(windows::farewellDialog(), 8);
}

TEST_F(Readability, tabShowsFocusOnEveryControlUnderADarkDesktop)
{
    setDesktopPalette(darkPalette());
    expectFocusShowsOnEveryControl(windows::entryWindow(), 6);
    windows::entryWindow()->hide();
    expectFocusShowsOnEveryControl(windows::resultWindow(), 2);
    windows::resultWindow()->hide();
    expectFocusShowsOnEveryControl(windows::farewellDialog(), 8);
}

TEST_F(Readability, theDefaultButtonAndALinkThatTakesFocusShowIt)
{
    for (const QPalette& desktop : {m_desktop, darkPalette()}) {
        setDesktopPalette(desktop);
        AboutBox about;
        showActive(&about);
        auto* ok = control<QPushButton>(&about, "cmdOK");
        ASSERT_TRUE(ok->isDefault());
        auto* link = control<LinkLabel>(&about, "lblHomePage");
        link->setFocusPolicy(Qt::TabFocus);
        link->setFocus(Qt::TabFocusReason);
        const QImage okBefore = ok->grab().toImage();
        QTest::keyClick(link, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), ok);
        EXPECT_TRUE(focusShowsOn(ok, okBefore, ok->grab().toImage()));

        const QImage linkBefore = link->grab().toImage();
        link->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(focusShowsOn(link, linkBefore, link->grab().toImage()));
    }
}
