// The Results window wired to what the drill records and to the main window's settings.

#include "results/Recorder.h"
#include "results/ResultsReader.h"
#include "support/MainWindowSandbox.h"

#include <QAreaSeries>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLineSeries>

#include <filesystem>

namespace {

class ResultsWindowTest : public MainWindowSandbox
{
  protected:
    // A drill of ten sums with 7 on Easy by the keyboard, every answer wrong; the Results
    // window opened once the test is in the file.
    QDialog* DrillAllWrong()
    {
        Script(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        EXPECT_EQ(Start(), "");
        for (int problem = 0; problem < 10; ++problem)
            Answer("99", [](QWidget* feedback) { PressKey(feedback, Qt::Key_Return); });
        EXPECT_TRUE(QTest::qWaitFor([] { return Ended().size() == 1; }));
        return OpenResults();
    }
    QDialog* OpenResults()
    {
        Find<QAction>("mFile_Results")->trigger();
        auto* results = window->findChild<QDialog*>("frmResults");
        EXPECT_TRUE(results && results->isVisible());
        return results;
    }
    // The tests in the file that have ended, newest first.
    static std::vector<results::TestRow> Ended()
    {
        results::ResultsReader reader;
        std::vector<results::TestRow> ended;
        for (const auto& test : reader.Open() ? reader.Tests().value() : ended)
            if (test.endReason)
                ended.push_back(test);
        return ended;
    }
    // A row of the Tests table, its cells joined by '|'.
    static QString TableRow(QDialog* results, int row)
    {
        const QAbstractItemModel* tests = results->findChild<QTableView*>("grdTests")->model();
        QStringList cells;
        for (int column = 0; column < tests->columnCount(); ++column)
            cells << tests->index(row, column).data().toString();
        return cells.join('|');
    }
    template <typename Control = QWidget> static Control* In(QDialog* results, const char* name)
    {
        auto* control = results->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
};

} // namespace

// The test is in the file from its start, with its settings; opened during it, the window lets
// nothing change the main window's settings or forget the test.
TEST_F(ResultsWindowTest, ATestIsKeptFromItsStartAndNothingIsTickedWhileItRuns)
{
    Script(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(Start(), "");
    results::ResultsReader reader;
    ASSERT_TRUE(QTest::qWaitFor([&] { return reader.Open() && !reader.Tests()->empty(); }));
    const results::TestRow begun = reader.Tests().value()[0];
    EXPECT_EQ(begun.title + begun.operations + begun.numbers + begun.difficulty + begun.grade,
              "Carrowby+7Easy");
    EXPECT_FALSE(begun.endReason || begun.percentage) << "nothing answered: no percentage";
    EXPECT_EQ(std::vector({begun.problems, begun.timeLimit}), std::vector<int64_t>({10, 0}));
    QDialog* results = OpenResults();
    auto running = [&] {
        return !In<QPushButton>(results, "cmdTickNumbers")->isEnabled() &&
               !In<QPushButton>(results, "cmdForget")->isEnabled();
    };
    EXPECT_TRUE(running());
    for (int problem = 0; problem < 10; ++problem)
        Answer("99", [](QWidget* feedback) { PressKey(feedback, Qt::Key_Return); });
    EXPECT_FALSE(running());
    QTRY_COMPARE(TableRow(results, 0).section('|', 1), QString("+|7|Easy|10|Unlimited|0|10|0|0|F|"
                                                               "Finished"));
    Script(0, {0});
    EXPECT_EQ(Start(), "");
    EXPECT_TRUE(running());
}

// The chart draws the grades' bands faintly behind the test's point, clear of the time axis's
// ends, says in words what it shows, and shows by a dotted frame that it has the keyboard.
TEST_F(ResultsWindowTest, TheChartDrawsTheTestOverTheGradesBands)
{
    QDialog* results = DrillAllWrong();
    EXPECT_TRUE(In(results, "chtProgress")
                    ->accessibleDescription()
                    .contains(QRegularExpression("^1 test on .*: 0%$")));
    QStringList drawn;
    auto* view = results->findChild<QChartView*>();
    QChart* chart = view->chart();
    const auto* time = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(time);
    const auto clear = [time](qreal at) {
        return time->min().toMSecsSinceEpoch() < at && at < time->max().toMSecsSinceEpoch();
    };
    for (QAbstractSeries* series : chart->series())
        if (auto* line = qobject_cast<QLineSeries*>(series))
            drawn << QString("line at %1%2")
                         .arg(line->at(0).y())
                         .arg(clear(line->at(0).x()) ? "" : " on the edge");
        else if (auto* band = qobject_cast<QAreaSeries*>(series))
            drawn << QString("%1-%2%3")
                         .arg(band->lowerSeries()->at(0).y())
                         .arg(band->upperSeries()->at(0).y())
                         .arg(band->brush().color().lightness() > 200 ? "" : " dark");
    EXPECT_EQ(drawn.join(' '), "0-60 60-70 70-80 80-90 90-100 line at 0");
    EXPECT_EQ(chart->axes().size(), 3) << "time, %, grades";
    const auto dots = [view] {
        const QImage image = view->viewport()->grab().toImage();
        int dots = 0;
        for (int y = 0; y < image.height(); ++y)
            dots += qGray(image.pixel(qRound(2 * image.devicePixelRatio()), y)) < 200;
        return dots;
    };
    const int unfocused = dots();
    In<QTabWidget>(results, "tabResults")->setCurrentIndex(0);
    QApplication::setActiveWindow(results), view->setFocus();
    EXPECT_TRUE(unfocused == 0 && dots() > 0) << unfocused;
}

// Tick These Numbers ticks what is still missed, ready for Start; a test opened by Enter shows its
// problems, and Practise These Again ticks what was missed in it.
TEST_F(ResultsWindowTest, WhatWasMissedIsTickedForPractice)
{
    QDialog* results = DrillAllWrong();
    Tick({"chkSubtraction", "chk3", "chk10"});
    Find<QComboBox>("ctlDifficulty")->setCurrentText("Hard");
    EXPECT_EQ(In<QLabel>(results, "txtWeakest")->text(), "Still to practise: plus with 7 (0%).");
    auto* grid = In<QTableWidget>(results, "grdPractice"); // plus with 0, and divided by 7
    EXPECT_EQ(grid->item(0, 0)->text() + grid->item(3, 7)->text(), "0%-");
    QTest::mouseClick(In<QPushButton>(results, "cmdTickNumbers"), Qt::LeftButton);
    EXPECT_EQ(Ticked(), "chkAddition chk7 Easy");
    EXPECT_EQ(window->focusWidget(), Find("btnStart")) << "ready for Enter";
    WhenModal([&](QWidget* review) {
        auto* problems = review->findChild<QTableWidget*>("grdProblems");
        QStringList first;
        for (int column : {0, 1, 2, 4}) // the seconds as the user's locale writes them
            first << problems->item(0, column)->text();
        EXPECT_EQ(first.join('|'), "7 + 0|99|7|Wrong");
        EXPECT_NE(problems->item(0, 0)->background(), QBrush()) << "marked by colour too";
        EXPECT_EQ(problems->rowCount(), 10);
        QTest::mouseClick(review->findChild<QPushButton*>("cmdPractiseAgain"), Qt::LeftButton);
    });
    QTest::keyClick(In(results, "grdTests"), Qt::Key_Return);
    EXPECT_EQ(Ticked(), "chkAddition chk0 chk1 chk2 chk3 chk4 chk5 chk6 chk7 chk8 chk9 Easy");
}

// Export writes the tests as the table lists them into a file as private as the results.
TEST_F(ResultsWindowTest, ExportWritesTheTestsPrivately)
{
    QDialog* results = DrillAllWrong();
    const QString csv = QString::fromStdString(m_folder) + "/tests.csv";
    WhenModal([&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText(csv);
        PressKey(dialog, Qt::Key_Return);
    });
    QTest::mouseClick(In<QPushButton>(results, "cmdExport"), Qt::LeftButton);
    EXPECT_EQ(QString::fromStdString(FileText(csv.toStdString())).count('\n'), 2);
    EXPECT_EQ(std::filesystem::status(csv.toStdString()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

// The table and the chart follow the tests recorded since: a time limit as minutes and seconds,
// a test whose time ran out, the chart's span the last ten or all.
TEST_F(ResultsWindowTest, TheTableAndTheChartFollowNewTests)
{
    QDialog* results = DrillAllWrong();
    {
        results::Recorder more;
        for (int test = 0; test < 11; ++test)
            more.TestStarted({"Carrowby", "+", "7", "Easy", 10, test * 9}, {}),
                more.TestEnded({5, 5, 0, 50, "F"},
                               test == 10 ? results::EndReason::Time : results::EndReason{});
    }
    Find<QAction>("mFile_Results")->trigger();
    EXPECT_EQ(TableRow(results, 0).section('|', 5, 5) + " " + TableRow(results, 0).section('|', -1),
              "1:30 Time ran out");
    EXPECT_EQ(results->findChild<QTableView*>("grdTests")->verticalHeader()->count(), 12)
        << "the table shown anew";
    auto* span = In<QComboBox>(results, "ctlSpan");
    span->setCurrentIndex(span->findData(10));
    EXPECT_TRUE(In<QLabel>(results, "txtSummary")->text().startsWith("10 tests since"));
    span->setCurrentIndex(span->findData(0));
    EXPECT_TRUE(In<QLabel>(results, "txtSummary")->text().startsWith("12 tests since"));
}

// Forget All asks first, Enter answering No; Yes forgets every test.
TEST_F(ResultsWindowTest, ForgetAllAsksFirst)
{
    QDialog* results = DrillAllWrong();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Y}) {
        WhenModal([key](QWidget* ask) { PressKey(ask, key); });
        QTest::mouseClick(In<QPushButton>(results, "cmdForget"), Qt::LeftButton);
        EXPECT_EQ(results->findChild<QTableView*>("grdTests")->model()->rowCount(),
                  key == Qt::Key_Y ? 0 : 1);
    }
}
