// A test from Start to its end: problems, answers, the feedback window and the status.

#include "MainWindowFixture.h"

#include <QFontMetrics>

TEST_F(MainWindowTest, ProblemsAreWrittenAsInAnExerciseBook)
{
    struct Case
    {
        int difficulty;
        std::initializer_list<double> draws;
        const char* lines[5]; // txtLine4, txtLine3, txtLine2, txtLine1, txtOp
    };
    const Case cases[] = {
        {0, {Op(2), Operand(9, 1), Operand(7, 1)}, {"", "", " 9", " 7", "-"}},
        {1, {Op(3), Operand(104, 2), Operand(37, 2)}, {"", "", " 104", " 37", "x"}},
        {1, {Op(1), Operand(0, 2), Operand(7, 2)}, {"", "", " 0", " 7", "+"}},
        {2,
         {Op(1), Power(2, 6), Operand(100, 2), Power(1, 5), Operand(5, 1), Power(1, 5),
          Operand(6, 1)},
         {"", " 100", " 5", " 6", "+"}},
        {2,
         {Op(4), Power(2, 6), Operand(100, 2), Power(1, 5), Operand(10, 1), Power(1, 5),
          Operand(5, 1)},
         {"", "", " 10", " 5", "/"}},
        {3,
         {Op(1), Power(6, 6), Operand(1234567, 6), Power(3, 5), Operand(805, 3), Power(2, 4),
          Operand(42, 2), Power(1, 3), Operand(9, 1)},
         {" 1234567", " 805", " 42", " 9", "+"}},
    };
    for (const Case& c : cases) {
        OpenFresh();
        Tick({"chkAddition", "chkSubtraction", "chkMultiplication", "chkDivision", "chk7"});
        List("ctlDifficulty")->setCurrentIndex(c.difficulty);
        ScriptedRandom* script = Script();
        script->Add(c.draws);
        EXPECT_EQ(Start(), "");
        const char* names[] = {"txtLine4", "txtLine3", "txtLine2", "txtLine1", "txtOp"};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Text(names[i]), c.lines[i]) << names[i] << " at level " << c.difficulty;
    }
}

TEST_F(MainWindowTest, ASevenDigitOperandFitsWithUnitsInOneColumn)
{
    const char* lines[] = {"txtLine1", "txtLine2", "txtLine3", "txtLine4"};
    for (const char* name : lines) {
        QLabel* line = Find<QLabel>(name);
        EXPECT_EQ(line->fontInfo().fixedPitch(), true) << name;
        EXPECT_GE(line->contentsRect().width(), line->fontMetrics().horizontalAdvance(" 1234567"))
            << name;
        EXPECT_EQ(line->geometry().right(), Find<QLabel>("txtLine1")->geometry().right()) << name;
        EXPECT_EQ(line->alignment() & Qt::AlignRight, Qt::AlignRight) << name;
    }
}

TEST_F(MainWindowTest, RejectedDrawsDoNotAdvanceTheProblemCount)
{
    Tick({"chkSubtraction", "chk7"});
    ScriptedRandom* script = Script();
    script->Add({Op(1)});                               // Addition is not ticked
    script->Add({Op(2), Operand(3, 1), Operand(7, 1)}); // 3 - 7 is negative
    script->Add({Op(2), Operand(5, 1), Operand(2, 1)}); // no 7 in it
    AddEasy(script, 2, 7, 2);
    EXPECT_EQ(Start(), "");
    EXPECT_EQ(script->Left(), 0u);
    EXPECT_EQ(Find<QGroupBox>("frmProblem")->title(), "Problem 1 of 10");
    EXPECT_EQ(window->State().ProblemNumber, 1);
    EXPECT_EQ(window->State().RightAnswer, 5);
}

TEST_F(MainWindowTest, TypedAnswersAreReadLeniently)
{
    struct Case
    {
        int operation, second, first; // an Easy problem
        const char* typed;
        bool right;
    };
    const Case cases[] = {
        {2, 7, 7, "", true},      {2, 7, 7, "abc", true},    {2, 7, 6, "", false},
        {1, 7, 5, "12abc", true}, {1, 7, 5, "1 2", true},    {1, 7, 5, "12.0", true},
        {1, 7, 5, "12.5", false}, {1, 7, 6, "12.5", false},  {2, 7, 2, "-5", false},
        {2, 7, 2, "5,9", true},   {2, 7, 2, "1e400", false}, {2, 7, 2, "&H5", true},
        {2, 7, 2, "50", false},
    };
    Tick({"chkAddition", "chkSubtraction", "chk7"});
    List("ctlNumberOfProblems")->setCurrentIndex(1); // 20
    ScriptedRandom* script = Script();
    for (const Case& c : cases)
        AddEasy(script, c.operation, c.second, c.first);
    EXPECT_EQ(Start(), "");
    int right = 0, wrong = 0;
    for (const Case& c : cases) {
        (c.right ? right : wrong)++;
        EXPECT_EQ(Submit(c.typed), c.right ? "You were right!" : "Oops!!!")
            << '"' << c.typed << '"';
        EXPECT_EQ(window->State().NumberCorrect, right);
        EXPECT_EQ(window->State().NumberIncorrect, wrong);
    }
}

TEST_F(MainWindowTest, TenProblemsByKeyboardToTheFinalGrade)
{
    Tick({"chkAddition", "chk7"});
    List("ctlTimed")->setCurrentIndex(6);
    ScriptedRandom* script = Script();
    for (int first = 0; first < 10; ++first)
        AddEasy(script, 1, 7, first);
    EXPECT_EQ(Start(), "");
    for (int first = 0; first < 10; ++first) {
        EXPECT_EQ(Find<QGroupBox>("frmProblem")->title(),
                  QString("Problem %1 of 10").arg(first + 1));
        window->myTimer_Timer(); // four seconds gone over the test
        const QString answer = QString::number(first == 4 ? 0 : 7 + first);
        QStringList feedback;
        EXPECT_EQ(Submit(answer, &feedback), first == 4 ? "Oops!!!" : "You were right!");
        EXPECT_EQ(feedback, QStringList({"", "", " 7", QString(" %1").arg(first), "+",
                                         QString(" %1").arg(7 + first)}));
    }
    EXPECT_EQ(Text("txtCorrect"), " 9");
    EXPECT_EQ(Text("txtIncorrect"), " 1");
    EXPECT_EQ(Text("txtPercentage"), " 90");
    EXPECT_EQ(Text("txtGrade"), "A-");
    EXPECT_FALSE(Testing());
    EXPECT_TRUE(Find("btnStart")->isEnabled());
    EXPECT_FALSE(Input()->isEnabled());
    EXPECT_FALSE(window->myTimer.isActive());
    EXPECT_EQ(Text("txtTimeRemaining"), "230") << "the seconds left stay on view";

    // The next Start resets the display and the counts.
    AddEasy(script, 1, 7, 1);
    EXPECT_EQ(Start(), "");
    EXPECT_EQ(Text("txtTimeRemaining"), "240");
    EXPECT_EQ(Text("txtCorrect"), "0");
}

TEST_F(MainWindowTest, StatusChangesOnlyAfterTheFeedbackCloses)
{
    Tick({"chkAddition", "chk7"});
    ScriptedRandom* script = Script();
    AddEasy(script, 1, 7, 1);
    AddEasy(script, 1, 7, 2);
    EXPECT_EQ(Start(), "");
    QString correctMeanwhile;
    WhenModal([&](QWidget* modal) {
        correctMeanwhile = Text("txtCorrect");
        PressKey(modal, Qt::Key_Return);
    });
    QTest::keyClicks(Input(), "8");
    QTest::mouseClick(Find<QPushButton>("btnSubmit"), Qt::LeftButton);
    EXPECT_EQ(correctMeanwhile, "0");
    EXPECT_EQ(Text("txtCorrect"), " 1");
    EXPECT_EQ(Input()->text(), "") << "cleared for the next problem";
}

TEST_F(MainWindowTest, FeedbackWindowIgnoresEscapeAndClosesLikeOk)
{
    Tick({"chkAddition", "chk7"});
    ScriptedRandom* script = Script();
    for (int i = 0; i < 3; ++i)
        AddEasy(script, 1, 7, 5);
    EXPECT_EQ(Start(), "");

    bool stillShown = false;
    QString caption;
    WhenModal([&](QWidget* modal) {
        caption = modal->windowTitle();
        EXPECT_EQ(modal->focusWidget(), modal->findChild<QPushButton*>("btnOK"));
        PressKey(modal, Qt::Key_Escape);
        stillShown = modal->isVisible();
        PressKey(modal, Qt::Key_Space);
    });
    QTest::keyClicks(Input(), "12");
    QTest::keyClick(Input(), Qt::Key_Enter);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(caption, " ");
    EXPECT_EQ(window->State().ProblemNumber, 2);
    frmAnswer* first = window->AnswerWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible()) << "hidden, kept";

    // Closed through the window system: the test goes on as after OK.
    WhenModal([](QWidget* modal) { modal->close(); });
    QTest::keyClick(Input(), Qt::Key_Return);
    EXPECT_EQ(window->State().ProblemNumber, 3);
    EXPECT_EQ(Text("txtIncorrect"), " 1");
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->AnswerWindow() == nullptr; }, 1000))
        << "unloaded";
    EXPECT_EQ(Submit("12"), "You were right!") << "a new window serves the next answer";
}

TEST_F(MainWindowTest, FeedbackAnswerAlignsWithTheProblemLines)
{
    frmAnswer feedback(window.get());
    for (const char* name : {"txtLine1", "txtLine2", "txtLine3", "txtLine4", "txtAnswer"}) {
        auto* label = feedback.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->geometry().right(),
                  feedback.findChild<QLabel*>("txtLine1")->geometry().right());
        EXPECT_GE(label->contentsRect().width(),
                  label->fontMetrics().horizontalAdvance(" 1234567"));
    }
    auto* verdict = feedback.findChild<QLabel*>("txtMessage");
    EXPECT_GE(verdict->width(), verdict->fontMetrics().horizontalAdvance("You were right!"));
}

// Settings changed under the problem frame during a test.
TEST_F(MainWindowTest, SettingsThatAdmitNoProblemEndTheTestWithTheirReason)
{
    struct Case
    {
        std::initializer_list<const char*> untick, tick;
        const char* prompt;
    };
    const Case cases[] = {
        {{"chkAddition"}, {}, "No test type selected!"},
        {{"chk7"}, {}, "No numbers selected for testing!"},
        {{"chk7"}, {"chkDivision", "chk0"}, "Can not test 0 with Division!"},
    };
    for (const Case& c : cases) {
        OpenFresh();
        Tick({"chkAddition", "chk7"});
        ScriptedRandom* script = Script();
        AddEasy(script, 1, 7, 1);
        EXPECT_EQ(Start(), "");
        // Tab reaches the covered boxes, and Space toggles them.
        for (const char* name : c.untick) {
            Box(name)->setFocus();
            QTest::keyClick(Box(name), Qt::Key_Space);
            EXPECT_FALSE(Box(name)->isChecked());
        }
        Tick(c.tick);
        QString prompt;
        WhenModal([&](QWidget* feedback) {
            WhenModal([&](QWidget* box) {
                prompt = box->property("text").toString();
                PressKey(box, Qt::Key_Return);
            });
            PressKey(feedback, Qt::Key_Return);
        });
        QTest::keyClicks(Input(), "8");
        QTest::keyClick(Input(), Qt::Key_Return);
        EXPECT_EQ(prompt, c.prompt);
        EXPECT_FALSE(Testing());
        EXPECT_EQ(window->State().ProblemNumber, 1);
        EXPECT_EQ(Text("txtCorrect"), " 1");
        EXPECT_EQ(Text("txtPercentage"), " 100");
    }
}

TEST_F(MainWindowTest, StartWithNoProblemPossibleOnEasyEndsAtOnce)
{
    Tick({"chkAddition", "chkDivision", "chk0"});
    EXPECT_EQ(Start(), "Can not test 0 with Division!");
    EXPECT_FALSE(Testing());
    EXPECT_TRUE(Find("btnStart")->isEnabled());
    EXPECT_EQ(window->State().ProblemNumber, 0);
}
