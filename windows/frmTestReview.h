#pragma once

#include "results/Practice.h"
#include "results/TestRecord.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class frmTestReview;
}

// One recorded test's problems in order, for going over the mistakes with the child: each
// problem as it was posed, what was typed, the right answer and the seconds it took, the wrong
// ones marked by word and colour; a button sets the main window to practise exactly what was
// missed.
class frmTestReview : public QDialog
{
    Q_OBJECT

  public:
    frmTestReview(QWidget* owner, const results::TestRow& test,
                  const std::vector<results::ProblemRow>& problems, bool testRunning);
    ~frmTestReview() override;

    void cmdPractiseAgain_Click();

  signals:
    void Practise(const results::Practice& practice);

  private:
    std::unique_ptr<Ui::frmTestReview> ui;
    results::Practice m_missed;
};
