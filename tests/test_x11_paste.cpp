// On X11 a middle click pastes the selection straight into a text box, past
// every key filter. The name box takes none of it; the farewell dialog's boxes,
// which have no filter, do. Runs on a virtual X display (xcb), since the
// offscreen platform has no selection at all.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"

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
    frmMain* main = Forms::Main();
    main->show();
    QTest::keyClicks(main->txtName, QStringLiteral("ab"));
    clipboard->setText(QStringLiteral("x1 y2"), QClipboard::Selection);
    ASSERT_EQ(clipboard->text(QClipboard::Selection).toStdString(), "x1 y2");

    QTest::mouseClick(main->txtName, Qt::MiddleButton);
    EXPECT_EQ(main->txtName->text().toStdString(), "AB");
    EXPECT_TRUE(messages.shown.isEmpty());

    frmNagScreen2* farewell = Forms::NagScreen2();
    farewell->show();
    farewell->txtName->clear();
    QTest::mouseClick(farewell->txtName, Qt::MiddleButton);
    EXPECT_EQ(farewell->txtName->text().toStdString(), "x1 y2");
}
