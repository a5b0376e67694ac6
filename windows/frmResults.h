#pragma once

#include "ProgressChart.h"
#include "ResultsWindow.h"
#include "learning/Facts.h"
#include "results/ResultsReader.h"
#include "results/ResultsWriter.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class frmResults;
}
class TestsModel;

// The tests recorded so far, for a parent: the percentage of each test over time, the tests in
// a table, and where each fact stands, with buttons that tick the numbers still missed in the
// main window or start a practice of the facts still to learn. It shows the tests of one title
// at a time, the main window's own first; it reads the results file afresh each time it is
// shown, and may be left open beside the drill.
class frmResults : public QDialog, public ResultsWindow
{
    Q_OBJECT

  public:
    explicit frmResults(const Setup& setup);
    ~frmResults() override;

    QWidget* Window() override { return this; }
    void Refresh(const QString& titleInUse, const results::Recording& recording) override;
    void SetTestRunning(bool running) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void ctlTitle_Click();
    void ctlSpan_Click();
    void cmdTickNumbers_Click();
    void cmdPractiseFacts_Click();
    void ctlOperation_Click();
    void ctlFluency_Click();
    void cmdForget_Click();
    void cmdForgetTitle_Click();
    // After a confirmation, the copies of the results file set aside as damaged gone for good.
    void cmdForgetSetAside_Click();
    void cmdPrint_Click();
    // Opens a test of the table (Enter or a double-click) to go over its problems.
    void grdTests_Activated(const QModelIndex& row);

  private:
    // The keyboard on the first control of the page shown, the table's newest test on Tests.
    void FocusPage();
    // Hands the main window numbers to practise, and says what.
    void Tick(const learning::Practice& practice);
    // Starts a practice of these in the main window.
    void Ask(const std::vector<learning::Asked>& asked);
    void ShowTests();
    // Saves as CSV for a spreadsheet the tests, or every answer, of the title chosen or of every
    // title, in a file the user names.
    void Export(bool answers, bool everyTitle);
    // After a confirmation, the tests of a title, or every test, gone for good.
    void Forget(const std::optional<QString>& title);
    // Forgets through a writer of the file, and says what could not be forgotten.
    void Forgotten(const QString& caption,
                   const std::function<bool(results::ResultsWriter&)>& forget);
    void ShowFacts();
    // The operation whose facts are shown, and what a practice of them asks, the first first.
    char Operation() const;
    std::vector<learning::Fact> ToPractise() const;
    void SayHowRecordingStands();
    // What was set aside of a results file that could not be read whole, and saved from it.
    void SaySetAside();
    // What a read gives, or nothing where it failed, whose reason is then shown.
    template <typename Rows> Rows Read(std::optional<Rows> rows);
    QString ChosenTitle() const;
    QString CannotBeRead(const results::Reason& why) const;
    // The tests the chart shows: as many of the newest as chosen.
    std::vector<results::TestRow> Charted() const;
    // What the main window is to say it now shows, where the title chosen is not the one in
    // use; nothing where it is.
    QString ForChosenTitle() const;

    std::unique_ptr<Ui::frmResults> ui;
    results::ResultsReader m_reader;
    TestsModel* m_tests;
    learning::FactTable m_facts;
    results::Recording m_recording;
    std::optional<results::Reason> m_unread; // why the file could not be read, where it could not
    QString m_titleInUse;
    bool m_testRunning = false;
    Setup m_setup;
};
