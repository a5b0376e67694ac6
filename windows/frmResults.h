#pragma once

#include "ProgressChart.h"
#include "results/Practice.h"
#include "results/ResultsStore.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class frmResults;
}
class TestsModel;

// The tests recorded so far, for a parent: the percentage of each test over time, the tests in
// a table, and which numbers are still to practise, with a button that ticks them in the main
// window. It shows the tests of one title at a time, the main window's own first; it reads the
// results file afresh each time it is shown, and may be left open beside the drill.
class frmResults : public QDialog
{
    Q_OBJECT

  public:
    frmResults(QWidget* owner, std::string path, ProgressChart::GradeBands bands);
    ~frmResults() override;

    // Reads the tests anew, showing those of the title now in use; whyNotKept says why the
    // tests are not being recorded, if they are not.
    void Refresh(const QString& titleInUse, const std::optional<std::string>& whyNotKept);
    // While a test runs, the main window's settings are not to be changed from here.
    void SetTestRunning(bool running);

    void ctlTitle_Click();
    void ctlSpan_Click();
    void cmdTickNumbers_Click();
    void cmdExport_Click();
    void cmdForget_Click();
    // Opens a test of the table (Enter or a double-click) to go over its problems.
    void grdTests_Activated(const QModelIndex& row);

  signals:
    // The main window is to be set to practise these.
    void Practise(const results::Practice& practice);

  private:
    void ShowTests();
    void ShowPractice();
    void SayWhyNotKept();
    QString ChosenTitle() const;

    std::unique_ptr<Ui::frmResults> ui;
    results::ResultsStore m_store;
    TestsModel* m_tests;
    results::Weakest m_weakest;
    std::optional<std::string> m_whyNotKept;
    bool m_testRunning = false;
};
