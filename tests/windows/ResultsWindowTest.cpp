// The Results window wired to what the drill records and to the main window's settings.

#include "support/MainWindowSandbox.h"

#include <QAreaSeries>
#include <QChartView>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLineSeries>

#include <fstream>

using ResultsWindowTest = MainWindowSandbox;

// A drill of ten sums with 7, every answer wrong: the test in the table and the chart's summary,
// 7 ticked for practice, the tests saved as CSV and forgotten; no practice while a test runs.
TEST_F(ResultsWindowTest, ShowsWhatTheDrillRecordedAndTicksWhatIsStillMissed)
{
    Script(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(Start(), "");
    results::ResultsStore store; // the test kept from its start, with the status it shows
    ASSERT_TRUE(store.OpenForReading());
    const results::TestRow begun = store.Tests()[0];
    EXPECT_EQ(begun.title + begun.operations + begun.numbers + begun.difficulty + begun.grade,
              "Carrowby+7EasyA+");
    EXPECT_FALSE(begun.endReason.has_value());
    EXPECT_EQ(std::vector({begun.problems, begun.timeLimit, begun.percentage}),
              std::vector<int64_t>({10, 0, 100}));
    Find<QAction>("mFile_Results")->trigger(); // opened during the test: nothing to tick yet
    auto* results = window->findChild<QDialog*>("frmResults");
    ASSERT_TRUE(results && results->isVisible());
    auto running = [results] {
        return !results->findChild<QPushButton*>("cmdTickNumbers")->isEnabled() &&
               !results->findChild<QPushButton*>("cmdForget")->isEnabled();
    };
    EXPECT_TRUE(running());
    for (int problem = 0; problem < 10; ++problem)
        Answer("99", [](QWidget* feedback) { PressKey(feedback, Qt::Key_Return); });
    EXPECT_FALSE(running());
    Tick({"chkSubtraction", "chk3", "chk10"});
    Find<QComboBox>("ctlDifficulty")->setCurrentText("Hard");
    Find<QAction>("mFile_Results")->trigger();
    auto* tests = results->findChild<QTableView*>("grdTests")->model();
    ASSERT_EQ(tests->rowCount(), 1);
    QStringList row;
    for (int column = 1; column < tests->columnCount(); ++column)
        row << tests->index(0, column).data().toString();
    EXPECT_EQ(row.join('|'), "+|7|Easy|10|Unlimited|0|10|0|0|F|Finished");
    EXPECT_TRUE(results->findChild<QWidget*>("chtProgress")
                    ->accessibleDescription()
                    .contains(QRegularExpression("^1 test on .*: 0%$")));
    EXPECT_EQ(results->findChild<QLabel*>("txtWeakest")->text(),
              "Still to practise: plus with 7 (0%).");
    QStringList bands; // the grades' bands behind the line, each a letter's percentages
    QChart* chart = results->findChild<QChartView*>()->chart();
    const auto* time = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_TRUE(time);
    const auto clear = [time](qreal at) { // of the time axis's ends
        return time->min().toMSecsSinceEpoch() < at && at < time->max().toMSecsSinceEpoch();
    };
    for (QAbstractSeries* series : chart->series())
        if (auto* line = qobject_cast<QLineSeries*>(series))
            bands << QString("line at %1%2")
                         .arg(line->at(0).y())
                         .arg(clear(line->at(0).x()) ? "" : " on the edge");
        else if (auto* band = qobject_cast<QAreaSeries*>(series))
            bands << QString("%1-%2%3")
                         .arg(band->lowerSeries()->at(0).y())
                         .arg(band->upperSeries()->at(0).y())
                         .arg(band->brush().color().lightness() > 200 ? "" : " dark");
    EXPECT_EQ(bands.join(' '), "0-60 60-70 70-80 80-90 90-100 line at 0");
    EXPECT_EQ(results->findChild<QChartView*>()->chart()->axes().size(), 3) << "time, %, grades";
    auto* view = results->findChild<QChartView*>(); // a dotted frame while it has the focus
    const auto dots = [view] {
        const QImage image = view->viewport()->grab().toImage();
        int dots = 0;
        for (int y = 0; y < image.height(); ++y)
            dots += qGray(image.pixel(qRound(2 * image.devicePixelRatio()), y)) < 200;
        return dots;
    };
    const int unfocused = dots();
    results->findChild<QTabWidget*>()->setCurrentIndex(0);
    QApplication::setActiveWindow(results), view->setFocus();
    EXPECT_TRUE(unfocused == 0 && dots() > 0) << unfocused;
    auto* grid = results->findChild<QTableWidget*>("grdPractice"); // plus with 0, and divided by 7
    EXPECT_EQ(grid->item(0, 0)->text() + grid->item(3, 7)->text(), "0%-");

    QTest::mouseClick(results->findChild<QPushButton*>("cmdTickNumbers"), Qt::LeftButton);
    EXPECT_EQ(Ticked(), "chkAddition chk7 Easy");
    EXPECT_EQ(window->focusWidget(), Find("btnStart")) << "ready for Enter";

    // The test opened by Enter on its row: its problems, and the numbers missed in it ticked.
    auto* table = results->findChild<QTableView*>("grdTests");
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
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(Ticked(), "chkAddition chk0 chk1 chk2 chk3 chk4 chk5 chk6 chk7 chk8 chk9 Easy");

    const QString csv = QString::fromStdString(m_folder) + "/tests.csv";
    WhenModal([&](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText(csv);
        PressKey(dialog, Qt::Key_Return);
    });
    QTest::mouseClick(results->findChild<QPushButton*>("cmdExport"), Qt::LeftButton);
    EXPECT_EQ(QString::fromStdString(FileText(csv.toStdString())).count('\n'), 2);
    results::Recorder more; // eleven tests more: the chart's span the last ten of them
    for (int test = 0; test < 11; ++test)
        more.TestStarted({"Carrowby", "+", "7", "Easy", 10, test * 9}, {}),
            more.TestEnded({}, test == 10 ? results::EndReason::Time : results::EndReason{});
    Find<QAction>("mFile_Results")->trigger();
    EXPECT_EQ(tests->index(0, 5).data().toString() + " " + tests->index(0, 11).data().toString(),
              "1:30 Time ran out");
    EXPECT_EQ(table->verticalHeader()->count(), 12) << "the table shown anew";
    auto* span = results->findChild<QComboBox*>("ctlSpan");
    span->setCurrentIndex(span->findData(10));
    EXPECT_TRUE(results->findChild<QLabel*>("txtSummary")->text().startsWith("10 tests since"));
    span->setCurrentIndex(span->findData(0));
    EXPECT_TRUE(results->findChild<QLabel*>("txtSummary")->text().startsWith("12 tests since"));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Y}) { // Enter answers No
        WhenModal([key](QWidget* ask) { PressKey(ask, key); });
        QTest::mouseClick(results->findChild<QPushButton*>("cmdForget"), Qt::LeftButton);
        EXPECT_EQ(tests->rowCount(), key == Qt::Key_Y ? 0 : 12);
    }

    Script(0, {0});
    EXPECT_EQ(Start(), "");
    EXPECT_TRUE(running());
}

