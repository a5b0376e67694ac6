// The main window after load, and Start's checks.

#include "MainWindowFixture.h"
#include "toolkit/Twips.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

using toolkit::Pixels;

TEST_F(MainWindowTest, LoadsIdle)
{
    EXPECT_EQ(window->windowTitle(), "Carrowby");
    for (const char* name : {"chkAddition", "chkSubtraction", "chkMultiplication", "chkDivision",
                             "chk0", "chk5", "chk10"})
        EXPECT_FALSE(Box(name)->isChecked()) << name;
    EXPECT_EQ(List("ctlTimed")->currentText(), "Unlimited");
    EXPECT_EQ(List("ctlDifficulty")->currentText(), "Easy");
    EXPECT_EQ(List("ctlNumberOfProblems")->currentText(), "10");
    EXPECT_EQ(Text("txtCorrect"), "0");
    EXPECT_EQ(Text("txtIncorrect"), "0");
    EXPECT_EQ(Text("txtGrade"), "");
    EXPECT_EQ(Text("txtPercentage"), "0");
    EXPECT_EQ(Text("txtOp"), "?");
    for (const char* line : {"txtLine1", "txtLine2", "txtLine3", "txtLine4"})
        EXPECT_EQ(Text(line), "0") << line;
    EXPECT_EQ(Input()->text(), "");
    EXPECT_FALSE(Input()->isEnabled());
    EXPECT_FALSE(Find("btnSubmit")->isEnabled());
    EXPECT_EQ(Text("txtTimeRemaining"), "Unlimited");
    EXPECT_TRUE(Find("btnStart")->isEnabled());
    EXPECT_FALSE(window->myTimer.isActive());
    EXPECT_EQ(window->myTimer.interval(), 1000);
    EXPECT_FALSE(Testing());
    EXPECT_TRUE(Find("frmSettings")->isVisible());
}

TEST_F(MainWindowTest, ProblemFrameLiesExactlyOverTheSettings)
{
    QWidget* problem = Find("frmProblem");
    QWidget* settings = Find("frmSettings");
    EXPECT_EQ(problem->geometry(), settings->geometry());
    EXPECT_EQ(problem->pos(), QPoint(Pixels(120), Pixels(120)));
    const QObjectList stack = problem->parentWidget()->children();
    EXPECT_GT(stack.indexOf(problem), stack.indexOf(settings)) << "drawn above the settings";
    EXPECT_EQ(window->centralWidget()->size(), QSize(Pixels(7410), Pixels(4335)));
}

TEST_F(MainWindowTest, ListsHoldTheirItems)
{
    auto items = [this](const char* name) {
        QStringList texts;
        for (int i = 0; i < List(name)->count(); ++i)
            texts << List(name)->itemText(i);
        return texts;
    };
    EXPECT_EQ(items("ctlTimed"), QStringList({"Unlimited", "10 Seconds", "30 Seconds", "1 Minute",
                                              "2 Minutes", "3 Minutes", "4 Minutes"}));
    EXPECT_EQ(items("ctlDifficulty"), QStringList({"Easy", "Medium", "Hard", "Diabloish"}));
    EXPECT_EQ(items("ctlNumberOfProblems"), QStringList({"10", "20", "30", "50", "100"}));
    EXPECT_FALSE(List("ctlTimed")->isEditable());
}

TEST_F(MainWindowTest, MenusAndTheirKeys)
{
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&File");
    EXPECT_EQ(bar[1]->text(), "&Help");
    const QList<QAction*> file = bar[0]->menu()->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0]->objectName(), "mFile_Personalize");
    EXPECT_EQ(file[0]->text(), "Personalize Carrowby");
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[1]->objectName(), "div_1");
    EXPECT_EQ(file[2]->objectName(), "mFile_Exit");
    EXPECT_EQ(file[2]->text(), "E&xit");
    const QList<QAction*> help = bar[1]->menu()->actions();
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0]->objectName(), "mHelp_About");
    EXPECT_EQ(help[0]->text(), "&About");
    EXPECT_EQ(help[0]->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainWindowTest, TabOrder)
{
    QStringList order;
    QWidget* widget = Find("btnStart");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != Find("btnStart"));
    const QStringList expected = {"btnStart",
                                  "chkAddition",
                                  "chkSubtraction",
                                  "chkMultiplication",
                                  "chkDivision",
                                  "chk0",
                                  "chk1",
                                  "chk2",
                                  "chk3",
                                  "chk4",
                                  "chk5",
                                  "chk6",
                                  "chk7",
                                  "chk8",
                                  "chk9",
                                  "chk10",
                                  "ctlTimed",
                                  "ctlDifficulty",
                                  "ctlNumberOfProblems",
                                  "txtInput",
                                  "btnSubmit"};
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, EveryCaptionShowsWhole)
{
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        EXPECT_GE(box->width(), box->sizeHint().width()) << box->objectName().toStdString();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->objectName().startsWith("txtLine") || label->text().startsWith("txt"))
            continue;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
            << label->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, RefusedStartShowsWhyAndChangesNothing)
{
    struct Case
    {
        std::initializer_list<const char*> ticked;
        const char* prompt;
    };
    const Case cases[] = {
        {{}, "No test type selected!"},
        {{"chk3", "chk0"}, "No test type selected!"},
        {{"chkDivision", "chk0"}, "Can not test 0 with Division!"},
        {{"chkAddition"}, "No numbers selected for testing!"},
        {{"chkMultiplication", "chkDivision"}, "No numbers selected for testing!"},
    };
    for (const Case& c : cases) {
        OpenFresh();
        List("ctlDifficulty")->setCurrentIndex(2); // numbers are checked at every level
        Tick(c.ticked);
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->buttons().size();
            EXPECT_EQ(box->text(), c.prompt);
            PressKey(box, Qt::Key_Return);
        });
        QTest::mouseClick(Find<QPushButton>("btnStart"), Qt::LeftButton);
        EXPECT_EQ(title, "Settings Error");
        EXPECT_EQ(icon, QMessageBox::Warning);
        EXPECT_EQ(buttons, 1);
        EXPECT_FALSE(Testing()) << c.prompt;
        EXPECT_TRUE(Find("btnStart")->isEnabled());
        EXPECT_FALSE(window->myTimer.isActive());
        EXPECT_EQ(Text("txtPercentage"), "0");
        EXPECT_EQ(Text("txtGrade"), "");
        for (const char* name : c.ticked)
            EXPECT_TRUE(Box(name)->isChecked()) << name;
    }
}

TEST_F(MainWindowTest, DivisionAndZeroAmongOthersStart)
{
    for (auto ticked : {std::initializer_list<const char*>{"chkDivision", "chk0", "chk1"},
                        std::initializer_list<const char*>{"chkDivision", "chkAddition", "chk0"}}) {
        OpenFresh();
        List("ctlDifficulty")->setCurrentIndex(1);
        Tick(ticked);
        EXPECT_EQ(Start(), "");
        EXPECT_TRUE(Testing());
    }
}

TEST_F(MainWindowTest, AcceptedStartShowsAPerfectScoreAndTheFirstProblem)
{
    Tick({"chkAddition", "chk7"});
    List("ctlNumberOfProblems")->setCurrentIndex(4);
    ScriptedRandom* script = Script();
    AddEasy(script, 1, 7, 3);
    EXPECT_EQ(Start(), "");
    EXPECT_EQ(script->seeds, 1) << "seeded at every Start";
    EXPECT_EQ(script->Left(), 0u);
    EXPECT_EQ(Text("txtCorrect"), "0");
    EXPECT_EQ(Text("txtIncorrect"), "0");
    EXPECT_EQ(Text("txtPercentage"), "100");
    EXPECT_EQ(Text("txtGrade"), "A+");
    EXPECT_TRUE(window->myTimer.isActive());
    EXPECT_FALSE(Find("btnStart")->isEnabled());
    EXPECT_TRUE(Testing());
    EXPECT_EQ(Find<QGroupBox>("frmProblem")->title(), "Problem 1 of 100");
    EXPECT_EQ(window->State().NumberOfProblems, 100);
    EXPECT_TRUE(Input()->isEnabled());
    EXPECT_TRUE(Find("btnSubmit")->isEnabled());
    EXPECT_TRUE(Input()->hasFocus());
    EXPECT_TRUE(Box("chkAddition")->isEnabled()) << "covered, not disabled";
}

TEST_F(MainWindowTest, ListsWithoutAChoiceRefuseStart)
{
    Tick({"chkAddition", "chk7"});
    List("ctlNumberOfProblems")->setCurrentIndex(-1);
    List("ctlDifficulty")->setCurrentIndex(-1);
    EXPECT_EQ(Start(), "No number of problems selected!");
    List("ctlNumberOfProblems")->setCurrentIndex(0);
    EXPECT_EQ(Start(), "No difficulty selected!");
    EXPECT_FALSE(Testing());
}
