#include "frmMain.h"

#include "drill/DrillRecord.h"
#include "drill/Scoring.h"
#include "drill/SettingsChecks.h"
#include "settings/SavedSettings.h"
#include "settings/StoreNotices.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Caption.h"
#include "toolkit/Dialogs.h"
#include "toolkit/EnterKey.h"
#include "toolkit/NumberText.h"
#include "toolkit/ScreenPlacement.h"
#include "toolkit/Twips.h"
#include "ui_frmMain.h"
#include "windows/frmAbout.h"
#include "windows/frmAnswer.h"
#include "windows/frmResults.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include <cstdio>

namespace {

// The title is saved as a registry string, and the registry class reads back at most 254
// bytes of it.
constexpr int LongestTitleBytes = 254;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// A text of the drill's rules in the user's language.
QString Translated(const std::string& text)
{
    return QCoreApplication::translate("drill", text.c_str());
}

// The personalized title, "Ada's Carrowby", in the user's language.
QString TitleFor(const QString& name)
{
    const QString pattern = QCoreApplication::translate("frmMain", "%1's Carrowby");
    return (pattern.contains(QLatin1String("%1")) ? pattern : QStringLiteral("%1's Carrowby"))
        .arg(name);
}

// A saved control's state: a check box's tick, or the position of a list's chosen item. A
// control the form lacks (null) shows nothing and reads as 0, so that the test of the form
// against SavedControls can name it.
int16_t StateOf(const QWidget* control)
{
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return static_cast<int16_t>(list->currentIndex());
    const auto* box = qobject_cast<const QAbstractButton*>(control);
    return box && box->isChecked() ? 1 : 0;
}

void ShowState(QWidget* control, int16_t state)
{
    if (auto* list = qobject_cast<QComboBox*>(control))
        list->setCurrentIndex(state);
    else if (auto* box = qobject_cast<QAbstractButton*>(control))
        box->setChecked(state == 1);
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
    for (size_t i = 0; i < m_savedControls.size(); ++i)
        m_savedControls[i] = findChild<QWidget*>(QLatin1String(settings::SavedControls[i].name));
    const QStringList seconds = ui->ctlTimed->property("seconds").toStringList();
    for (int item = 0; item < ui->ctlTimed->count(); ++item)
        ui->ctlTimed->setItemData(item, seconds.value(item).toInt());
    myTimer.setInterval(1000);
    for (QAction* action : ui->mFile->actions()) {
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("div_1"));
    }

    connect(ui->btnStart, &QPushButton::clicked, this, &frmMain::btnStart_Click);
    toolkit::PressOnEnter(ui->btnStart);
    connect(ui->ctlTimed, &QComboBox::currentIndexChanged, this, &frmMain::ctlTimed_Click);
    ui->txtInput->installEventFilter(this);
    connect(ui->btnSubmit, &QPushButton::clicked, this, &frmMain::btnSubmit_Click);
    toolkit::PressOnEnter(ui->btnSubmit);
    connect(ui->mFile_Results, &QAction::triggered, this, &frmMain::mFile_Results_Click);
    connect(ui->mFile_Personalize, &QAction::triggered, this, &frmMain::mFile_Personalize_Click);
    connect(ui->mFile_Exit, &QAction::triggered, this, &frmMain::mFile_Exit_Click);
    connect(ui->mHelp_About, &QAction::triggered, this, &frmMain::mHelp_About_Click);
    connect(&myTimer, &QTimer::timeout, this, &frmMain::myTimer_Timer);

    Form_Load();
    for (QWidget* control : m_savedControls) {
        if (auto* list = qobject_cast<QComboBox*>(control))
            connect(list, &QComboBox::currentIndexChanged, this, &frmMain::KeepShownSettings);
        else if (auto* box = qobject_cast<QAbstractButton*>(control))
            connect(box, &QAbstractButton::toggled, this, &frmMain::KeepShownSettings);
    }
    connect(this, &QWidget::windowTitleChanged, this, &frmMain::KeepShownSettings);
    KeepShownSettings();
}

frmMain::~frmMain()
{
    Form_Terminate();
}

std::array<QCheckBox*, 4> frmMain::OperationBoxes() const
{
    return {ui->chkAddition, ui->chkSubtraction, ui->chkMultiplication, ui->chkDivision};
}

void frmMain::SetRandomSource(std::unique_ptr<toolkit::RandomSource> source)
{
    m_random = std::move(source);
}

void frmMain::SetProgramEnd(std::function<void()> endProgram)
{
    m_endProgram = std::move(endProgram);
}

void frmMain::ShowStatus(const QString& correct, const QString& incorrect,
                         const QString& percentage, const QString& grade)
{
    ui->txtCorrect->setText(correct);
    ui->txtIncorrect->setText(incorrect);
    ui->txtGrade->setText(grade);
    ui->txtPercentage->setText(percentage);
}

void frmMain::ResetDisplay()
{
    for (QCheckBox* box : OperationBoxes())
        box->setChecked(false);
    for (QComboBox* list : {ui->ctlTimed, ui->ctlDifficulty, ui->ctlNumberOfProblems})
        list->setCurrentIndex(0);
    ShowStatus(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QString());
    ui->txtOp->setText(QStringLiteral("?"));
    for (QLabel* line : {ui->txtLine1, ui->txtLine2, ui->txtLine3, ui->txtLine4})
        line->setText(QStringLiteral("0"));
    ui->txtInput->setText(QString());
    ui->btnSubmit->setEnabled(false);
    ui->txtInput->setEnabled(false);
}

void frmMain::SettingsError(const std::string& prompt)
{
    toolkit::MessageBox(this, Translated(prompt), tr("Settings Error"));
}

drill::DrillChoice frmMain::ReadDrillChoice() const
{
    drill::DrillChoice choice;
    const auto operations = OperationBoxes();
    for (size_t i = 0; i < choice.operations.size(); ++i)
        choice.operations[i] = operations[i]->isChecked() ? 1 : 0;
    for (size_t i = 0; i < choice.numbers.size(); ++i)
        choice.numbers[i] =
            findChild<QCheckBox*>(QStringLiteral("chk%1").arg(i))->isChecked() ? 1 : 0;
    choice.difficulty = static_cast<int16_t>(ui->ctlDifficulty->currentIndex());
    choice.length = static_cast<int16_t>(ui->ctlNumberOfProblems->currentIndex());
    return choice;
}

void frmMain::btnStart_Click()
{
    const drill::DrillChoice choice = ReadDrillChoice();
    if (const auto why = drill::WhyStartRefused(choice)) {
        SettingsError(*why);
        return;
    }
    ui->frmProblem->setVisible(true);
    CoverSettings(true);
    NumberOfProblems =
        toolkit::ToInt16(
            toolkit::ReadStrict(ui->ctlNumberOfProblems->currentText().toStdString()).value_or(0))
            .value_or(0);
    ui->btnStart->setEnabled(false);
    ++m_test;
    NumberCorrect = 0;
    NumberIncorrect = 0;
    ProblemNumber = 0;
    ShowStatus(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("100"),
               QStringLiteral("A+"));
    m_recorder.TestStarted({toolkit::Caption(this).toStdString(), drill::TickedOperations(choice),
                            drill::TickedNumbers(choice), drill::DifficultyName(choice.difficulty),
                            NumberOfProblems, ui->ctlTimed->currentData().toInt()},
                           {0, 0, NumberOfProblems, 100, "A+"});
    if (m_frmResults)
        m_frmResults->SetTestRunning(true);
    m_random->SeedFromTimeOfDay();
    ctlTimed_Click();
    myTimer.start();
    NextProblem();
}

void frmMain::NextProblem()
{
    const drill::DrillChoice choice = ReadDrillChoice();
    if (const auto why = drill::WhyNoProblem(choice)) {
        SettingsError(*why);
        EndTest();
        RecordEnd(results::EndReason::Stopped);
        return;
    }
    ProblemNumber = static_cast<int16_t>(ProblemNumber + 1);
    const drill::Problem problem = drill::DrawProblem(choice, *m_random);
    ui->txtOp->setText(Text(drill::OperationSign(problem.operation)));
    ui->txtOp->setAccessibleDescription(toolkit::SpokenSign(ui->txtOp->text()));
    ShowProblem(problem);
    RightAnswer = drill::ComputeAnswer(problem);
    m_recorder.ProblemShown(ProblemNumber, drill::OperationSign(problem.operation)[0],
                            drill::ShownOperands(problem, choice.difficulty), RightAnswer);
    ui->btnSubmit->setEnabled(true);
    ui->txtInput->setEnabled(true);
    ui->txtInput->setFocus();
    ui->txtInput->setText(QString());
}

void frmMain::ShowProblem(const drill::Problem& problem)
{
    ui->frmProblem->setTitle(Text(drill::ProblemCaption(
        ProblemNumber, NumberOfProblems, Translated(drill::ProblemCaptionPattern).toStdString())));
    const auto lines =
        drill::ProblemLines(problem, static_cast<int16_t>(ui->ctlDifficulty->currentIndex()));
    ui->txtLine1->setText(Text(lines[0]));
    ui->txtLine2->setText(Text(lines[1]));
    ui->txtLine3->setText(Text(lines[2]));
    ui->txtLine4->setText(Text(lines[3]));
}

void frmMain::btnSubmit_Click()
{
    // ENTER pressed again while the verdict is up (a screen reader reaches it past the modal
    // window) is no second answer.
    if (m_answering)
        return;
    const drill::Judgement judgement =
        drill::Judge(ui->txtInput->text().toStdString(), RightAnswer);
    if (judgement.right)
        NumberCorrect = static_cast<int16_t>(NumberCorrect + 1);
    else
        NumberIncorrect = static_cast<int16_t>(NumberIncorrect + 1);
    m_recorder.Answered(ui->txtInput->text().toStdString(), judgement.right, ScoreAfterAnswers());
    if (!m_frmAnswer)
        m_frmAnswer = new frmAnswer(this);
    const unsigned test = m_test;
    m_answering = true;
    m_frmAnswer->SetupAnswer(ui->txtLine1->text(), ui->txtLine2->text(), ui->txtLine3->text(),
                             ui->txtLine4->text(), ui->txtOp->text(),
                             Text(toolkit::SignedBlankText(RightAnswer)),
                             Translated(judgement.message));
    m_answering = false;
    // Closed through the window system, the feedback window is unloaded; the next answer gets
    // a new one.
    if (m_frmAnswer && m_frmAnswer->Unloaded())
        delete m_frmAnswer;
    // The time may have run out while the verdict was up, and even a new test have begun: an
    // answer whose test has ended does nothing more.
    if (m_unloaded || test != m_test)
        return;
    UpdateStatus();
    if (ProblemNumber < NumberOfProblems) {
        NextProblem();
    } else {
        EndTest();
        RecordEnd(results::EndReason::Finished);
    }
}

results::Score frmMain::ScoreAfterAnswers() const
{
    const int16_t percentage = drill::Percentage(NumberCorrect, ProblemNumber);
    return {NumberCorrect, NumberIncorrect, NumberOfProblems - NumberCorrect - NumberIncorrect,
            percentage, drill::LetterGrade(toolkit::PlainText(percentage))};
}

void frmMain::RecordEnd(results::EndReason reason)
{
    m_recorder.TestEnded(ScoreAfterAnswers(), reason);
    if (m_frmResults) {
        m_frmResults->SetTestRunning(false);
        if (m_frmResults->isVisible())
            m_frmResults->Refresh(toolkit::Caption(this), m_recorder.WhyNotKept());
    }
}

void frmMain::UpdateStatus()
{
    const drill::StatusCaptions status =
        drill::Status(NumberCorrect, NumberIncorrect, ProblemNumber);
    ui->txtCorrect->setText(Text(status.correct));
    ui->txtIncorrect->setText(Text(status.incorrect));
    ui->txtPercentage->setText(Text(status.percentage));
    ui->txtGrade->setText(Text(drill::LetterGrade(ui->txtPercentage->text().toStdString())));
}

void frmMain::EndTest()
{
    ++m_test;
    myTimer.stop();
    ui->txtInput->setEnabled(false);
    ui->btnStart->setEnabled(true);
    ui->frmProblem->setVisible(false);
    CoverSettings(false);
    // The keys meant for the answer box or the feedback window, which go on arriving after the
    // end, must not reach Start and wipe the score: the focus rests on the score, from where
    // Tab leads to Start, and Alt+S or a click starts the next test.
    ui->frmStatus->setFocus();
}

void frmMain::CoverSettings(bool covered)
{
    if (!covered) {
        for (const auto& [control, policy] : m_coveredFocus)
            control->setFocusPolicy(policy);
        m_coveredFocus.clear();
        return;
    }
    for (QWidget* control : ui->frmSettings->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus) {
            m_coveredFocus.emplace_back(control, control->focusPolicy());
            control->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void frmMain::ctlTimed_Click()
{
    ui->txtTimeRemaining->setText(
        Translated(drill::TimeLimitCaption(ui->ctlTimed->currentData().toInt())));
}

void frmMain::myTimer_Timer()
{
    const auto next = drill::CountDown(ui->txtTimeRemaining->text().toStdString());
    if (!next)
        return;
    ui->txtTimeRemaining->setText(Text(next->caption));
    if (!next->timeUp)
        return;
    if (m_frmAnswer && m_frmAnswer->isVisible())
        m_frmAnswer->setVisible(false);
    EndTest();
    ctlTimed_Click();
    ProblemNumber = NumberOfProblems;
    UpdateStatus();
    RecordEnd(results::EndReason::Time);
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
    toolkit::PlaceOnScreen(this);
}

void frmMain::LoadSettings()
{
    settings::SavedSettings::Address(*Registry);
    if (Registry->DoesKeyExist() == False)
        WriteDefaultSettings();
    const settings::SavedSettings saved = settings::SavedSettings::Load(*Registry);
    m_settingsReadable = saved.readable;
    m_titleRead = saved.titleRead;
    if (!saved.readable)
        std::fprintf(stderr, "%s\n", settings::UnreadableNotice().c_str());
    else if (const auto notice = settings::UnwritableNotice())
        std::fprintf(stderr, "%s\n", notice->c_str());
    toolkit::SetCaption(this, Text(saved.title));
    for (size_t i = 0; i < m_savedControls.size(); ++i)
        ShowState(m_savedControls[i], saved.states[i]);
}

void frmMain::WriteDefaultSettings()
{
    settings::SavedSettings::WriteDefaults(*Registry);
}

void frmMain::KeepShownSettings()
{
    m_shown.title = toolkit::Caption(this).toStdString();
    m_shown.titleRead = m_titleRead;
    for (size_t i = 0; i < m_savedControls.size(); ++i)
        m_shown.states[i] = StateOf(m_savedControls[i]);
}

void frmMain::SaveSettings()
{
    KeepShownSettings();
    SaveShownSettings();
}

void frmMain::SaveShownSettings()
{
    if (!m_settingsReadable)
        return;
    if (!m_shown.Save(*Registry))
        std::fprintf(stderr, "%s\n", settings::UnsavedNotice().c_str());
}

void frmMain::SaveBeforeLostDisplay()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_recorder.TestStopped();
    SaveShownSettings();
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
    m_recorder.TestStopped();
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

void frmMain::mFile_Results_Click()
{
    if (!m_frmResults) {
        ProgressChart::GradeBands bands;
        for (const auto& [letter, lowest] : drill::LetterBands())
            bands.emplace_back(Text(letter), lowest);
        m_frmResults = new frmResults(this, m_recorder.Path(), std::move(bands));
        connect(m_frmResults, &frmResults::Practise, this, &frmMain::TickForPractice);
    }
    m_frmResults->Refresh(toolkit::Caption(this), m_recorder.WhyNotKept());
    m_frmResults->SetTestRunning(!ui->btnStart->isEnabled());
    m_frmResults->show();
    m_frmResults->raise();
    m_frmResults->activateWindow();
}

void frmMain::TickForPractice(const results::Practice& practice)
{
    ui->ctlDifficulty->setCurrentIndex(drill::Easy);
    const auto operations = OperationBoxes();
    for (size_t i = 0; i < operations.size(); ++i)
        operations[i]->setChecked(practice.operations.find(results::Operations[i]) !=
                                  std::string::npos);
    for (int number = 0; number <= 10; ++number)
        findChild<QCheckBox*>(QStringLiteral("chk%1").arg(number))
            ->setChecked(std::ranges::count(practice.numbers, number) > 0);
    activateWindow();
    ui->btnStart->setFocus();
}

void frmMain::mFile_Personalize_Click()
{
    const int suffixBytes = static_cast<int>(TitleFor(QString()).toUtf8().size());
    const QString name =
        toolkit::InputBox(this, tr("What is your name?"), tr("Personalize Carrowby"),
                          LongestTitleBytes - suffixBytes);
    if (name.isEmpty())
        return;
    m_titleRead = true;
    toolkit::SetCaption(this, TitleFor(name));
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
        const auto* press = static_cast<QKeyEvent*>(event);
        if (press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter) {
            int16_t KeyAscii = 13;
            txtInput_KeyPress(KeyAscii);
        }
    }
    // The key goes on to the answer box unchanged.
    return QMainWindow::eventFilter(watched, event);
}
