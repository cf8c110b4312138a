// A monkey on the entry window and the farewell dialog: thousands of random key
// presses, pastes and clicks from a fixed seed (ARDENTIS_MONKEY_SEED and
// ARDENTIS_MONKEY_STEPS change them; the seed is printed, so any run can be
// repeated). Whatever it does, the program must not crash, must show no
// message but its own, must open no page but the maker's, must end only with
// status 0, and the name box must hold nothing but capitals and spaces.
#include "TestSupport.h"

#include "links/WebPages.h"
#include "platform/MessageBox.h"
#include "shell/ProgramFlow.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <map>
#include <random>

namespace {

constexpr platform::MessageStyle Info = platform::Notice;
constexpr platform::MessageStyle Critical = platform::Refusal;

// Every message the two windows may show, with the style it is shown in.
const QList<ShownMessage>& ownMessages()
{
    static const QList<ShownMessage> messages = {
        {QStringLiteral("Please Enter only Letters"), Info},
        {QStringLiteral("Please Enter Your Name"), Info},
        {QStringLiteral("Please Enter Your Correct Date of Birth!"), Info},
        {QStringLiteral("Please Enter Your Correct Date of Birth !"), Info},
        {QStringLiteral("Please Enter Correct Date Or Month!"), Info},
        {QStringLiteral("Email Address Cannot Contain Space"), Critical},
        {QStringLiteral("Please Enter Distinct Email Addresses"), Critical},
        {QStringLiteral("Please Enter Proper Email Address"), Critical},
        {QStringLiteral("Please Enter Your Name"), Critical},
        {QStringLiteral("Please Enter Your Email"), Critical},
        {QStringLiteral("Please Enter Your Message"), Critical},
        {QStringLiteral("Please Enter Your Friend's Name"), Critical},
        {QStringLiteral("Please Enter Your Friend's Email"), Critical},
        {QStringLiteral("Please Enter No More Than 64 Characters"), Critical},
        {QStringLiteral("Please Enter No More Than 254 Characters"), Critical},
        {QStringLiteral("Please Enter No More Than 200 Characters"), Critical},
        {QStringLiteral("Your Request Could Not Be Handed To Your Web Browser"), Critical},
    };
    return messages;
}

quint32 fromEnvironment(const char* name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

struct Key {
    Qt::Key code;
    QString text;
};

class Monkey {
public:
    explicit Monkey(quint32 seed) : m_random(seed)
    {
        // The about box is modal: close it as soon as its own event loop runs.
        m_aboutCloser.setInterval(0);
        QObject::connect(&m_aboutCloser, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++counts["about box closed"];
                modal->reject();
            }
        });
        m_aboutCloser.start();
    }

    // One random action on one of the two windows, then the way back to them.
    void step()
    {
        QWidget* window = liveWindow(chance(0.6));
        const int action = pick(100);
        if (action < 55)
            pressKey(window);
        else if (action < 67)
            paste(window);
        else if (action < 94)
            click(window);
        else if (action < 98)
            useMenu(window);
        else
            closeBox(window);
        tidy();
    }

    QString lastActions() const
    {
        QStringList lines;
        for (const QString& line : m_log)
            lines.append(line);
        return lines.join(u'\n');
    }

    std::map<std::string, int> counts;

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    template <class T>
    const T& anyOf(const QList<T>& list)
    {
        return list.at(pick(static_cast<int>(list.size())));
    }

    void note(const QString& what)
    {
        m_log.push_back(what);
        if (m_log.size() > 12)
            m_log.pop_front();
    }

    QWidget* liveWindow(bool main)
    {
        // Once the program has ended, or the entry window has gone, the
        // program is started again.
        if (loadedWindows().isEmpty() || (main && !loaded<EntryWindow>()))
            freshProgram();
        QWidget* window = main ? static_cast<QWidget*>(entryWindow()) : static_cast<QWidget*>(farewellDialog());
        if (!window->isVisible())
            window->show();
        if (QApplication::activeWindow() != window) {
            window->activateWindow();
            // The offscreen platform activates at once; the wait only lets that through.
            [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window, 200);
        }
        return window;
    }

    QString randomText()
    {
        static const QString pool = QStringLiteral(
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789      "
            "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~\t\n\r\u00e9\u00fc\u00df\u00f1\u00c5\u0416\u0436\u4e2d\u6587"
            "\u200f\u200d\u00a0\u0301\ufeff");
        QString text;
        const int length = pick(24);
        for (int i = 0; i < length; ++i) {
            if (chance(0.03))
                text.append(QStringLiteral("\U0001F600"));  // outside the 16-bit range
            else
                text.append(pool.at(pick(static_cast<int>(pool.size()))));
        }
        return text;
    }

    Key randomKey()
    {
        static const QList<Key> special = {
            {Qt::Key_Backspace, QStringLiteral("\b")},
            {Qt::Key_Delete, QStringLiteral("\x7f")},
            {Qt::Key_Return, QStringLiteral("\r")},
            {Qt::Key_Enter, QStringLiteral("\r")},
            {Qt::Key_Tab, QStringLiteral("\t")},
            {Qt::Key_Backtab, QString()},
            {Qt::Key_Escape, QStringLiteral("\x1b")},
            {Qt::Key_Left, QString()},
            {Qt::Key_Right, QString()},
            {Qt::Key_Up, QString()},
            {Qt::Key_Down, QString()},
            {Qt::Key_Home, QString()},
            {Qt::Key_End, QString()},
            {Qt::Key_PageDown, QString()},
            {Qt::Key_Insert, QString()},
            {Qt::Key_F1, QString()},
            {Qt::Key_F4, QString()},
            {Qt::Key_F18, QString()},
            {Qt::Key_Paste, QString()},
            {Qt::Key_Space, QStringLiteral(" ")},
        };
        const int kind = pick(10);
        if (kind < 5) {  // a letter, the most common key in a name box
            const char letter = static_cast<char>('A' + pick(26));
            return {Qt::Key(letter), QString(QLatin1Char(chance(0.7) ? char(letter + 32) : letter))};
        }
        if (kind < 7) {  // digits and punctuation
            const char c = static_cast<char>(0x21 + pick(0x7e - 0x21 + 1));
            const char upper = (c >= 'a' && c <= 'z') ? char(c - 32) : c;
            return {Qt::Key(upper), QString(QLatin1Char(c))};
        }
        if (kind < 8) {  // a character from another alphabet
            static const QString others = QStringLiteral("\u00e9\u00c9\u00df\u00f1\u0416\u4e2d\u00bd\u00a0");
            const QChar c = others.at(pick(static_cast<int>(others.size())));
            return {c.unicode() < 0x100 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c)};
        }
        return anyOf(special);
    }

    Qt::KeyboardModifiers randomModifiers()
    {
        const int n = pick(100);
        if (n < 64)
            return Qt::NoModifier;
        if (n < 80)
            return Qt::ShiftModifier;
        if (n < 88)
            return Qt::ControlModifier;
        if (n < 94)
            return Qt::AltModifier;
        if (n < 97)
            return Qt::ControlModifier | Qt::ShiftModifier;
        return Qt::MetaModifier;
    }

    static QWidget* keyTarget(QWidget* window)
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && focus->window() == window ? focus : window;
    }

    void sendKey(QWidget* window, Key key, Qt::KeyboardModifiers modifiers)
    {
        // What a keyboard types with Ctrl held: the control character.
        if ((modifiers & Qt::ControlModifier) && key.code >= Qt::Key_A && key.code <= Qt::Key_Z)
            key.text = QString(QChar(key.code - Qt::Key_A + 1));
        if ((modifiers & Qt::ShiftModifier) && key.text.size() == 1 && key.text.at(0).isLower())
            key.text = key.text.toUpper();
        QWidget* target = keyTarget(window);
        note(QStringLiteral("key 0x%1 \"%2\" modifiers 0x%3 on %4")
                 .arg(int(key.code), 0, 16)
                 .arg(key.text.toHtmlEscaped())
                 .arg(int(modifiers), 0, 16)
                 .arg(target->objectName()));
        QTest::sendKeyEvent(QTest::Click, target, key.code, key.text, modifiers);
    }

    void pressKey(QWidget* window)
    {
        ++counts["key presses"];
        sendKey(window, randomKey(), randomModifiers());
    }

    void paste(QWidget* window)
    {
        ++counts["pastes"];
        const QString text = randomText();
        QGuiApplication::clipboard()->setText(text);
        if (chance(0.6)) {  // into a text box, clicked first
            const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
            QLineEdit* box = anyOf(boxes);
            QTest::mouseClick(box, Qt::LeftButton);
        }
        note(QStringLiteral("paste \"%1\"").arg(text.toHtmlEscaped()));
        auto* box = qobject_cast<QLineEdit*>(keyTarget(window));
        const QString before = box ? box->text() : QString();
        if (chance(0.6))
            sendKey(window, {Qt::Key_V, QStringLiteral("\x16")}, Qt::ControlModifier);
        else
            sendKey(window, {Qt::Key_Insert, QString()}, Qt::ShiftModifier);
        // Proof that the clipboard works here: the farewell dialog's boxes take it.
        if (box && !text.isEmpty() && box->text() != before && box->text().contains(text))
            ++counts["pastes taken by a farewell box"];
    }

    void click(QWidget* window)
    {
        ++counts["clicks"];
        // Only what can be seen can be clicked.
        QList<QWidget*> visible;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible() && !child->visibleRegion().isEmpty())
                visible.append(child);
        }
        visible.append(window);
        QWidget* target = anyOf(visible);
        const QPoint at(pick(qMax(1, target->width())), pick(qMax(1, target->height())));
        const int b = pick(10);
        const Qt::MouseButton button = b < 8 ? Qt::LeftButton : b < 9 ? Qt::RightButton : Qt::MiddleButton;
        note(QStringLiteral("click %1 at %2,%3 on %4 (%5)")
                 .arg(int(button))
                 .arg(at.x())
                 .arg(at.y())
                 .arg(target->objectName(), QLatin1String(target->metaObject()->className())));
        if (chance(0.1))
            QTest::mouseDClick(target, button, Qt::NoModifier, at);
        else
            QTest::mouseClick(target, button, Qt::NoModifier, at);
    }

    void useMenu(QWidget* window)
    {
        auto* main = qobject_cast<EntryWindow*>(window);
        if (!main) {
            pressKey(window);
            return;
        }
        ++counts["menu items"];
        QList<QAction*> items;
        for (QAction* menu : main->menuBar()->actions()) {
            items.append(menu);
            if (menu->menu())
                items.append(menu->menu()->actions());
        }
        QAction* item = anyOf(items);
        note(QStringLiteral("menu %1").arg(item->objectName()));
        if (item->isEnabled() && !item->isSeparator())
            item->trigger();
    }

    void closeBox(QWidget* window)
    {
        ++counts["close boxes"];
        note(QStringLiteral("close box of %1").arg(window->objectName()));
        window->close();
    }

    // Back to the two windows: whatever popped up is dismissed, and the result
    // window is left by one of its two buttons.
    void tidy()
    {
        for (int i = 0; i < 5 && QApplication::activePopupWidget(); ++i) {
            QWidget* popup = QApplication::activePopupWidget();
            ++counts["popups"];
            if (chance(0.5)) {
                QTest::keyClick(popup, chance(0.5) ? Qt::Key_Down : Qt::Key_Up);
                QTest::keyClick(popup, Qt::Key_Return);
            }
            if (QApplication::activePopupWidget() == popup)
                popup->close();
        }
        if (ResultWindow* display = loaded<ResultWindow>()) {
            ++counts["results shown"];
            QTest::mouseClick(chance(0.5) ? control<QPushButton>(display, "cmdBack")
                                          : control<QPushButton>(display, "cmdExit"),
                              Qt::LeftButton);
        }
        settle();
    }

    std::mt19937 m_random;
    QTimer m_aboutCloser;
    std::deque<QString> m_log;
};

class MonkeyTest : public WidgetTest {};

const QRegularExpression capitalsAndSpaces(QStringLiteral("^[A-Z ]*$"));

}  // namespace

TEST_F(MonkeyTest, randomKeysPastesAndClicksNeverBreakTheEntryWindowOrTheFarewellDialog)
{
    const quint32 seed = fromEnvironment("ARDENTIS_MONKEY_SEED", 20250301);
    const int steps = static_cast<int>(fromEnvironment("ARDENTIS_MONKEY_STEPS", 5000));
    std::printf("monkey: seed %u, %d steps (ARDENTIS_MONKEY_SEED / ARDENTIS_MONKEY_STEPS)\n", seed, steps);
    std::fflush(stdout);

    // The offscreen platform and QTest report thousands of harmless notes
    // (no window raising, keys a widget ignored); keep them off the log.
    static int notes = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            ++notes;
            if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
                ADD_FAILURE() << "Qt reported: " << text.toStdString();
        });
    Monkey monkey(seed);
    qsizetype checkedMessages = 0;
    qsizetype checkedPages = 0;
    const QString pagePrefix = links::pageAddress(QString());
    for (int i = 0; i < steps; ++i) {
        monkey.step();
        const QString context =
            QStringLiteral("seed %1, step %2; last actions:\n%3").arg(seed).arg(i).arg(monkey.lastActions());

        if (const EntryWindow* main = loaded<EntryWindow>()) {
            ASSERT_TRUE(capitalsAndSpaces.match(control<QLineEdit>(main, "txtName")->text()).hasMatch())
                << "name box holds \"" << control<QLineEdit>(main, "txtName")->text().toStdString() << "\"\n"
                << context.toStdString();
        }
        for (; checkedMessages < messages.shown.size(); ++checkedMessages) {
            const ShownMessage& shown = messages.shown.at(checkedMessages);
            ASSERT_TRUE(ownMessages().contains(shown)) << "message \"" << shown.text.toStdString() << "\" style "
                                                       << ::testing::PrintToString(shown.style) << "\n"
                                                       << context.toStdString();
        }
        for (; checkedPages < pages.addresses.size(); ++checkedPages) {
            ASSERT_TRUE(pages.addresses.at(checkedPages).startsWith(pagePrefix))
                << pages.addresses.at(checkedPages).toStdString() << "\n"
                << context.toStdString();
        }
        for (const int status : end.statuses)
            ASSERT_EQ(status, 0) << context.toStdString();
    }

    qInstallMessageHandler(previous);
    monkey.counts["Qt notes"] = notes;
    monkey.counts["messages"] = static_cast<int>(messages.shown.size());
    monkey.counts["pages opened"] = static_cast<int>(pages.addresses.size());
    monkey.counts["program ends"] = static_cast<int>(end.statuses.size());
    for (const auto& [what, count] : monkey.counts)
        std::printf("monkey: %6d %s\n", count, what.c_str());
    // The run reached every part of both windows, not just one corner.
    for (const char* what : {"key presses", "pastes", "pastes taken by a farewell box", "clicks", "results shown",
                             "program ends", "messages", "pages opened", "about box closed"})
        EXPECT_GT(monkey.counts[what], 0) << what;
}
