#include "frmMain.h"

#include "drill/Scoring.h"
#include "toolkit/Dialogs.h"
#include "toolkit/NumberText.h"
#include "toolkit/Twips.h"
#include "ui_frmMain.h"
#include "windows/frmAbout.h"
#include "windows/frmAnswer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

namespace {

constexpr char SettingsErrorTitle[] = "Settings Error";
constexpr char TitleSuffix[] = "'s Carrowby";
// The title is saved as a registry string, and the registry class reads back at most 254
// bytes of it.
constexpr int LongestTitleBytes = 254;

QString SignedBlank(double value)
{
    return QString::fromStdString(toolkit::SignedBlankText(value));
}

int16_t Value(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

double StrictValue(const QLabel* label)
{
    return toolkit::ReadStrict(label->text().toStdString()).value_or(0);
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmMain>()),
      m_random(std::make_unique<toolkit::TimeSeededRandom>()), m_endProgram([] {
          for (QWidget* window : QApplication::topLevelWidgets())
              window->hide();
          QCoreApplication::exit(0);
      })
{
    ui->setupUi(this);
    myTimer.setInterval(1000);
    for (QAction* action : ui->mFile->actions()) {
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("div_1"));
    }

    connect(ui->btnStart, &QPushButton::clicked, this, &frmMain::btnStart_Click);
    connect(ui->btnSubmit, &QPushButton::clicked, this, &frmMain::btnSubmit_Click);
    connect(ui->ctlTimed, &QComboBox::currentIndexChanged, this, &frmMain::ctlTimed_Click);
    ui->txtInput->installEventFilter(this);
    connect(ui->mFile_Personalize, &QAction::triggered, this, &frmMain::mFile_Personalize_Click);
    connect(ui->mFile_Exit, &QAction::triggered, this, &frmMain::mFile_Exit_Click);
    connect(ui->mHelp_About, &QAction::triggered, this, &frmMain::mHelp_About_Click);
    connect(&myTimer, &QTimer::timeout, this, &frmMain::myTimer_Timer);

    Form_Load();
}

frmMain::~frmMain()
{
    Form_Terminate();
}

std::array<QCheckBox*, 4> frmMain::OperationBoxes() const
{
    return {ui->chkAddition, ui->chkSubtraction, ui->chkMultiplication, ui->chkDivision};
}

std::array<QCheckBox*, 11> frmMain::NumberBoxes() const
{
    return {ui->chk0, ui->chk1, ui->chk2, ui->chk3, ui->chk4, ui->chk5,
            ui->chk6, ui->chk7, ui->chk8, ui->chk9, ui->chk10};
}

std::vector<QCheckBox*> frmMain::SettingsCheckBoxes() const
{
    std::vector<QCheckBox*> boxes;
    for (QCheckBox* box : OperationBoxes())
        boxes.push_back(box);
    for (QCheckBox* box : NumberBoxes())
        boxes.push_back(box);
    return boxes;
}

std::array<QComboBox*, 3> frmMain::SettingsLists() const
{
    return {ui->ctlTimed, ui->ctlDifficulty, ui->ctlNumberOfProblems};
}

frmMain::TestState frmMain::State() const
{
    return {RightAnswer, ProblemNumber, NumberOfProblems, NumberCorrect, NumberIncorrect};
}

void frmMain::SetRandomSource(std::unique_ptr<toolkit::RandomSource> source)
{
    m_random = std::move(source);
}

void frmMain::SetProgramEnd(std::function<void()> endProgram)
{
    m_endProgram = std::move(endProgram);
}

void frmMain::ResetDisplay()
{
    for (QCheckBox* box : OperationBoxes())
        box->setChecked(false);
    for (QComboBox* list : SettingsLists())
        list->setCurrentIndex(0);
    ui->txtCorrect->setText(QStringLiteral("0"));
    ui->txtIncorrect->setText(QStringLiteral("0"));
    ui->txtGrade->setText(QString());
    ui->txtPercentage->setText(QStringLiteral("0"));
    ui->txtOp->setText(QStringLiteral("?"));
    for (QLabel* line : {ui->txtLine1, ui->txtLine2, ui->txtLine3, ui->txtLine4})
        line->setText(QStringLiteral("0"));
    ui->txtInput->setText(QString());
    ui->btnSubmit->setEnabled(false);
    ui->txtInput->setEnabled(false);
}

void frmMain::SettingsError(const char* prompt)
{
    toolkit::MessageBox(this, QString::fromUtf8(prompt), QString::fromUtf8(SettingsErrorTitle));
}

void frmMain::btnStart_Click()
{
    const drill::DrillChoice choice = ReadDrillChoice();
    const auto& ops = choice.operations;
    const auto& numbers = choice.numbers;
    auto noneTicked = [](auto first, auto last) {
        return std::all_of(first, last, [](int16_t value) { return value == 0; });
    };
    if (noneTicked(ops.begin(), ops.end())) {
        SettingsError("No test type selected!");
        return;
    }
    if (ops[drill::Division - 1] == 1 && noneTicked(ops.begin(), ops.begin() + 3) &&
        numbers[0] == 1 && noneTicked(numbers.begin() + 1, numbers.end())) {
        SettingsError("Can not test 0 with Division!");
        return;
    }
    if (noneTicked(numbers.begin(), numbers.end())) {
        SettingsError("No numbers selected for testing!");
        return;
    }
    // A stored -1 leaves a list without a choice; no test can be run from it.
    if (ui->ctlNumberOfProblems->currentIndex() < 0) {
        SettingsError("No number of problems selected!");
        return;
    }
    if (ui->ctlDifficulty->currentIndex() < 0) {
        SettingsError("No difficulty selected!");
        return;
    }

    ui->frmProblem->setVisible(true);
    NumberOfProblems =
        toolkit::ToInt16(
            toolkit::ReadStrict(ui->ctlNumberOfProblems->currentText().toStdString()).value_or(0))
            .value_or(0);
    ui->btnStart->setEnabled(false);
    NumberCorrect = 0;
    NumberIncorrect = 0;
    ProblemNumber = 0;
    ui->txtCorrect->setText(QStringLiteral("0"));
    ui->txtIncorrect->setText(QStringLiteral("0"));
    ui->txtPercentage->setText(QStringLiteral("100"));
    ui->txtGrade->setText(QStringLiteral("A+"));
    m_random->SeedFromTimeOfDay();
    ctlTimed_Click();
    myTimer.start();
    NextProblem();
}

drill::DrillChoice frmMain::ReadDrillChoice() const
{
    drill::DrillChoice choice;
    const auto operations = OperationBoxes();
    for (size_t i = 0; i < operations.size(); ++i)
        choice.operations[i] = Value(operations[i]);
    const auto numbers = NumberBoxes();
    for (size_t i = 0; i < numbers.size(); ++i)
        choice.numbers[i] = Value(numbers[i]);
    choice.difficulty = static_cast<int16_t>(ui->ctlDifficulty->currentIndex());
    return choice;
}

void frmMain::NextProblem()
{
    // The settings stay within reach under the problem frame, so they may no longer admit
    // any problem: say why and end the test rather than draw forever.
    const drill::DrillChoice choice = ReadDrillChoice();
    if (const auto why = drill::WhyNoProblem(choice)) {
        SettingsError(why->c_str());
        EndTest();
        return;
    }
    ProblemNumber = static_cast<int16_t>(ProblemNumber + 1);
    const drill::Problem problem = drill::DrawProblem(choice, *m_random);
    ui->txtOp->setText(QString::fromStdString(drill::OperationSign(problem.operation)));
    ShowProblem(problem.FirstOperand, problem.SecondOperand, problem.ThirdOperand,
                problem.FourthOperand);
    ComputeAnswer(problem.FirstOperand, problem.SecondOperand, problem.ThirdOperand,
                  problem.FourthOperand);
    ui->btnSubmit->setEnabled(true);
    ui->txtInput->setEnabled(true);
    ui->txtInput->setFocus();
    ui->txtInput->setText(QString());
}

void frmMain::ComputeAnswer(int32_t FirstOperand, int32_t SecondOperand, int32_t ThirdOperand,
                            int32_t FourthOperand)
{
    RightAnswer = drill::ComputeAnswer(ui->txtOp->text().toStdString(), FirstOperand, SecondOperand,
                                       ThirdOperand, FourthOperand);
}

void frmMain::ShowProblem(int32_t FirstOperand, int32_t SecondOperand, int32_t ThirdOperand,
                          int32_t FourthOperand)
{
    ui->frmProblem->setTitle(QStringLiteral("Problem") + SignedBlank(ProblemNumber) +
                             QStringLiteral(" of") + SignedBlank(NumberOfProblems));
    ui->txtLine1->setText(SignedBlank(FirstOperand));
    ui->txtLine2->setText(SignedBlank(SecondOperand));
    auto isAddition = [this] { return ui->txtOp->text() == QLatin1String("+"); };
    ui->txtLine3->setText(isAddition() && ui->ctlDifficulty->currentIndex() > drill::Medium
                              ? SignedBlank(ThirdOperand)
                              : QString());
    ui->txtLine4->setText(isAddition() && ui->ctlDifficulty->currentIndex() > drill::Hard
                              ? SignedBlank(FourthOperand)
                              : QString());
}

void frmMain::btnSubmit_Click()
{
    // A number beyond the range of a double is never the right answer.
    const toolkit::LenientNumber typed = toolkit::ReadLenient(ui->txtInput->text().toStdString());
    QString message;
    if (typed.inRange && typed.value == static_cast<double>(RightAnswer)) {
        message = QStringLiteral("You were right!");
        NumberCorrect = static_cast<int16_t>(NumberCorrect + 1);
    } else {
        message = QStringLiteral("Oops!!!");
        NumberIncorrect = static_cast<int16_t>(NumberIncorrect + 1);
    }
    if (!m_frmAnswer)
        m_frmAnswer = new frmAnswer(this);
    m_frmAnswer->SetupAnswer(ui->txtLine1->text(), ui->txtLine2->text(), ui->txtLine3->text(),
                             ui->txtLine4->text(), ui->txtOp->text(), SignedBlank(RightAnswer),
                             message);
    if (m_unloaded)
        return;
    UpdateStatus();
    if (ProblemNumber < NumberOfProblems)
        NextProblem();
    else
        EndTest();
}

void frmMain::UpdateStatus()
{
    ui->txtCorrect->setText(SignedBlank(NumberCorrect));
    ui->txtIncorrect->setText(SignedBlank(NumberIncorrect));
    ui->txtPercentage->setText(SignedBlank(drill::Percentage(NumberCorrect, ProblemNumber)));
    ShowGrade();
}

void frmMain::ShowGrade()
{
    ui->txtGrade->setText(
        QString::fromStdString(drill::LetterGrade(StrictValue(ui->txtPercentage))));
}

void frmMain::EndTest()
{
    myTimer.stop();
    ui->txtInput->setEnabled(false);
    ui->btnStart->setEnabled(true);
    ui->frmProblem->setVisible(false);
}

void frmMain::ctlTimed_Click()
{
    ui->txtTimeRemaining->setText(
        QString::fromStdString(drill::TimeLimitCaption(ui->ctlTimed->currentText().toStdString())));
}

void frmMain::myTimer_Timer()
{
    if (ui->txtTimeRemaining->text() == QLatin1String("Unlimited"))
        return;
    ui->txtTimeRemaining->setText(
        QString::fromStdString(toolkit::PlainText(StrictValue(ui->txtTimeRemaining) - 1)));
    if (StrictValue(ui->txtTimeRemaining) > 0)
        return;
    if (m_frmAnswer && m_frmAnswer->isVisible())
        m_frmAnswer->setVisible(false);
    EndTest();
    ctlTimed_Click();
    ProblemNumber = NumberOfProblems;
    UpdateStatus();
}

void frmMain::Form_Load()
{
    Registry = std::make_unique<RegistryManager>();
    ResetDisplay();
    LoadSettings();
    // The layout is drawn for a classic frame; the client area below the menu bar is what
    // must hold the controls, whatever frame the window manager draws.
    resize(toolkit::Pixels(7410), toolkit::Pixels(4335) + menuBar()->sizeHint().height());
    ui->frmProblem->move(toolkit::Pixels(120), toolkit::Pixels(120));
    ui->frmProblem->setVisible(false);
    // First in the tab order, Start has the focus when the window opens.
    ui->btnStart->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmMain::Form_Terminate()
{
    int16_t Cancel = 0;
    Form_Unload(Cancel);
}

void frmMain::Form_Unload(int16_t&)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    myTimer.stop();
    SaveSettings();
    Registry.reset();
    m_endProgram();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    int16_t Cancel = 0;
    Form_Unload(Cancel);
    event->setAccepted(Cancel == 0);
}

void frmMain::mFile_Exit_Click()
{
    int16_t Cancel = 0;
    Form_Unload(Cancel);
}

void frmMain::mFile_Personalize_Click()
{
    const int suffixBytes = static_cast<int>(sizeof TitleSuffix) - 1;
    const QString name =
        toolkit::InputBox(this, QStringLiteral("What is your name?"),
                          QStringLiteral("Personalize Carrowby"), LongestTitleBytes - suffixBytes);
    if (name.isEmpty())
        return;
    setWindowTitle(name + QString::fromUtf8(TitleSuffix));
}

void frmMain::mHelp_About_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::txtInput_KeyPress(int16_t& KeyAscii)
{
    if (KeyAscii == 13)
        btnSubmit_Click();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->txtInput && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            int16_t KeyAscii = 13;
            txtInput_KeyPress(KeyAscii);
        }
    }
    // The key goes on to the answer box unchanged.
    return QMainWindow::eventFilter(watched, event);
}
