#include "frmMain.h"

#include "ChildNames.h"

#include "drill/DrillRecord.h"
#include "drill/PracticeSource.h"
#include "drill/SettingsDraw.h"
#include "settings/SavedSettings.h"
#include "settings/StoreNotices.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Caption.h"
#include "toolkit/Dialogs.h"
#include "toolkit/EnterKey.h"
#include "toolkit/Modules.h"
#include "toolkit/NumberText.h"
#include "toolkit/QtText.h"
#include "toolkit/Say.h"
#include "toolkit/ScreenPlacement.h"
#include "toolkit/Twips.h"
#include "ui_frmMain.h"
#include "windows/ResultsWindow.h"
#include "windows/UnwrittenQuestion.h"
#include "windows/frmAbout.h"
#include "windows/frmAnswer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace {

// The title is saved as a registry string, and the registry class reads back at most 254
// bytes of it.
constexpr int LongestTitleBytes = 254;

using toolkit::Text;

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

// SQLite's writer of the results file, from the module that holds it.
std::unique_ptr<results::TestWriter> WriterFromModule(const std::string& path, std::string& why)
{
    QString whyNot;
    auto* make = reinterpret_cast<results::TestWriter* (*)(const std::string&)>(
        toolkit::ModuleFunction(QStringLiteral("results-file"), "carrowby_results_writer", whyNot));
    why = whyNot.toStdString();
    return std::unique_ptr<results::TestWriter>(make ? make(path) : nullptr);
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
      m_clock(std::make_shared<toolkit::SystemClock>()),
      m_random(std::make_unique<toolkit::TimeSeededRandom>()), m_run(m_clock),
      m_recorder(results::DefaultResultsPath(), m_clock, WriterFromModule), m_recording(m_recorder),
      m_endProgram([] {
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
    myTimer.setObjectName(QStringLiteral("myTimer"));
    myTimer.setParent(this);
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
    m_run.Listen(m_recording);
    m_options = std::make_unique<OptionsMenu>(ui->mOptions, ui->mOptions_ReadAloud,
                                              ui->mOptions_HighContrast);
    m_run.Listen(m_options->Reading());

    // The Results window shows a test once it is in the file, which the recorder's thread says.
    m_recorder.SetWritten(
        [this] { QMetaObject::invokeMethod(this, &frmMain::ShowRecorded, Qt::QueuedConnection); });
    Form_Load();
    for (QWidget* control : m_savedControls) {
        if (auto* list = qobject_cast<QComboBox*>(control))
            connect(list, &QComboBox::currentIndexChanged, this, &frmMain::KeepShownSettings);
        else if (auto* box = qobject_cast<QAbstractButton*>(control))
            connect(box, &QAbstractButton::toggled, this, &frmMain::KeepShownSettings);
    }
    connect(this, &QWidget::windowTitleChanged, this, &frmMain::KeepShownSettings);
    connect(m_options.get(), &OptionsMenu::Changed, this, &frmMain::KeepShownSettings);
    KeepShownSettings();
}

frmMain::~frmMain()
{
    Form_Terminate();
    delete m_resultsWindow; // a window of its own, which the main window owns all the same
}

std::array<QCheckBox*, 4> frmMain::OperationBoxes() const
{
    return {ui->chkAddition, ui->chkSubtraction, ui->chkMultiplication, ui->chkDivision};
}

void frmMain::SetRandomSource(std::unique_ptr<toolkit::RandomSource> source)
{
    m_random = std::move(source);
}

void frmMain::SetClock(std::shared_ptr<const toolkit::Clock> clock)
{
    m_clock = std::move(clock);
    m_run.SetClock(m_clock);
    m_recorder.SetClock(m_clock);
}

void frmMain::SetProgramEnd(std::function<void()> endProgram)
{
    m_endProgram = std::move(endProgram);
}

void frmMain::ShowStatus(const drill::StatusCaptions& status)
{
    ui->txtCorrect->setText(Text(status.correct));
    ui->txtIncorrect->setText(Text(status.incorrect));
    ui->txtGrade->setText(Text(status.grade));
    ui->txtPercentage->setText(Text(status.percentage));
}

void frmMain::ResetDisplay()
{
    for (QCheckBox* box : OperationBoxes())
        box->setChecked(false);
    for (QComboBox* list : {ui->ctlTimed, ui->ctlDifficulty, ui->ctlNumberOfProblems})
        list->setCurrentIndex(0);
    ShowStatus({"0", "0", "0", ""});
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
    if (m_run.Running()) // a second press that reached Start before the first had begun its test
        return;
    // The length is the number its item says, as it reads at the start.
    const auto length =
        toolkit::ToInt16(
            toolkit::ReadStrict(ui->ctlNumberOfProblems->currentText().toStdString()).value_or(0))
            .value_or(0);
    auto source = std::make_unique<drill::SettingsDraw>([this] { return ReadDrillChoice(); },
                                                        length, *m_random);
    if (const auto why = source->WhyNotStart()) {
        SettingsError(*why);
        return;
    }
    const drill::DrillChoice choice = ReadDrillChoice();
    Begin(std::move(source),
          {toolkit::Caption(this).toStdString(), drill::TickedOperations(choice),
           drill::TickedNumbers(choice), drill::DifficultyName(choice.difficulty), length,
           ui->ctlTimed->currentData().toInt()});
}

void frmMain::Begin(std::unique_ptr<drill::ProblemSource> source, const results::TestSetup& setup)
{
    ui->frmProblem->setVisible(true);
    CoverSettings(true);
    ui->btnStart->setEnabled(false);
    m_run.SetFluency(m_shown.fluencySeconds);
    m_run.Start(std::move(source), setup);
    ShowStatus(drill::StartingStatus);
    ShowPanel(setup.practice != 0);
    if (Results())
        Results()->SetTestRunning(true);
    m_random->SeedFromTimeOfDay();
    ctlTimed_Click();
    myTimer.start();
    NextProblem();
}

void frmMain::StartPractice(const std::vector<learning::Asked>& asked,
                            const std::vector<learning::Asked>& between)
{
    if (m_run.Running() || asked.empty())
        return;
    auto practice = drill::Practise(
        asked, between,
        toolkit::ToInt16(
            toolkit::ReadStrict(ui->ctlNumberOfProblems->currentText().toStdString()).value_or(10))
            .value_or(10),
        toolkit::Caption(this).toStdString());
    raise(); // in front of the Results window
    activateWindow();
    Begin(std::move(practice.source), practice.setup);
}

void frmMain::NextProblem()
{
    if (const auto why = m_run.PoseNext()) {
        SettingsError(*why);
        EndTest();
        return;
    }
    const drill::Problem& problem = m_run.Posed();
    ui->txtOp->setText(Text(drill::OperationSign(problem.operation)));
    ui->txtOp->setAccessibleDescription(toolkit::SpokenSign(ui->txtOp->text()));
    ShowProblem();
    ui->btnSubmit->setEnabled(true);
    ui->txtInput->setEnabled(true);
    ui->txtInput->setFocus();
    ui->txtInput->setText(QString());
}

void frmMain::ShowProblem()
{
    ui->frmProblem->setTitle(
        Text(drill::ProblemCaption(m_run.ProblemNumber(), m_run.NumberOfProblems(),
                                   Translated(drill::ProblemCaptionPattern).toStdString())));
    const auto lines = drill::ProblemLines(m_run.Posed());
    ui->txtLine1->setText(Text(lines[0]));
    ui->txtLine2->setText(Text(lines[1]));
    ui->txtLine3->setText(Text(lines[2]));
    ui->txtLine4->setText(Text(lines[3]));
}

void frmMain::btnSubmit_Click()
{
    // ENTER pressed again while the verdict is up (a screen reader reaches it past the modal
    // window) is no second answer.
    if (m_answering || m_run.IsEcho(ui->txtInput->text().toStdString()))
        return;
    const drill::Judgement judgement = m_run.Answer(ui->txtInput->text().toStdString());
    if (!m_frmAnswer)
        m_frmAnswer = new frmAnswer(this);
    const unsigned test = m_run.Generation();
    const auto lines = drill::ProblemLines(m_run.Posed());
    m_answering = true;
    m_frmAnswer->SetNote(judgement.note.empty() ? QString() : Translated(judgement.note));
    m_frmAnswer->SetupAnswer(Text(lines[0]), Text(lines[1]), Text(lines[2]), Text(lines[3]),
                             Text(drill::OperationSign(m_run.Posed().operation)),
                             Text(toolkit::SignedBlankText(m_run.RightAnswer())),
                             Translated(judgement.message));
    m_answering = false;
    // Closed through the window system, the feedback window is unloaded; the next answer gets
    // a new one.
    if (m_frmAnswer && m_frmAnswer->Unloaded())
        delete m_frmAnswer;
    // The time may have run out while the verdict was up, and even a new test have begun: an
    // answer whose test has ended does nothing more.
    if (m_unloaded || test != m_run.Generation())
        return;
    UpdateStatus();
    if (m_run.ProblemsRemain()) {
        NextProblem();
    } else {
        m_run.End(results::EndReason::Finished);
        EndTest();
    }
}

void frmMain::ShowRecorded()
{
    if (Results() && m_resultsWindow->isVisible())
        Results()->Refresh(toolkit::Caption(this), m_recorder.State());
}

void frmMain::UpdateStatus()
{
    ShowStatus(m_run.Status());
    if (const auto rightNow = m_run.RightNow(); rightNow && rightNow->second > 0)
        ui->txtPracticeNote->setText(
            tr("%1 of %n facts right now", nullptr, rightNow->second).arg(rightNow->first));
}

void frmMain::ShowPanel(bool practice)
{
    // A practice is for learning: its counts and the facts right now, with no grade and no
    // percentage to tell a child he failed.
    ui->frmStatus->setTitle(practice ? tr("Practice ") : tr("Status "));
    ui->frmStatus->setAccessibleName(practice ? tr("Practice") : tr("Status"));
    for (QWidget* row : {ui->Label5, ui->txtGrade, ui->Label7, ui->txtPercentage})
        row->setVisible(!practice);
    ui->txtPracticeNote->setText(QString());
    ui->txtPracticeNote->setVisible(practice);
    ui->txtTimeUp->setVisible(false);
}

void frmMain::EndTest()
{
    myTimer.stop();
    if (m_run.Setup().practice) // the time limit chosen shows again
        ctlTimed_Click();
    ui->txtInput->setEnabled(false);
    ui->btnStart->setEnabled(true);
    ui->frmProblem->setVisible(false);
    CoverSettings(false);
    // The keys meant for the answer box or the feedback window, which go on arriving after the
    // end, must not reach Start and wipe the score: the focus rests on the score, from where
    // Tab leads to Start, and Alt+S or a click starts the next test.
    ui->frmStatus->setFocus();
    if (Results())
        Results()->SetTestRunning(false);
}

void frmMain::CoverSettings(bool covered)
{
    ui->mFile_Personalize->setEnabled(!covered); // another child's settings would change the test
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
    if (!m_run.Practising()) // a practice takes its time
        m_run.SetTimeLimit(ui->ctlTimed->currentData().toInt());
    ui->txtTimeRemaining->setText(Translated(drill::SecondsCaption(m_run.SecondsLeft())));
}

void frmMain::myTimer_Timer()
{
    const bool timeUp = m_run.Tick();
    ui->txtTimeRemaining->setText(Translated(drill::SecondsCaption(m_run.SecondsLeft())));
    if (!timeUp)
        return;
    if (m_frmAnswer && m_frmAnswer->isVisible())
        m_frmAnswer->setVisible(false);
    EndTest();
    ctlTimed_Click();
    UpdateStatus();
    // The seconds show the limit again: the time's running out is said beside them.
    const int left = static_cast<int>(m_run.Score().unanswered);
    ui->txtTimeUp->setText(tr("Time's up: %n unanswered", nullptr, left));
    ui->txtTimeUp->setVisible(true);
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
        toolkit::Say(settings::UnreadableNotice());
    else if (const auto notice = settings::UnwritableNotice())
        toolkit::Say(*notice);
    toolkit::SetCaption(this, Text(saved.title));
    for (size_t i = 0; i < m_savedControls.size(); ++i)
        ShowState(m_savedControls[i], saved.states[i]);
    m_shown.fluencySeconds = saved.fluencySeconds;
    m_options->Show(saved.options);
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
    m_shown.options = m_options->Chosen();
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
    // With the child shown, where it is kept and they changed: one change of the store.
    RegistryManager::Transaction whole(RegistryManager::Transaction::Writing);
    bool saved = m_shown.Save(*Registry);
    const std::vector<settings::Child> children = Children();
    if (const auto shown = std::ranges::find(children, m_shown.title, &settings::Child::title);
        shown != children.end() &&
        (shown->states != m_shown.states || shown->fluencySeconds != m_shown.fluencySeconds ||
         shown->options != m_shown.options)) {
        settings::Child kept = *shown;
        kept.states = m_shown.states;
        kept.fluencySeconds = m_shown.fluencySeconds;
        kept.options = m_shown.options;
        saved = settings::KeepChild(*Registry, kept) && saved;
    }
    if (!whole.Commit() || !saved)
        toolkit::Say(settings::UnsavedNotice());
}

void frmMain::SaveBeforeLostDisplay()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_recorder.SetWritten({});
    m_run.End(results::EndReason::Stopped);
    SaveShownSettings();
    m_recorder.Flush(std::chrono::seconds(2)); // the program ends without the window's end
}

void frmMain::Form_Terminate()
{
    Form_Unload();
}

void frmMain::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    myTimer.stop();
    m_recorder.SetWritten({});
    m_run.End(results::EndReason::Stopped);
    SaveSettings();
    Registry.reset();
    m_endProgram();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    WaitForRecording();
    Form_Unload();
    event->accept();
}

void frmMain::mFile_Exit_Click()
{
    WaitForRecording();
    Form_Unload();
}

void frmMain::WaitForRecording()
{
    if (m_unloaded)
        return;
    if (m_run.Running()) {
        m_run.End(results::EndReason::Stopped);
        EndTest();
    }
    WaitForUnwritten(this, m_recorder);
}

void frmMain::mFile_Results_Click()
{
    if (!Results()) {
        ResultsWindow::Setup setup{
            this,
            m_recorder.Path(),
            {},
            [this](const QString& title, const learning::Practice& practice) {
                ForChild(title);
                TickForPractice(practice);
            },
            [this](const QString& title, const std::vector<learning::Asked>& asked,
                   const std::vector<learning::Asked>& between) {
                ForChild(title);
                StartPractice(asked, between);
            },
            m_clock,
            [this](const QString& title) { return FluencyOf(title); },
            [this](const QString& title, int seconds) { KeepFluency(title, seconds); }};
        for (const auto& [letter, lowest] : drill::LetterBands())
            setup.bands.emplace_back(Text(letter), lowest);
        QString why;
        m_results = ResultsWindow::Open(setup, why);
        if (!m_results) {
            toolkit::MessageBox(this, tr("The Results window cannot be opened: %1").arg(why),
                                toolkit::Caption(this));
            return;
        }
        m_resultsWindow = m_results->Window();
    }
    Results()->Refresh(toolkit::Caption(this), m_recorder.State());
    Results()->SetTestRunning(m_run.Running());
    m_resultsWindow->show();
    m_resultsWindow->raise();
    m_resultsWindow->activateWindow();
}

void frmMain::TickForPractice(const learning::Practice& practice)
{
    ui->ctlDifficulty->setCurrentIndex(drill::Easy);
    const auto operations = OperationBoxes();
    for (size_t i = 0; i < operations.size(); ++i)
        operations[i]->setChecked(practice.operations.find(results::Operations[i]) !=
                                  std::string::npos);
    for (int number = 0; number <= 10; ++number)
        findChild<QCheckBox*>(QStringLiteral("chk%1").arg(number))
            ->setChecked(std::ranges::count(practice.numbers, number) > 0);
    // In front of the Results window, with Start ready: what Enter starts is in sight.
    raise();
    activateWindow();
    ui->btnStart->setFocus();
}

void frmMain::mFile_Personalize_Click()
{
    const int suffixBytes = static_cast<int>(TitleFor(QString()).toUtf8().size());
    const std::vector<settings::Child> children = Children();
    QStringList names;
    for (const settings::Child& child : children)
        if (!child.name.empty())
            names << Text(child.name);
    const QString name =
        toolkit::InputBox(this, tr("What is your name?"), tr("Personalize Carrowby"),
                          LongestTitleBytes - suffixBytes, names);
    if (name.isEmpty())
        return;
    const settings::Child* known = drill::ChildNamed(children, name);
    if (known && Text(known->name) != name)
        toolkit::MessageBox(this,
                            tr("\u201C%1\u201D is taken as %2, the name already used here, with "
                               "the settings and the results kept for it.")
                                .arg(name, Text(known->name)),
                            tr("Personalize Carrowby"));
    SwitchChild(known ? *known
                      : settings::Child{name.toStdString(), TitleFor(name).toStdString(),
                                        m_shown.states, m_shown.fluencySeconds});
}

std::vector<settings::Child> frmMain::Children() const
{
    return m_settingsReadable ? settings::LoadChildren(*Registry) : std::vector<settings::Child>{};
}

settings::Child frmMain::ChildTitled(const std::string& title,
                                     const std::vector<settings::Child>& children) const
{
    const auto kept = std::ranges::find(children, title, &settings::Child::title);
    return kept != children.end()
               ? *kept
               : settings::Child{
                     drill::NameInTitle(Text(title), TitleFor(QStringLiteral("%1"))).toStdString(),
                     title, m_shown.states, m_shown.fluencySeconds};
}

void frmMain::SwitchChild(const settings::Child& to)
{
    KeepShownSettings();
    settings::Child shown = ChildTitled(m_shown.title, Children());
    shown.states = m_shown.states;
    shown.fluencySeconds = m_shown.fluencySeconds;
    shown.options = m_shown.options;
    // Chosen again, the child shown keeps the settings it shows. Another child brings back its
    // own, and the child shown until now keeps its settings, under its own key or by the name in
    // its title.
    const bool again = to.title == m_shown.title;
    if (m_settingsReadable && !again && (shown.key || !shown.name.empty()) &&
        !settings::KeepChild(*Registry, shown))
        toolkit::Say(settings::UnsavedNotice());
    const settings::Child& now = again ? shown : to;
    m_titleRead = true;
    toolkit::SetCaption(this, Text(now.title));
    for (size_t i = 0; i < m_savedControls.size(); ++i)
        ShowState(m_savedControls[i], now.states[i]);
    m_shown.fluencySeconds = now.fluencySeconds;
    ShowStatus({"0", "0", "0", ""}), ShowPanel(false); // none of another child's score
    m_options->Show(now.options);
    if (m_settingsReadable && !settings::KeepChild(*Registry, now))
        toolkit::Say(settings::UnsavedNotice());
    ShowRecorded(); // an open Results window acts for the child shown from now on
}

int frmMain::FluencyOf(const QString& title) const
{
    return title == toolkit::Caption(this)
               ? m_shown.fluencySeconds
               : ChildTitled(title.toStdString(), Children()).fluencySeconds;
}

void frmMain::KeepFluency(const QString& title, int seconds)
{
    if (title == toolkit::Caption(this)) { // saved with the settings shown
        m_shown.fluencySeconds = static_cast<int16_t>(seconds);
        return;
    }
    settings::Child child = ChildTitled(title.toStdString(), Children());
    child.fluencySeconds = static_cast<int16_t>(seconds);
    if (m_settingsReadable && !settings::KeepChild(*Registry, child, false))
        toolkit::Say(settings::UnsavedNotice());
}

void frmMain::ForChild(const QString& title)
{
    if (title != toolkit::Caption(this))
        SwitchChild(ChildTitled(title.toStdString(), Children()));
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
