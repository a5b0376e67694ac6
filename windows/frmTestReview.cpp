#include "frmTestReview.h"

#include "TestsModel.h"
#include "learning/Missed.h"
#include "toolkit/Accessibility.h"
#include "toolkit/HighContrast.h"
#include "toolkit/ScreenPlacement.h"
#include "ui_frmTestReview.h"

#include <QHeaderView>
#include <QLocale>

namespace {

enum Column
{
    Posed,
    Typed,
    RightAnswer,
    Seconds,
    Verdict
};

// The problem on one line, its operands top to bottom: "17 - 9".
QString PosedText(const learning::Asked& problem)
{
    QStringList operands;
    for (const int64_t operand : problem.operands)
        operands << QString::number(operand);
    return operands.join(QStringLiteral(" %1 ").arg(QChar::fromLatin1(problem.operation)));
}

} // namespace

frmTestReview::frmTestReview(QWidget* owner, const results::TestRow& test,
                             const std::vector<results::ProblemRow>& problems, bool testRunning)
    : QDialog(owner), ui(std::make_unique<Ui::frmTestReview>()),
      m_missed(learning::MissedOnce(problems))
{
    ui->setupUi(this);
    toolkit::KeepOnScreen(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (test.practice) // a practice is for learning, and never called a test
        setWindowTitle(tr("Problems of the Practice"));
    ui->txtTest->setText(tr("%1: %2, %3, %4")
                             .arg(TestsModel::StartedText(test.started),
                                  tr("%n correct", nullptr, static_cast<int>(test.correct)),
                                  tr("%n incorrect", nullptr, static_cast<int>(test.incorrect)),
                                  tr("%n unanswered", nullptr, static_cast<int>(test.unanswered))));
    ui->grdProblems->setRowCount(static_cast<int>(problems.size()));
    for (int row = 0; row < ui->grdProblems->rowCount(); ++row) {
        const results::ProblemRow& problem = problems[static_cast<size_t>(row)];
        const QString cells[] = {
            PosedText({problem.operation, problem.operands}), QString::fromStdString(problem.given),
            QString::number(problem.rightAnswer), QLocale().toString(problem.seconds, 'f', 1),
            problem.correct ? tr("Right") : tr("Wrong")};
        for (int column = Posed; column <= Verdict; ++column) {
            auto* cell = new QTableWidgetItem(cells[column]);
            if (column != Verdict)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!problem.correct) {
                cell->setBackground(toolkit::Ground(QColor(255, 205, 205)));
                QFont font = cell->font();
                font.setBold(column == Verdict);
                cell->setFont(font);
            }
            ui->grdProblems->setItem(row, column, cell);
        }
        ui->grdProblems->setVerticalHeaderItem(
            row, new QTableWidgetItem(QString::number(problem.number)));
    }
    ui->grdProblems->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QStringList missed;
    for (const learning::Asked& problem : m_missed)
        missed << PosedText(problem);
    ui->txtMissed->setText(missed.isEmpty()
                               ? test.practice ? tr("Nothing was missed in this practice.")
                                               : tr("Nothing was missed in this test.")
                               : tr("Missed: %1.").arg(QLocale().createSeparatedList(missed)));
    ui->cmdPractiseAgain->setEnabled(!m_missed.empty() && !testRunning);
    if (m_missed.empty()) // where there is nothing to practise, the button says so
        ui->cmdPractiseAgain->setText(tr("Nothing to Practise"));
    connect(ui->cmdPractiseAgain, &QPushButton::clicked, this,
            &frmTestReview::cmdPractiseAgain_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    ui->grdProblems->setFocus();
}

frmTestReview::~frmTestReview() = default;

void frmTestReview::cmdPractiseAgain_Click()
{
    emit Practise(m_missed);
    accept();
}
