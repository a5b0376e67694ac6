#pragma once

#include "learning/Practice.h"
#include "results/TestRecord.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class frmTestReview;
}

// One recorded test's problems in order, for going over the mistakes with the child: each
// problem as it was posed, what was typed, the right answer and the seconds it took, the wrong
// ones marked by word and colour; a button starts a practice of exactly what was missed.
class frmTestReview : public QDialog
{
    Q_OBJECT

  public:
    frmTestReview(QWidget* owner, const results::TestRow& test,
                  const std::vector<results::ProblemRow>& problems, bool testRunning);
    ~frmTestReview() override;

    void cmdPractiseAgain_Click();

  signals:
    // Starts a practice of these in the main window.
    void Practise(const std::vector<learning::Asked>& asked);

  private:
    std::unique_ptr<Ui::frmTestReview> ui;
    std::vector<learning::Asked> m_missed; // each problem answered wrong, a fact once
};
