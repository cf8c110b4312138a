// The real message box: caption, icon, buttons and the answer it reports.
#include "platform/MessageBox.h"
#include "windows/MessageBoxDialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QStringList focused;  // what tells a screen reader it has the focus
};

void collectFocused(QAccessibleInterface* node, QStringList& focused)
{
    if (node->state().focused)
        focused.append(QString::fromLatin1(node->object()->metaObject()->className()) + u' '
                       + node->text(QAccessible::Name));
    for (int i = 0; i < node->childCount(); ++i)
        collectFocused(node->child(i), focused);
}

// Shows the box for real and answers it with `press` once it is up.
platform::MessageAnswer showAndPress(const QString& text, platform::MessageStyle style,
                                     QMessageBox::StandardButton press, Seen& seen)
{
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), {}};
        collectFocused(QAccessible::queryAccessibleInterface(box), seen.focused);
        box->button(press)->click();
    });
    return windows::showMessageBoxDialog(text, style);
}

}  // namespace

TEST(RealMessageBox, informationBoxHasTheProgramTitleAndOneOkButton)
{
    Seen seen;
    EXPECT_EQ(showAndPress(QStringLiteral("Please Enter only Letters"), platform::Notice, QMessageBox::Ok, seen),
              platform::MessageAnswer::Ok);
    EXPECT_EQ(seen.title, QStringLiteral("QX Ardentis"));
    EXPECT_EQ(seen.text, QStringLiteral("Please Enter only Letters"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_EQ(seen.focused, QStringList{"QPushButton OK"});
}

TEST(RealMessageBox, criticalBoxShowsTheCriticalIcon)
{
    Seen seen;
    showAndPress(QStringLiteral("Please Enter Proper Email Address"), platform::Refusal, QMessageBox::Ok, seen);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.title, QStringLiteral("QX Ardentis"));
}

TEST(RealMessageBox, aQuestionShowsYesAndNoOnTwoLinesAndReportsTheAnswer)
{
    const QString text = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
    Seen seen;
    EXPECT_EQ(showAndPress(text, platform::Question, QMessageBox::Yes, seen), platform::MessageAnswer::Yes);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.focused, QStringList{"QPushButton Yes"});
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.text, QStringLiteral("There maybe an update to this software available\n"
                                        "Do you want to check for an update?"));
    EXPECT_EQ(showAndPress(text, platform::Question, QMessageBox::No, seen), platform::MessageAnswer::No);
}
