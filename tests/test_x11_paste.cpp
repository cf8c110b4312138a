// On X11 a middle click pastes the selection straight into a text box, past
// every key filter. The name box takes none of it; the farewell dialog's boxes,
// which have no filter, do. Runs on a virtual X display (xcb), since the
// offscreen platform has no selection at all.
#include "TestSupport.h"

#include "shell/ProgramFlow.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace {
class SelectionPaste : public WidgetTest {};
}  // namespace

TEST_F(SelectionPaste, aMiddleClickPastesNothingIntoTheNameBox)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_TRUE(clipboard->supportsSelection()) << "run this on X11 (QT_QPA_PLATFORM=xcb)";
    EntryWindow* main = entryWindow();
    main->show();
    QTest::keyClicks(control<QLineEdit>(main, "txtName"), QStringLiteral("ab"));
    clipboard->setText(QStringLiteral("x1 y2"), QClipboard::Selection);
    ASSERT_EQ(clipboard->text(QClipboard::Selection).toStdString(), "x1 y2");

    QTest::mouseClick(control<QLineEdit>(main, "txtName"), Qt::MiddleButton);
    EXPECT_EQ(control<QLineEdit>(main, "txtName")->text().toStdString(), "AB");
    EXPECT_TRUE(messages.shown.isEmpty());

    FarewellDialog* farewell = farewellDialog();
    farewell->show();
    control<QLineEdit>(farewell, "txtName")->clear();
    QTest::mouseClick(control<QLineEdit>(farewell, "txtName"), Qt::MiddleButton);
    EXPECT_EQ(control<QLineEdit>(farewell, "txtName")->text().toStdString(), "x1 y2");
}
