// On X11 a middle click pastes the selection straight into a text box, past
// every key filter. The name box takes letters and spaces in capitals and
// refuses the rest; the farewell dialog's boxes take it all. Runs on a virtual X display (xcb), since the
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

TEST_F(SelectionPaste, aMiddleClickPastesLettersInCapitalsAndNothingElseIntoTheNameBox)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_TRUE(clipboard->supportsSelection()) << "run this on X11 (QT_QPA_PLATFORM=xcb)";
    EntryWindow* main = entryWindow();
    main->show();
    auto* name = control<QLineEdit>(main, "txtName");
    QTest::keyClicks(name, QStringLiteral("ab"));
    clipboard->setText(QStringLiteral("x1 y2"), QClipboard::Selection);
    ASSERT_EQ(clipboard->text(QClipboard::Selection).toStdString(), "x1 y2");
    QTest::mouseClick(name, Qt::MiddleButton);
    EXPECT_EQ(name->text().toStdString(), "AB");
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter only Letters")});

    clipboard->setText(QStringLiteral("cd e"), QClipboard::Selection);
    QTest::mouseClick(name, Qt::MiddleButton);
    EXPECT_EQ(name->text().toStdString(), "ABCD E");

    FarewellDialog* farewell = farewellDialog();
    farewell->show();
    control<QLineEdit>(farewell, "txtName")->clear();
    QTest::mouseClick(control<QLineEdit>(farewell, "txtName"), Qt::MiddleButton);
    EXPECT_EQ(control<QLineEdit>(farewell, "txtName")->text().toStdString(), "cd e");
}
