#pragma once

#include "drill/ProblemDraw.h"
#include "registry/RegistryManager.h"
#include "results/Practice.h"
#include "results/Recorder.h"
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
class QComboBox;
class frmAnswer;
class frmResults;

// The main window and the whole drill.
//
// The settings frame (operations, numbers, time limit, difficulty, length) and the problem
// frame lie on the same spot; Start shows the problem frame over the settings, and the end
// of a test hides it again. A test moves through NextProblem (draw and show a problem),
// btnSubmit_Click (judge the answer, show the feedback window, refresh the status) and
// EndTest; the one-second myTimer counts a time limit down meanwhile, also while the
// feedback window is open. The rules live in the drill engine (ProblemDraw, SettingsChecks,
// Scoring); the window reads its controls into it and writes what it gives into captions.
//
// Some state lives only in captions, as the window shows it: the seconds left are the text
// of txtTimeRemaining, and the grade is read back from the percentage caption. The settings
// and the title are loaded from the registry when the window loads and saved when it
// unloads. Every test is recorded as it runs (results::Recorder), and File > Results... shows
// what was recorded.
class frmMain : public QMainWindow
{
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    void ResetDisplay();
    void btnStart_Click();
    void NextProblem();
    void ShowProblem(const drill::Problem& problem);
    void btnSubmit_Click();
    void UpdateStatus();
    void EndTest();
    void ctlTimed_Click();
    void Form_Load();
    void LoadSettings();
    void WriteDefaultSettings();
    void SaveSettings();
    void Form_Terminate();
    void Form_Unload(int16_t& Cancel);
    void mFile_Exit_Click();
    void mFile_Results_Click();
    void mFile_Personalize_Click();
    void mHelp_About_Click();
    void myTimer_Timer();
    void txtInput_KeyPress(int16_t& KeyAscii);

    QTimer myTimer;

    // Where the drill's random numbers come from (a time-seeded generator unless replaced).
    void SetRandomSource(std::unique_ptr<toolkit::RandomSource> source);

    // What ending the program does once the settings are saved (leave the event loop unless
    // replaced).
    void SetProgramEnd(std::function<void()> endProgram);

    // Saves the settings as the window last showed them, touching no widget, unless the window
    // has unloaded: for an end that bypasses the event loop, as when the display goes away.
    void SaveBeforeLostDisplay();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<QCheckBox*, 4> OperationBoxes() const;
    drill::DrillChoice ReadDrillChoice() const;
    void ShowStatus(const QString& correct, const QString& incorrect, const QString& percentage,
                    const QString& grade);
    void SettingsError(const std::string& prompt);
    // While the problem frame covers the settings, they stay enabled but are out of the Tab
    // order, so the keyboard stays on what the user can see.
    void CoverSettings(bool covered);
    // The settings as the controls show them, kept current as they change.
    void KeepShownSettings();
    void SaveShownSettings();
    // The status after the answers so far, as UpdateStatus shows it, in the results' terms.
    results::Score ScoreAfterAnswers() const;
    void RecordEnd(results::EndReason reason);
    // Sets the settings to practise these on Easy, ready for Start.
    void TickForPractice(const results::Practice& practice);

    std::unique_ptr<Ui::frmMain> ui;
    // The saved controls, found by their names, in the order of the saved settings.
    std::array<QWidget*, settings::SavedControls.size()> m_savedControls{};

    int32_t RightAnswer = 0;
    int16_t ProblemNumber = 0;
    int16_t NumberOfProblems = 0;
    int16_t NumberCorrect = 0;
    int16_t NumberIncorrect = 0;
    std::unique_ptr<RegistryManager> Registry;
    settings::SavedSettings m_shown;

    QPointer<frmAnswer> m_frmAnswer;
    QPointer<frmResults> m_frmResults;
    results::Recorder m_recorder;
    std::unique_ptr<toolkit::RandomSource> m_random;
    std::function<void()> m_endProgram;
    bool m_settingsReadable = true; // a store that could not be read is never written
    bool m_titleRead = true;        // a stored title that could not be read is kept
    bool m_unloaded = false;
    unsigned m_test = 0;      // counts the starts and ends of tests, so an answer knows its own
    bool m_answering = false; // an answer's verdict is up
    std::vector<std::pair<QWidget*, Qt::FocusPolicy>> m_coveredFocus;
};
