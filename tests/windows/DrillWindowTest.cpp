// The main window wired to the drill: a whole test by keyboard, the countdown, and refusals.

#include "MainWindowTest.h"
#include "windows/frmAnswer.h"

#include <QElapsedTimer>

// Enter on Start; answers handed in with Enter in the answer box or on ENTER; the feedback
// window read and closed in each way a user may: Enter, Escape (ignored) then Space, and the
// window system, after which the window is unloaded.
TEST_F(MainWindowTest, AWholeDrillByKeyboard)
{
    Tick({"chkAddition", "chk7"});
    Find<QComboBox>("ctlTimed")->setCurrentIndex(6); // 4 Minutes
    window->myTimer.setInterval(3600 * 1000);        // its ticks come from the test
    ScriptedRandom* script = Script({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    Find("btnStart")->setFocus();
    PressKey(window.get(), Qt::Key_Return);
    EXPECT_EQ(script->seeds, 1);
    EXPECT_EQ(Screen(), QStringList({"testing", "0", "0", "100", "A+", "240"}));
    QPointer<QWidget> unloaded;
    for (int first = 0; first < 10; ++first) {
        EXPECT_EQ(Find<QGroupBox>("frmProblem")->title(),
                  QString("Problem %1 of 10").arg(first + 1));
        EXPECT_EQ(window->focusWidget(), Input());
        window->myTimer_Timer();
        QStringList seen;
        WhenModal([&](QWidget* feedback) {
            for (const char* name : {"txtLine4", "txtLine3", "txtLine2", "txtLine1", "txtOp",
                                     "txtAnswer", "txtMessage"})
                seen << feedback->findChild<QLabel*>(name)->text();
            seen << Text("txtCorrect"); // the status changes once the window has closed
            EXPECT_EQ(feedback->focusWidget(), feedback->findChild<QPushButton*>("btnOK"));
            if (first % 3 == 1) {
                PressKey(feedback, Qt::Key_Escape);
                seen << (feedback->isVisible() ? "open" : "closed");
            }
            if (first % 3 == 2)
                (unloaded = feedback)->close();
            else
                PressKey(feedback, first % 3 ? Qt::Key_Space : Qt::Key_Return);
            if (feedback->isVisible()) {
                ADD_FAILURE() << "the feedback window stayed open";
                feedback->hide();
            }
        });
        QTest::keyClicks(Input(), QString::number(first == 4 ? 0 : 7 + first));
        if (first == 3) {
            PressKey(window.get(), Qt::Key_Tab);
            EXPECT_EQ(window->focusWidget(), Find("btnSubmit"));
        }
        PressKey(window.get(), Qt::Key_Return);
        const QString before = first ? QString(" %1").arg(first - (first > 4)) : "0";
        EXPECT_EQ(seen.join("|"), QString("|| 7| %1|+| %2|%3|%4%5")
                                      .arg(first)
                                      .arg(7 + first)
                                      .arg(first == 4 ? "Oops!!!" : "You were right!", before,
                                           first % 3 == 1 ? "|open" : ""));
    }
    EXPECT_EQ(Screen(), QStringList({"idle", " 9", " 1", " 90", "A-", "230"}));
    EXPECT_TRUE(unloaded.isNull()) << "closed through the window system, it is unloaded";
}

// The real timer runs out while the real feedback window waits for the user.
TEST_F(MainWindowTest, TheTimeRunsOutWithTheFeedbackWindowOpen)
{
    Tick({"chkAddition", "chk7"});
    Find<QComboBox>("ctlTimed")->setCurrentIndex(1);
    ScriptedRandom* script = Script({1});
    EXPECT_EQ(Start(), "");
    for (int i = 0; i < 8; ++i)
        window->myTimer_Timer(); // two seconds left for the real timer
    QElapsedTimer clock;
    WhenModal([&](QWidget*) { clock.start(); });
    QTest::keyClicks(Input(), "8");
    QTest::keyClick(Input(), Qt::Key_Return); // returns once the time-out has hidden it
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_FALSE(window->findChild<frmAnswer*>()->isVisible());
    EXPECT_EQ(Screen(), QStringList({"idle", " 1", " 0", " 10", "F", "10"}));
    EXPECT_EQ(script->extra, 0) << "no further problem was drawn";
}

// A refused Start leaves the last test's score; settings changed under the problem frame that
// admit no problem end the test with their reason.
TEST_F(MainWindowTest, RefusalsAreShownAndChangeNothing)
{
    Tick({"chkAddition", "chk7"});
    Find<QComboBox>("ctlTimed")->setCurrentIndex(1);
    Script({1, 2, 3});
    EXPECT_EQ(Start(), "");
    WhenModal([](QWidget* feedback) { PressKey(feedback, Qt::Key_Return); });
    QTest::keyClicks(Input(), "8");
    QTest::keyClick(Input(), Qt::Key_Return);
    for (int i = 0; i < 10; ++i)
        window->myTimer_Timer();
    const QStringList score = {"idle", " 1", " 0", " 10", "F", "10"};
    EXPECT_EQ(Screen(), score);
    Tick({"chkDivision", "chk0"});
    Tick({"chk7"}, false);
    EXPECT_EQ(Start(), "Settings Error: Can not test 0 with Division!");
    EXPECT_EQ(Screen(), score);

    Tick({"chk7"});
    EXPECT_EQ(Start(), "");
    Tick({"chkAddition", "chkDivision"}, false);
    QString prompt;
    WhenModal([&](QWidget* feedback) {
        WhenModal([&](QWidget* box) {
            prompt = box->property("text").toString();
            PressKey(box, Qt::Key_Return);
        });
        PressKey(feedback, Qt::Key_Return);
    });
    QTest::keyClicks(Input(), "10");
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(prompt, "No test type selected!");
    EXPECT_EQ(Screen(), QStringList({"idle", " 1", " 0", " 100", "A+", "10"}));
}
