// The time limit and its countdown.

#include "MainWindowFixture.h"

#include <QElapsedTimer>

namespace {

void TickTimes(frmMain& window, int times)
{
    for (int i = 0; i < times; ++i)
        window.myTimer_Timer();
}

} // namespace

TEST_F(MainWindowTest, ChoosingALimitShowsItAtOnce)
{
    const char* captions[] = {"Unlimited", "10", "30", "60", "120", "180", "240"};
    for (int i = 0; i < 7; ++i) {
        List("ctlTimed")->setCurrentIndex(i);
        EXPECT_EQ(Text("txtTimeRemaining"), captions[i]);
    }
    List("ctlTimed")->setCurrentIndex(-1);
    EXPECT_EQ(Text("txtTimeRemaining"), "Unlimited");
}

TEST_F(MainWindowTest, ATimedTestCountsDownAndEndsAtZero)
{
    Tick({"chkAddition", "chk7"});
    List("ctlTimed")->setCurrentIndex(2); // 30 Seconds
    EXPECT_EQ(Start(), "");
    EXPECT_EQ(Text("txtTimeRemaining"), "30");
    TickTimes(*window, 29);
    EXPECT_EQ(Text("txtTimeRemaining"), "1");
    EXPECT_TRUE(Testing());
    window->myTimer_Timer();
    EXPECT_FALSE(Testing());
    EXPECT_TRUE(Find("btnStart")->isEnabled());
    EXPECT_FALSE(window->myTimer.isActive());
    EXPECT_EQ(Text("txtTimeRemaining"), "30") << "the limit again";
    EXPECT_EQ(window->State().ProblemNumber, 10);
    EXPECT_EQ(Text("txtPercentage"), " 0") << "no right answer: no division";
    EXPECT_EQ(Text("txtGrade"), "F");
    EXPECT_EQ(Text("txtIncorrect"), " 0") << "unanswered problems are not wrong answers";
}

TEST_F(MainWindowTest, UnansweredProblemsCountAgainstThePercentage)
{
    Tick({"chkAddition", "chk7"});
    List("ctlTimed")->setCurrentIndex(1);
    ScriptedRandom* script = Script();
    for (int i = 0; i < 6; ++i)
        AddEasy(script, 1, 7, 1);
    EXPECT_EQ(Start(), "");
    for (const char* typed : {"8", "8", "0", "8", "0"})
        Submit(typed);
    TickTimes(*window, 10);
    EXPECT_EQ(Text("txtCorrect"), " 3");
    EXPECT_EQ(Text("txtIncorrect"), " 2");
    EXPECT_EQ(Text("txtPercentage"), " 30");
    EXPECT_EQ(Text("txtGrade"), "F");
}

TEST_F(MainWindowTest, UnlimitedNeverCountsDown)
{
    Tick({"chkAddition", "chk7"});
    EXPECT_EQ(Start(), "");
    EXPECT_TRUE(window->myTimer.isActive()) << "it ticks during every test";
    TickTimes(*window, 500);
    EXPECT_EQ(Text("txtTimeRemaining"), "Unlimited");
    EXPECT_TRUE(Testing());
}

TEST_F(MainWindowTest, ALimitChosenDuringATestCountsFromThere)
{
    Tick({"chkAddition", "chk7"});
    EXPECT_EQ(Start(), "");
    List("ctlTimed")->setCurrentIndex(1);
    TickTimes(*window, 3);
    EXPECT_EQ(Text("txtTimeRemaining"), "7");
    List("ctlTimed")->setCurrentIndex(0);
    TickTimes(*window, 3);
    EXPECT_EQ(Text("txtTimeRemaining"), "Unlimited");
    EXPECT_TRUE(Testing());
}

// The real timer, while the real feedback window waits for the user.
TEST_F(MainWindowTest, TimeRunningOutClosesTheOpenFeedbackWindow)
{
    Tick({"chkAddition", "chk7"});
    List("ctlTimed")->setCurrentIndex(1);
    ScriptedRandom* script = Script();
    AddEasy(script, 1, 7, 1);
    EXPECT_EQ(Start(), "");
    TickTimes(*window, 8); // two seconds left for the real timer
    QElapsedTimer clock;
    bool shown = false;
    WhenModal([&](QWidget* feedback) {
        shown = feedback->isVisible();
        clock.start();
    });
    QTest::keyClicks(Input(), "8");
    QTest::keyClick(Input(), Qt::Key_Return); // returns once the time-out has hidden it
    EXPECT_TRUE(shown);
    EXPECT_GE(clock.elapsed(), 900);
    ASSERT_NE(window->AnswerWindow(), nullptr);
    EXPECT_FALSE(window->AnswerWindow()->isVisible());
    EXPECT_EQ(Text("txtCorrect"), " 1") << "the answer it showed is counted";
    EXPECT_EQ(Text("txtPercentage"), " 10");
    EXPECT_FALSE(Testing());
    EXPECT_TRUE(Find("btnStart")->isEnabled());
    EXPECT_FALSE(window->myTimer.isActive());
    EXPECT_EQ(Text("txtTimeRemaining"), "10");
    EXPECT_EQ(window->State().ProblemNumber, 10) << "no further problem was drawn";
    EXPECT_EQ(script->extra, 0);
}
