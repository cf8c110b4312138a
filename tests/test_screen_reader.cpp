// What a screen reader is told as things happen, heard as the accessibility
// bus would pass it on: a list's new choice, a box that takes the focus, the
// offer that comes to the front. Runs on X with an accessibility bus of its
// own (tests/on-accessibility-bus.sh), where Qt's bridge to the bus is up.
#include "TestSupport.h"

#include "shell/ProgramFlow.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/LinkLabel.h"
#include "windows/ResultWindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace {

class ScreenReader : public WidgetTest {};

// What a screen reader is told, as the accessibility bus would pass it on.
struct Told {
    QObject* object;
    QAccessible::Event type;
    QString text;  // the text that came in, for an insertion
};

QList<Told>& toldSoFar()
{
    static QList<Told> told;
    return told;
}

class Listening {
public:
    Listening()
    {
        toldSoFar().clear();
        // The bridge to the accessibility bus comes up once the event loop runs.
        EXPECT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 5000))
            << "no accessibility bus: run with QT_QPA_PLATFORM=xcb and QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 under "
               "dbus-run-session";
        m_previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            const QString inserted = event->type() == QAccessible::TextInserted
                                         ? static_cast<QAccessibleTextInsertEvent*>(event)->textInserted()
                                         : QString();
            toldSoFar().append({event->object(), event->type(), inserted});
        });
    }
    ~Listening() { QAccessible::installUpdateHandler(m_previous); }

    // What the object was told, in order.
    static QList<QAccessible::Event> about(const QObject* object)
    {
        QList<QAccessible::Event> types;
        for (const Told& told : std::as_const(toldSoFar())) {
            if (told.object == object)
                types.append(told.type);
        }
        return types;
    }

private:
    QAccessible::UpdateHandler m_previous;
};

}  // namespace

TEST_F(ScreenReader, theDateListsTellTheirChoiceOnFocusAndAsTheKeyboardChangesIt)
{
    Listening reader;
    EntryWindow* main = shownActive(entryWindow());
    for (const char* name : {"cboDate", "cboMonth", "cboYear"}) {
        auto* list = control<QComboBox>(main, name);
        list->setFocus(Qt::TabFocusReason);
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(list);
        ASSERT_NE(heard->textInterface(), nullptr) << name;  // where a reader reads a list's value
        EXPECT_EQ(heard->textInterface()->text(0, heard->textInterface()->characterCount()), list->itemText(0));
        EXPECT_EQ(heard->text(QAccessible::Value), list->itemText(0));

        toldSoFar().clear();
        QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->currentIndex(), 1);
        // The new choice arrives as text, all of it selected.
        const QList<Told> told = toldSoFar();
        EXPECT_TRUE(std::any_of(told.begin(), told.end(), [&](const Told& t) {
            return t.object == list && t.type == QAccessible::TextInserted && t.text == list->itemText(1);
        })) << name;
        int start = -1;
        int end = -1;
        heard->textInterface()->selection(0, &start, &end);
        EXPECT_EQ(heard->textInterface()->text(start, end), list->itemText(1));
    }
}

TEST_F(ScreenReader, aReferralBoxIsNamedByWhatItAsksForAndHeardFocusedBeforeItEmpties)
{
    FarewellDialog* farewell = shownActive(farewellDialog());
    Listening reader;
    for (const char* name : {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"}) {
        QWidget* box = control<QWidget>(farewell, name);
        const QString asked = box->accessibleName();
        box->setFocus(Qt::TabFocusReason);
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(box);
        EXPECT_EQ(heard->text(QAccessible::Name), asked);
        EXPECT_FALSE(asked.isEmpty());
        // Told of the emptying or a moved cursor before the focus, a reader
        // never names the box.
        const QList<QAccessible::Event> told = Listening::about(box);
        ASSERT_TRUE(told.contains(QAccessible::Focus)) << name;
        for (const QAccessible::Event before : told.first(told.indexOf(QAccessible::Focus))) {
            EXPECT_NE(before, QAccessible::TextRemoved) << name;
            EXPECT_NE(before, QAccessible::TextUpdated) << name;
            EXPECT_NE(before, QAccessible::TextCaretMoved) << name;
        }
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            line->setText(QStringLiteral("someone@example.com"));
            EXPECT_EQ(heard->text(QAccessible::Name), asked);
            EXPECT_EQ(heard->text(QAccessible::Value), line->text());
        }
    }
}

TEST_F(ScreenReader, onlyTheOfferInFrontIsReportedShowing)
{
    scriptRandom({0.0});  // the co-brand offer drawn to the front
    EntryWindow* main = shownActive(entryWindow());
    const auto shows = [main](const char* offer) {
        return !QAccessible::queryAccessibleInterface(control<LinkLabel>(main, offer))->state().invisible;
    };
    EXPECT_TRUE(shows("lblCobrand"));  // laid over the other
    EXPECT_FALSE(shows("lblFullBrand"));

    Listening reader;
    main->bringOfferToFront(EntryWindow::Offer::FullBrand);
    EXPECT_TRUE(shows("lblFullBrand"));
    EXPECT_FALSE(shows("lblCobrand"));
    EXPECT_TRUE(Listening::about(control<LinkLabel>(main, "lblFullBrand")).contains(QAccessible::ObjectShow));
    EXPECT_TRUE(Listening::about(control<LinkLabel>(main, "lblCobrand")).contains(QAccessible::ObjectHide));

    ResultWindow* display = findSignFor("ADA", 10, "December", 1985);
    ASSERT_NE(display, nullptr);
    display->show();
    EXPECT_TRUE(!QAccessible::queryAccessibleInterface(control<LinkLabel>(display, "lblFullBrand"))->state().invisible);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(control<LinkLabel>(display, "lblCobrand"))->state().invisible);
}
