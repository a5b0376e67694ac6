// The toolkit's dialogs and timers.

#include "support/Modal.h"
#include "toolkit/Dialogs.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

TEST(Toolkit, TimerTicksKeepComingWhileAModalWindowIsOpen)
{
    QWidget owner;
    owner.show();
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    int ticksWhileOpen = 0;
    WhenModal([&](QWidget* box) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 5; }, 2000));
        ticksWhileOpen = ticks;
        PressKey(box, Qt::Key_Return);
    });
    toolkit::MessageBox(&owner, "prompt", "title");
    EXPECT_GE(ticksWhileOpen, 5);
}

TEST(Toolkit, MessageBoxIsAWarningWithOneOk)
{
    QWidget owner;
    owner.show();
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), &owner);
        EXPECT_TRUE(box->isModal());
        EXPECT_EQ(box->text(), "No test type selected!");
        EXPECT_EQ(box->windowTitle(), "Settings Error");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        PressKey(box, Qt::Key_Return);
    });
    toolkit::MessageBox(&owner, "No test type selected!", "Settings Error");
}

TEST(Toolkit, InputBoxReturnsTheTextOrNothingOnCancel)
{
    QWidget owner;
    owner.show();
    WhenModal([](QWidget* modal) {
        QTest::keyClicks(modal->findChild<QLineEdit*>(), "Ada");
        PressKey(modal, Qt::Key_Return);
    });
    EXPECT_EQ(toolkit::InputBox(&owner, "What is your name?", "Personalize Carrowby"), "Ada");
    WhenModal([](QWidget* modal) {
        QTest::keyClicks(modal->findChild<QLineEdit*>(), "Ada");
        PressKey(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(toolkit::InputBox(&owner, "What is your name?", "Personalize Carrowby"), "");
    WhenModal([](QWidget* modal) {
        QTest::keyClicks(modal->findChild<QLineEdit*>(), "abcdef");
        PressKey(modal, Qt::Key_Return);
    });
    EXPECT_EQ(toolkit::InputBox(&owner, "prompt", "title", 4), "abcd");
}
