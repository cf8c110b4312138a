// Every text of the four windows readable against what is drawn behind it,
// in the light look, under a dark desktop and when the desktop turns dark
// while they are open; and focus that shows when Tab moves it.
#include "TestSupport.h"

#include "shell/ProgramFlow.h"
#include "windows/AboutBox.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"
#include "windows/Style.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <ostream>

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
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    palette.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

// As the desktop does; windows never shown hear of it from the event loop.
void setDesktopPalette(const QPalette& palette)
{
    QApplication::setPalette(palette);
    settle();
}

QString nameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className()) : widget->objectName();
}

// The panel behind a widget that draws no face: the nearest one filled.
QColor panelBehind(const QWidget* widget)
{
    while (!widget->autoFillBackground() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget->palette().color(widget->backgroundRole());
}

// The face a style drew for a button or list, from its pixels: a line down
// its left side, inside the frame and the focus ring and short of the text.
QList<QColor> drawnFace(const QImage& shot, const QWidget* control, const QWidget* window)
{
    const QPoint corner = control->mapTo(window, QPoint(0, 0));
    QList<QColor> face;
    for (int y = 3; y < control->height() - 3; ++y)
        face.append(shot.pixelColor(corner + QPoint(3, y)));
    return face;
}

// Each visible text under its floor, in the colours the style draws it in
// (a label also against the pixel drawn at its corner, where no text
// reaches; a button or list against the face drawn), and on a dark desktop
// each panel left light.
QStringList faults(QWidget* window)
{
    window->show();
    QApplication::processEvents();
    const QImage shot = window->grab().toImage();
    QStringList found;
    int texts = 0;
    const auto check = [&](const QWidget* widget, QPalette::ColorRole role, const QColor& behind) {
        ++texts;
        const QColor ink = widget->palette().color(role);
        const QFont font = widget->font();
        const bool large = font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14);
        const double ratio = style::contrast(ink, behind);
        if (ratio < (large ? 3.0 : 4.5))
            found.append(QStringLiteral("%1: %2 on %3, %4").arg(nameOf(widget), ink.name(), behind.name()).arg(ratio));
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : std::as_const(widgets)) {
        if (!widget->isVisibleTo(window) && widget != window)
            continue;
        const QColor panel = widget->palette().color(widget->backgroundRole());
        if ((widget->isWindow() || widget->autoFillBackground()) && style::desktopIsDark()
            && style::contrast(panel, Qt::black) > style::contrast(panel, Qt::white))
            found.append(QStringLiteral("%1: light panel %2").arg(nameOf(widget), panel.name()));
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            check(label, QPalette::WindowText, panelBehind(label));
            check(label, QPalette::WindowText, shot.pixelColor(label->mapTo(window, QPoint(0, 0))));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty()) {
            for (const QColor& face : drawnFace(shot, button, window))
                check(button, QPalette::ButtonText, face);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget); frame && !frame->title().isEmpty()) {
            check(frame, QPalette::WindowText, panelBehind(frame));
        } else if (qobject_cast<QComboBox*>(widget)) {
            for (const QColor& face : drawnFace(shot, widget, window))
                check(widget, QPalette::ButtonText, face);
        } else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
            check(widget, QPalette::Text, widget->palette().color(QPalette::Base));
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* menu : bar->actions()) {
                if (menu->isEnabled())  // the switched-off item is meant to look faint
                    check(bar, QPalette::ButtonText, bar->palette().color(QPalette::Window));
            }
        }
    }
    found.removeDuplicates();
    if (texts < 5)
        found.append(QStringLiteral("only %1 texts in %2").arg(texts).arg(nameOf(window)));
    return found;
}

class Readability : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        m_light = QApplication::palette();
    }
    void TearDown() override
    {
        setDesktopPalette(m_light);
        WidgetTest::TearDown();
    }

    QList<QWidget*> fourWindows()
    {
        m_about.reset();  // a modal box open would keep the find from being made
        ResultWindow* result = findSignFor("A", 15, "September", 1931);  // Libra
        m_about = std::make_unique<AboutBox>();
        return {loaded<EntryWindow>(), result, m_about.get(), loaded<FarewellDialog>()};
    }

    QPalette m_light;
    std::unique_ptr<AboutBox> m_about;
};

}  // namespace

TEST_F(Readability, everyTextReadsInTheLightLookAndUnderADarkDesktop)
{
    // The measure itself, against the WCAG figures.
    EXPECT_DOUBLE_EQ(style::contrast(Qt::black, Qt::white), 21.0);
    EXPECT_NEAR(style::contrast(QColor(0xFF, 0x00, 0x00), Qt::white), 4.00, 0.005);
    EXPECT_NEAR(style::contrast(QColor(0xC0, 0xFF, 0xC0), QColor(0x00, 0x80, 0x00)), 4.48, 0.005);

    for (const bool dark : {false, true}) {
        setDesktopPalette(dark ? darkPalette() : m_light);
        for (QWidget* window : fourWindows())
            EXPECT_EQ(faults(window), QStringList()) << (style::desktopIsDark() ? "dark" : "light");
        freshProgram();
        settle();
    }
}

TEST_F(Readability, openWindowsFollowTheDesktopIntoTheDarkAndBack)
{
    const QList<QWidget*> windows = fourWindows();
    QMenuBar* bar = windows[0]->findChild<QMenuBar*>();
    setDesktopPalette(darkPalette());
    ASSERT_TRUE(style::desktopIsDark());
    for (QWidget* window : windows)
        EXPECT_EQ(faults(window), QStringList()) << "turned dark";
    EXPECT_NE(bar->palette().color(QPalette::Disabled, QPalette::ButtonText),
              bar->palette().color(QPalette::Active, QPalette::ButtonText));

    setDesktopPalette(m_light);
    for (QWidget* window : windows)
        EXPECT_EQ(faults(window), QStringList()) << "light again";
    auto* banner = control<QLabel>(windows[0], "Label61");
    EXPECT_EQ(banner->palette().color(QPalette::WindowText), QColor(0xD0, 0x00, 0x00));
    EXPECT_EQ(banner->palette().color(QPalette::Window), QColor(Qt::white));
}

namespace {

// The longest run of pixels, two wide, changed by 3:1 or more: along the
// rows when across, else down the columns.
int longestChangedBand(const QImage& before, const QImage& after, bool across)
{
    const auto changed = [&](int x, int y) {
        return style::contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3.0;
    };
    const int lines = across ? before.height() : before.width();
    const int length = across ? before.width() : before.height();
    int longest = 0;
    for (int line = 0; line + 1 < lines; ++line) {
        for (int at = 0, run = 0; at < length; ++at) {
            const bool both =
                across ? changed(at, line) && changed(at, line + 1) : changed(line, at) && changed(line + 1, at);
            run = both ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

// Tabs once round the window: each control Tab lands on must change a band
// 2 pixels wide, along at least half of one side, by 3:1 or more.
void expectTabToShowFocus(QWidget* window, int stops)
{
    showActive(window);
    for (int stop = 0; stop < stops; ++stop) {
        QWidget* from = QApplication::focusWidget();
        ASSERT_NE(from, nullptr);
        QWidget* next = from->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !next->isVisible())
            next = next->nextInFocusChain();
        const QImage before = next->grab().toImage();
        QTest::keyClick(from, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), next);
        if (next->visibleRegion().isEmpty())
            continue;  // the message box lies out of sight
        const QImage after = next->grab().toImage();
        const int across = longestChangedBand(before, after, true);
        const int down = longestChangedBand(before, after, false);
        EXPECT_TRUE(across * 2 >= after.width() || down * 2 >= after.height())
            << nameOf(next).toStdString() << ": a band of " << across << " px across, " << down << " px down";
    }
    window->hide();
}

}  // namespace

TEST_F(Readability, tabShowsFocusOnEveryControlTheDefaultButtonsIncluded)
{
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        setDesktopPalette(dark ? darkPalette() : m_light);
        expectTabToShowFocus(entryWindow(), 6);
        expectTabToShowFocus(findSignFor("A", 1, "January", 1930), 2);
        expectTabToShowFocus(loaded<FarewellDialog>(), 8);
    }
}
