#pragma once

#include "drill/ProblemDraw.h"
#include "registry/RegistryManager.h"
#include "toolkit/RandomSource.h"
#include "windows/frmAnswer.h"

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

// The main window and the whole drill.
//
// The settings frame (operations, numbers, time limit, difficulty, length) and the problem
// frame lie on the same spot; Start shows the problem frame over the settings, and the end
// of a test hides it again. A test moves through NextProblem (draw and show a problem),
// btnSubmit_Click (judge the answer, show the feedback window, refresh the status) and
// EndTest; the one-second myTimer counts a time limit down meanwhile, also while the
// feedback window is open.
//
// Some state lives only in captions, as the window shows it: the seconds left are the text
// of txtTimeRemaining, the operation is the text of txtOp, and the grade is read back from
// the percentage caption. The settings and the title are loaded from the registry when the
// window loads and saved when it unloads.
class frmMain : public QMainWindow
{
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    void ResetDisplay();
    void btnStart_Click();
    void NextProblem();
    void ComputeAnswer(int32_t FirstOperand, int32_t SecondOperand, int32_t ThirdOperand,
                       int32_t FourthOperand);
    void ShowProblem(int32_t FirstOperand, int32_t SecondOperand, int32_t ThirdOperand,
                     int32_t FourthOperand);
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
    void mFile_Personalize_Click();
    void mHelp_About_Click();
    void myTimer_Timer();
    void txtInput_KeyPress(int16_t& KeyAscii);

    QTimer myTimer;

    // The test in progress, as the window keeps it.
    struct TestState
    {
        int32_t RightAnswer;
        int16_t ProblemNumber;
        int16_t NumberOfProblems;
        int16_t NumberCorrect;
        int16_t NumberIncorrect;
    };
    TestState State() const;

    // The feedback window while it exists.
    frmAnswer* AnswerWindow() const { return m_frmAnswer; }

    // Where the drill's random numbers come from (a time-seeded generator unless replaced).
    void SetRandomSource(std::unique_ptr<toolkit::RandomSource> source);

    // What ending the program does once the settings are saved (leave the event loop unless
    // replaced).
    void SetProgramEnd(std::function<void()> endProgram);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<QCheckBox*, 4> OperationBoxes() const;
    std::array<QCheckBox*, 11> NumberBoxes() const;
    // The saved controls, in the order they are saved and loaded.
    std::vector<QCheckBox*> SettingsCheckBoxes() const;
    std::array<QComboBox*, 3> SettingsLists() const;
    drill::DrillChoice ReadDrillChoice() const;
    void ShowGrade();
    void SettingsError(const char* prompt);

    std::unique_ptr<Ui::frmMain> ui;

    int32_t RightAnswer = 0;
    int16_t ProblemNumber = 0;
    int16_t NumberOfProblems = 0;
    int16_t NumberCorrect = 0;
    int16_t NumberIncorrect = 0;
    std::unique_ptr<RegistryManager> Registry;

    QPointer<frmAnswer> m_frmAnswer;
    std::unique_ptr<toolkit::RandomSource> m_random;
    std::function<void()> m_endProgram;
    bool m_unloaded = false;
};
