#pragma once

#include "drill/OptionsMenu.h"
#include "drill/TestRecording.h"
#include "drill/TestRun.h"
#include "learning/Practice.h"
#include "registry/RegistryManager.h"
#include "results/Recorder.h"
#include "settings/Children.h"
#include "settings/SavedSettings.h"
#include "toolkit/RandomSource.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class frmMain;
}
class QCheckBox;
class frmAnswer;
class ResultsWindow;

// The main window, which shows the drill and hands it what the user does.
//
// The settings frame (operations, numbers, time limit, difficulty, length) and the problem
// frame lie on the same spot; Start shows the problem frame over the settings, and the end
// of a test hides it again. A test moves through NextProblem (pose a problem and show it),
// btnSubmit_Click (judge the answer, show the feedback window, refresh the status) and
// EndTest; the one-second myTimer counts a time limit down meanwhile, also while the
// feedback window is open. The test in progress and its rules are a drill::TestRun, whose
// problems come from a source (the settings as they stand); the window writes what it holds
// into captions and never reads them back.
//
// The settings and the title are loaded from the registry when the window loads and saved when
// it unloads. Every test is recorded as it runs (results::Recorder), and File > Results... shows
// what was recorded.
class frmMain : public QMainWindow
{
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Where the drill's random numbers come from (a time-seeded generator unless replaced).
    void SetRandomSource(std::unique_ptr<toolkit::RandomSource> source);
    // Where the time comes from, for the countdown and the recording (the system's unless
    // replaced).
    void SetClock(std::shared_ptr<const toolkit::Clock> clock);

    // What ending the program does once the settings are saved (leave the event loop unless
    // replaced).
    void SetProgramEnd(std::function<void()> endProgram);

    // Saves the settings as the window last showed them, touching no widget, unless the window
    // has unloaded: for an end that bypasses the event loop, as when the display goes away.
    void SaveBeforeLostDisplay();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void btnStart_Click();
    void NextProblem();
    void btnSubmit_Click();
    void ctlTimed_Click();
    void myTimer_Timer();
    void mFile_Exit_Click();
    void mFile_Results_Click();
    void mFile_Personalize_Click();
    void mHelp_About_Click();
    // Sets the settings to practise these on Easy, ready for Start.
    void TickForPractice(const learning::Practice& practice);
    // Starts a practice of these, as many as a test of the length chosen has, with those to ask
    // between where a missed one would come straight back.
    void StartPractice(const std::vector<learning::Asked>& asked,
                       const std::vector<learning::Asked>& between);
    // Shows the Results window anew, where it is open, once a test's start or end is in the file.
    void ShowRecorded();

  private:
    void ResetDisplay();
    void ShowProblem();
    void UpdateStatus();
    void EndTest();
    void Form_Load();
    void LoadSettings();
    void WriteDefaultSettings();
    void SaveSettings();
    void Form_Terminate();
    void Form_Unload();
    // Before the window unloads on the user's word: the test that runs ended, and what the
    // recorder still holds waited for, or left for the next start, as the user chooses.
    void WaitForRecording();
    void txtInput_KeyPress(int16_t& KeyAscii);

    // Begins a test, or a practice, of this source's problems.
    void Begin(std::unique_ptr<drill::ProblemSource> source, const results::TestSetup& setup);
    std::array<QCheckBox*, 4> OperationBoxes() const;
    drill::DrillChoice ReadDrillChoice() const;
    void ShowStatus(const drill::StatusCaptions& status);
    // The status panel of a practice, or of a test.
    void ShowPanel(bool practice);
    void SettingsError(const std::string& prompt);
    // While the problem frame covers the settings, they stay enabled but are out of the Tab
    // order, so the keyboard stays on what the user can see.
    void CoverSettings(bool covered);
    // The settings as the controls show them, kept current as they change.
    void KeepShownSettings();
    void SaveShownSettings();
    // The children kept in the store, the most recently used first.
    std::vector<settings::Child> Children() const;
    // The child kept with this title, or a new one with the settings shown.
    settings::Child ChildTitled(const std::string& title,
                                const std::vector<settings::Child>& children) const;
    // Shows this child's title and settings, keeping those of the child shown until now; the
    // child shown, chosen again, keeps the settings it shows.
    void SwitchChild(const settings::Child& to);
    // Switches to the child of this title, where another is shown: one kept, or one new with
    // the settings shown.
    void ForChild(const QString& title);
    // The seconds within which a right answer is fluent for the child of this title, and a new
    // choice of them, kept with that child's settings.
    int FluencyOf(const QString& title) const;
    void KeepFluency(const QString& title, int seconds);

    std::unique_ptr<Ui::frmMain> ui;
    // The saved controls, found by their names, in the order of the saved settings.
    std::array<QWidget*, settings::SavedControls.size()> m_savedControls{};
    QTimer myTimer;

    std::unique_ptr<RegistryManager> Registry;
    settings::SavedSettings m_shown;

    std::shared_ptr<const toolkit::Clock> m_clock;
    std::unique_ptr<toolkit::RandomSource> m_random;
    drill::TestRun m_run;
    QPointer<frmAnswer> m_frmAnswer;
    // The Results window, while its owner has not let it go.
    ResultsWindow* Results() const { return m_resultsWindow ? m_results : nullptr; }
    ResultsWindow* m_results = nullptr;
    QPointer<QWidget> m_resultsWindow;
    results::Recorder m_recorder;
    drill::TestRecording m_recording;       // the recorder following each test
    std::unique_ptr<OptionsMenu> m_options; // Read Aloud, another listener, and High Contrast
    std::function<void()> m_endProgram;
    bool m_settingsReadable = true; // a store that could not be read is never written
    bool m_titleRead = true;        // a stored title that could not be read is kept
    bool m_unloaded = false;
    bool m_answering = false; // an answer's verdict is up
    std::vector<std::pair<QWidget*, Qt::FocusPolicy>> m_coveredFocus;
};
