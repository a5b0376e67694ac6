// The Results window wired to what the drill records and to the main window's settings.

#include "results/ResultsReader.h"
#include "results/ResultsWriter.h"
#include "settings/Children.h"
#include "support/MainWindowSandbox.h"
#include "toolkit/HighContrast.h"

#include <QAreaSeries>
#include <QBitmap>
#include <QChartView>
#include <QDateTimeAxis>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QProcess>
#include <QValueAxis>

#include <filesystem>

class ResultsWindowTest : public MainWindowSandbox
{
  protected:
    // Ten sums with 7 by the keyboard, all wrong; Results opened once the test is in the file.
    QDialog* DrillAllWrong()
    {
        const auto before = Ended().size();
        Script(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        EXPECT_EQ(Start(), "");
        for (int problem = 0; problem < 10; ++problem)
            Answer("99");
        EXPECT_TRUE(QTest::qWaitFor([before] { return Ended().size() == before + 1; }));
        return OpenResults();
    }
    // A test by another copy: 5 right of 10 unless scored otherwise, ended seconds after its start.
    void Taken(const results::TestSetup& setup, double seconds, results::EndReason why = {},
               const results::Score& score = {5, 5, 0, 50, "F"})
    {
        results::Recorder other;
        other.SetClock(clock), other.TestStarted(setup, {}), clock->Pass(seconds);
        other.TestEnded(score, why);
    }
    // The titles of the tests in the file that have ended, newest first.
    static QStringList Ended()
    {
        results::ResultsReader reader;
        QStringList ended;
        for (const auto& test : reader.Open() ? *reader.Tests() : std::vector<results::TestRow>())
            if (test.endReason)
                ended << QString::fromStdString(test.title);
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
    // The report printed to its PDF file: its text as laid out, and its first word's left edge.
    std::pair<QString, double> Printed(QDialog* results, const QString& title) const
    {
        const QString pdf = QDir::home().filePath(
            title + " report " + QDate::currentDate().toString(Qt::ISODate) + ".pdf");
        WhenModal([](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Print Report");
            PressKey(dialog, Qt::Key_Return);
        });
        QTest::mouseClick(Find<QPushButton>("cmdPrint", results), Qt::LeftButton);
        QStringList read;
        for (const char* option : {"-layout", "-bbox"}) {
            QProcess text;
            text.start("pdftotext", {option, pdf, "-"});
            EXPECT_TRUE(text.waitForFinished(20000)) << pdf.toStdString();
            read << QString::fromUtf8(text.readAllStandardOutput());
        }
        return {read[0],
                QRegularExpression("xMin=\"([0-9.]+)\"").match(read[1]).captured(1).toDouble()};
    }
};

TEST_F(ResultsWindowTest, ATestIsKeptFromItsStartNothingIsTickedWhileItRunsAndALostAnswerIsSaid)
{
    Script(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(Start(), "");
    results::ResultsReader reader;
    ASSERT_TRUE(QTest::qWaitFor([&] { return reader.Open() && !reader.Tests()->empty(); }));
    const results::TestRow begun = reader.Tests().value()[0];
    EXPECT_EQ(begun.title + begun.operations + begun.numbers + begun.difficulty + begun.grade +
                  std::to_string(begun.problems) + "|" + std::to_string(begun.timeLimit),
              "Carrowby+7Easy10|0");
    EXPECT_FALSE(begun.endReason || begun.percentage) << "nothing answered: no percentage";
    QDialog* results = OpenResults();
    QTest::keyClick(results->findChild<QChartView*>(), Qt::Key_Home); // no point yet to go to
    auto running = [&] {
        return !Find("cmdTickNumbers", results)->isEnabled() &&
               !Find("cmdForget", results)->isEnabled();
    };
    EXPECT_TRUE(running());
    for (int problem = 0; problem < 10; ++problem)
        Answer("99");
    EXPECT_FALSE(running());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return TableRow(results, 0).section('|', 1) == "0:00|+ 7|Easy|–|0|10|0|0|F|Finished";
    })) << TableRow(results, 0).toStdString();
    Script(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(Start(), "");
    EXPECT_TRUE(running());
    // Another copy forgets all before this test's last answer: that one answer is said lost.
    const auto nineIn = [&] { // nine answers of this test in the file
        return reader.Open() && !reader.Tests()->empty() &&
               reader.Problems(reader.Tests()->front().id)->size() == 9;
    };
    for (int problem = 0; problem < 10; ++problem) {
        results::ResultsWriter other;
        ASSERT_TRUE(problem < 9 || (QTest::qWaitFor(nineIn) && other.Open(500) && other.Forget()));
        Answer("99");
    }
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Text("txtNotKept", results).startsWith("1 answer of this run could not be kept");
    })) << Text("txtNotKept", results).toStdString();
}

TEST_F(ResultsWindowTest, TheChartDrawsEachKindApartOverTheGradesBands)
{
    QDialog* results = DrillAllWrong();
    auto* view = results->findChild<QChartView*>();
    QChart* chart = view->chart();
    const auto format = [chart] {
        return qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0))->format();
    };
    EXPECT_EQ(format(), "d MMM HH:mm") << "one test: its hour";
    clock->Pass(44 * 3600); // 48 h 24 min from end to end, with the margins
    Taken({"Carrowby", "+", "7", "Medium", 10, 0}, 0, results::EndReason::Finished);
    OpenResults();
    EXPECT_EQ(format(), "d MMM");
    const auto percentAt = [chart](qreal y) { // what a height on the plot stands for, by its axis
        const QRectF plot = chart->plotArea();
        const auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
        return axis->min() + (plot.bottom() - y) / plot.height() * (axis->max() - axis->min());
    };
    const QRectF plot = chart->plotArea(); // x in % of it, y as its axis says
    const auto at = [&](QAbstractSeries* series, QXYSeries* points, int point) {
        const QPointF place = chart->mapToPosition(points->at(point), series);
        return QString::number(qRound(100 * (place.x() - plot.left()) / plot.width())) + "," +
               QString::number(qRound(percentAt(place.y())));
    };
    QStringList drawn;
    for (QAbstractSeries* series : chart->series())
        if (auto* line = qobject_cast<QLineSeries*>(series))
            drawn << line->name() + " at " + at(line, line, 0);
        else if (auto* band = qobject_cast<QAreaSeries*>(series))
            drawn << at(band, band->lowerSeries(), 0) + "-" + at(band, band->upperSeries(), 1) +
                         (band->brush().color().lightness() > 200 ? "" : " dark");
    for (QLegendMarker* marker : chart->legend()->markers()) // a name for each line
        drawn << marker->label();
    EXPECT_EQ(drawn.join(' ').simplified(), "0,-100-100,60 0,60-100,70 0,70-100,80 0,80-100,90 "
                                            "0,90-100,200 Easy at 5,0 Medium at 95,50 Easy Medium")
        << "the best and the worst bands to the plot's edges";
    for (QAbstractAxis* axis : chart->axes())
        EXPECT_TRUE(!axis->titleText().isEmpty() && axis->titleFont().bold()) << "says what it is";
    EXPECT_TRUE(
        Text("txtSummary", results).contains(QRegularExpression("^Medium: one test, on .*: 50%$")))
        << "the newest kind alone";
    for (const auto& [size, percentsShown] : {std::pair{results->size(), "0% 100% 20% 40% 60% 80%"},
                                              {results->minimumSizeHint(), "0% 100% 50%"}}) {
        results->resize(size);
        QApplication::processEvents();
        const QRectF plot = chart->plotArea();
        QStringList letters;
        for (QGraphicsItem* item : chart->childItems())
            if (auto* letter = dynamic_cast<QGraphicsSimpleTextItem*>(item)) {
                const QRectF drawn = letter->mapToScene(letter->boundingRect()).boundingRect();
                const qreal band = plot.height() * (letter->text() == "F" ? 0.6 : 0.1) + 1;
                const int percent = qRound(percentAt(drawn.center().y()));
                letters << QString("%1 %2").arg(letter->text()).arg(percent / 10 * 10) +
                               (chart->geometry().contains(drawn) && drawn.height() <= band
                                    ? ""
                                    : " outside its band");
            }
        EXPECT_EQ(letters.join(", "), "F 30, D 60, C 70, B 80, A 90") << size.height();
        const auto percents = [chart] { // every 20, or every 50 where they do not fit
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // old axes
            QStringList shown;
            for (QGraphicsItem* item : chart->scene()->items())
                if (auto* label = dynamic_cast<QGraphicsTextItem*>(item);
                    label && label->isVisible() && label->toPlainText().endsWith('%'))
                    shown << label->toPlainText();
            return shown.sort(), shown.join(QChar(u' ')).toStdString();
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return percents() == percentsShown; })) << percents();
    }
    const auto dots = [view] {
        const QImage image = view->viewport()->grab().toImage();
        int dots = 0;
        for (int y = 0; y < image.height(); ++y)
            dots += qGray(image.pixel(qRound(2 * image.devicePixelRatio()), y)) < 200;
        return dots;
    };
    const int unfocused = dots();
    Find<QTabWidget>("tabResults", results)->setCurrentIndex(0);
    QApplication::setActiveWindow(results), view->setFocus();
    EXPECT_TRUE(unfocused == 0 && dots() > 0) << unfocused;
    const QImage focused = view->viewport()->grab().toImage();
    QTest::keyClick(view, Qt::Key_Right), QTest::keyClick(view, Qt::Key_Left); // the first stays
    EXPECT_TRUE(view->viewport()->grab().toImage() != focused) << "a ring round the point reached";
    EXPECT_TRUE(view->accessibleDescription().contains(QRegularExpression(", Easy, \\+ 7: 0%, F$")))
        << view->accessibleDescription().toStdString();
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_TRUE(view->accessibleDescription().endsWith("Medium, +: 50%, F"));
    Taken({"Carrowby", "+", "", "Easy", 3, 0, 1}, 0, results::EndReason::Finished,
          {3, 0, 0, 100, "A+"});
    OpenResults();
    EXPECT_TRUE(Text("txtSummary", results)
                    .contains(QRegularExpression("^Practice: one practice, on .*: 100%$")))
        << "never called a test";
    // A point at 0% or 100% drawn whole: its mark, darker than the pale bands, as tall as wide.
    const QImage image = view->viewport()->grab().toImage();
    QStringList marks;
    for (QAbstractSeries* series : chart->series())
        if (auto* line = qobject_cast<QLineSeries*>(series); line && line->at(0).y() != 50) {
            const QPointF place = chart->mapToScene(chart->mapToPosition(line->at(0), line));
            const QPoint middle = (view->mapFromScene(place) * image.devicePixelRatio());
            QRect drawn;
            for (int y = -6; y <= 6; ++y)
                for (int x = -6; x <= 6; ++x)
                    if (qGray(image.pixel(middle + QPoint(x, y))) < 200)
                        drawn |= QRect(middle + QPoint(x, y), QSize(1, 1));
            marks << line->name() + (drawn.height() >= drawn.width() ? " whole" : " cut");
        }
    EXPECT_EQ(marks.join(", "), "Easy whole, Practice whole");
    toolkit::ShowHighContrast(true), OpenResults(); // each mark as the legend's: as tall as wide
    for (QAbstractSeries* series : chart->series())
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            const QImage mask = line->lightMarker().createAlphaMask();
            const QSize shape = QRegion(QBitmap::fromImage(mask)).boundingRect().size();
            EXPECT_LT(std::abs(shape.width() - shape.height()), 5) << line->name().toStdString();
        }
    toolkit::ShowHighContrast(false);
}

TEST_F(ResultsWindowTest, TheFactsPageShowsEachFactAndTicksTheNumbersHeldAgainst)
{
    QDialog* results = DrillAllWrong(); // 7 + 0 to 7 + 9, each missed once, 7 ticked
    auto* pages = Find<QTabWidget>("tabResults", results);
    pages->setCurrentIndex(0);
    QApplication::setActiveWindow(results); // Ctrl+Shift+Tab from the title: the last page
    QTest::keyClick(Find("ctlTitle", results), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentWidget(), Find("tabPractise", results));
    QTest::keyClick(results, Qt::Key_P, Qt::AltModifier); // its access key: its first control
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return results->focusWidget() != Find("ctlTitle", results); }));
    EXPECT_EQ(results->focusWidget()->objectName(), "ctlOperation");
    Tick({"chkSubtraction", "chk3", "chk10"});
    Find<QComboBox>("ctlDifficulty")->setCurrentText("Hard");
    EXPECT_EQ(Find<QComboBox>("ctlOperation", results)->currentText(), "Addition");
    auto* grid = Find<QTableWidget>("grdFacts", results);
    EXPECT_EQ(grid->item(7, 8)->text() + grid->item(8, 7)->text() + grid->item(10, 10)->text(),
              "✗✗");
    EXPECT_EQ(QStringList({grid->item(8, 7)->data(Qt::AccessibleTextRole).toString(),
                           grid->item(8, 7)->toolTip()}),
              QStringList(2, "7 + 8: missed, 0 right out of 1 today, the slowest in 0.0 s"));
    auto* operation = Find("ctlOperation", results);
    const auto said = [grid](int row, int column) {
        return grid->item(row, column)->data(Qt::AccessibleTextRole).toString();
    };
    QTest::keyClick(operation, Qt::Key_End); // Division: 0 divides nothing
    EXPECT_EQ(said(0, 3) + "|" + grid->item(0, 3)->background().color().name(),
              "0 / 3: never asked|" + grid->palette().color(QPalette::Window).name());
    QTest::keyClick(operation, Qt::Key_Home);
    QTest::keyClick(operation, Qt::Key_Down); // Subtraction
    EXPECT_EQ(grid->item(8, 7)->text() + said(7, 0) + "|" + said(3, 7) + "|" +
                  grid->accessibleName(),
              "7 - 7: not yet asked|10 - 3: not yet asked|Facts, the number taken away down and "
              "the difference across");
    QTest::keyClick(operation, Qt::Key_Up);
    EXPECT_TRUE(Text("txtToLearn", results).startsWith("Still missed: 0 + 7, 1 + 7"));
    auto* fluency = Find<QComboBox>("ctlFluency", results);
    QTest::keyClick(fluency, Qt::Key_Down), QTest::keyClick(fluency, Qt::Key_Down); // 3 s to 5 s
    QTest::mouseClick(Find<QPushButton>("cmdTickNumbers", results), Qt::LeftButton);
    EXPECT_EQ(Ticked(), "chkAddition chk7 Easy");
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the main window in front";
    EXPECT_EQ(window->focusWidget(), Find("btnStart")) << "ready for Enter";
    EXPECT_EQ(Text("txtHanded", results),
              "Ticked in the main window for practice: Addition, with the number 7.");
    window->close();
    EXPECT_EQ(Saved("FluencySeconds"), " 5");
}

TEST_F(ResultsWindowTest, TickingForAnotherChildSwitchesToThatChild)
{
    Recorded("Tom's Carrowby");
    Tick({"chk2"});
    EXPECT_EQ(Personalize("Maisie"), "Maisie's Carrowby");
    QDialog* results = OpenResults();
    auto* whose = Find<QComboBox>("ctlTitle", results);
    whose->setCurrentText("Tom's Carrowby"), emit whose->activated(whose->currentIndex());
    QTest::mouseClick(Find<QPushButton>("cmdTickNumbers", results), Qt::LeftButton);
    EXPECT_EQ(window->windowTitle() + "|" + Ticked() + "|" + whose->currentText(),
              "Tom's Carrowby|chkMultiplication chk3 Easy|Tom's Carrowby");
    EXPECT_EQ(Text("txtHanded", results),
              "The main window now shows Tom's Carrowby. Ticked in the main window for practice: "
              "Multiplication, with the number 3.");
    QStringList offered; // in the order given: the names offered once the dialog has shown
    EXPECT_EQ(QStringList({Personalize("Maisie", &offered), offered.join(','), Ticked()}),
              QStringList({"Maisie's Carrowby", "Tom,Maisie", "chk2 Easy"}));
}

TEST_F(ResultsWindowTest, WhatIsStillMissedIsPractisedInTheMainWindow)
{
    QDialog* results = DrillAllWrong();
    QTest::mouseClick(Find<QPushButton>("cmdPractiseFacts", results), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the main window in front";
    auto problem = [this] {
        return Find<QGroupBox>("frmProblem")->title() + ":" + Text("txtLine2") + Text("txtLine1");
    };
    EXPECT_EQ(problem(), "Problem 1 of 10: 7 0");
    EXPECT_EQ(Text("txtTimeRemaining"), "Unlimited") << "a practice takes its time";
    for (const char* typed : {"6", "8", "9"})
        Answer(typed);
    EXPECT_EQ(problem(), "Problem 4 of 11: 7 0") << "the wrong one asked again";
    EXPECT_EQ(Screen().mid(1, 4) + Screen().mid(7),
              QStringList({" 2", " 1", "-", "-", "Practice 2 of 3 facts right now"}))
        << "no grade for a practice";
    clock->Pass(4); // right, slower than the fluency time: it comes back
    Answer("7", [this](QWidget* feedback) {
        EXPECT_EQ(Text("txtNote", feedback) + "|" + QString::number(feedback->height()),
                  "It will come back, to be quicker.|331");
        PressKey(feedback, Qt::Key_Return);
    });
    auto* table = Find<QTableView>("grdTests", results);
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->model()->rowCount() == 2; })) << "the practice";
    EXPECT_EQ(table->model()->index(0, 3).data().toString(), "Practice");

    // The practice, the newest, not to be practised again while it runs; numbers to the right.
    WhenModal([&](QWidget* review) {
        auto* grid = review->findChild<QTableWidget*>("grdProblems");
        EXPECT_EQ(
            QStringList({review->windowTitle(), Text("txtMissed", review),
                         Find("cmdPractiseAgain", review)->isEnabled() ? "again" : "not again",
                         QString::number(grid->item(0, 3)->textAlignment() & Qt::AlignRight),
                         QString::number(grid->item(0, 4)->textAlignment() & Qt::AlignRight)}),
            QStringList({"Problems of the Practice", "Missed: 7 + 0.", "not again", "2", "0"}));
        PressKey(review, Qt::Key_Escape);
    });
    QApplication::setActiveWindow(results); // Alt+T, Enter: the newest test opened
    QTest::keyClick(results, Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return results->focusWidget() == table; }));
    EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 0);
    PressKey(results, Qt::Key_Return);
}

// Export's files are written privately for a spreadsheet; with no printer the report goes to a PDF.
TEST_F(ResultsWindowTest, ExportAndPrintReportWriteTheirFiles)
{
    QDialog* results = DrillAllWrong();
    QMenu* exports = Find<QPushButton>("cmdExport", results)->menu();
    emit exports->aboutToShow();
    ASSERT_EQ(exports->actions().size(), 4);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QString csv;
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        {"&Tests of Carrowby...", "Carrowby tests ", 2, "Test,Started,"},
        {"Every &Answer of Carrowby...", "Carrowby answers ", 11, "Title,Started,"},
        {"Tests of &Every Title...", "Everyone tests ", 2, "Test,Started,"},
        {"Every A&nswer of Every Title...", "Everyone answers ", 11, "Title,Started,"}};
    for (int item = 0; const auto& [offered, named, lines, headed] : rows) {
        QAction* offer = exports->actions()[item++];
        csv = QDir::home().filePath(named + today + ".csv");
        WhenModal([&](QWidget* dialog) {
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->selectedFiles().value(0), csv);
            PressKey(dialog, Qt::Key_Return);
        });
        offer->trigger();
        const std::string written = FileText(csv.toStdString()); // with a byte order mark
        EXPECT_EQ(
            std::tuple(offer->text(), std::ranges::count(written, '\n'), written.substr(0, 3),
                       written.substr(3, std::strlen(headed)),
                       std::filesystem::status(csv.toStdString()).permissions()),
            std::tuple(offered, lines, "\xEF\xBB\xBF", headed,
                       std::filesystem::perms::owner_read | std::filesystem::perms::owner_write))
            << "for a spreadsheet, in the language shown";
    }
    Recorded("Carrowby"), Find<QAction>("mFile_Results")->trigger(); // a product missed too
    const auto [page, left] = Printed(results, "Carrowby");
    EXPECT_GT(left, 36) << "more than half an inch from the paper's edge";
    for (const QWidget* shown : QApplication::topLevelWidgets())
        EXPECT_FALSE(shown->inherits("ProgressChart")) << "the report's chart gone with it";
    EXPECT_EQ(page.count(u'\f'), 2) << "two pages";
    for (const char* shown :
         {"Carrowby", "Progress", "% correct", "known, ↻ due again", "within 3 seconds", "Addition",
          "Known: 0 of 66 addition facts", "Still missed: 0 + 7", "Multiplication",
          "Still missed: 3 x 7.", "The last ten tests", "Easy"})
        EXPECT_TRUE(page.contains(shown)) << shown << "\n" << page.toStdString();
    std::ofstream(results::DefaultResultsPath()) << "my shopping list"; // read as none
    Find<QAction>("mFile_Results")->trigger();
    QString said;
    WhenMessage(said);
    exports->actions()[3]->trigger(); // the file of the last row left as it was
    EXPECT_TRUE(said.startsWith("Export Answers: The results cannot be read: "))
        << said.toStdString();
    EXPECT_EQ(std::ranges::count(FileText(csv.toStdString()), '\n'), 11);
}

TEST_F(ResultsWindowTest, TheTableAndTheChartFollowNewTests)
{
    QDialog* results = DrillAllWrong();
    Taken({"Carrowby", "+", "7", "Easy", 10, 0}, 5, results::EndReason::Stopped); // given up
    for (int test = 0; test < 11; ++test)
        Taken({"Carrowby", "+x", "2,3,4,7", test == 0 ? "Hard" : "Easy", 10, test * 9}, 125,
              test == 10 ? results::EndReason::Time : results::EndReason{});
    Find<QAction>("mFile_Results")->trigger();
    EXPECT_EQ(TableRow(results, 0).section('|', 1),
              "2:05|+ x 2–4, 7|Easy|1:30|5|5|0|50|F|Time ran out");
    EXPECT_EQ(TableRow(results, 10).section('|', 2, 3), "+ x|Hard") << "no numbers off Easy";
    EXPECT_EQ(TableRow(results, 11).section('|', 5), "5|5|0|||Stopped") << "never a success";
    const QAbstractItemModel* table = Find<QTableView>("grdTests", results)->model();
    EXPECT_EQ(std::pair(table->index(0, 5).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
                        table->index(0, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight),
              std::pair(int(Qt::AlignRight), 0))
        << "numbers to the right";
    EXPECT_EQ(results->findChild<QTableView*>("grdTests")->verticalHeader()->count(), 13)
        << "the table shown anew";
    auto* span = Find<QComboBox>("ctlSpan", results);
    span->setCurrentIndex(span->findData(10));
    EXPECT_TRUE(Text("txtSummary", results).startsWith("Easy: 10 tests since"));
    span->setCurrentIndex(span->findData(0));
    EXPECT_TRUE(Text("txtSummary", results).startsWith("Easy: 11 tests since"));
}

// Only the question's own button forgets: Enter, Escape and the keys of Yes and OK keep them, and
// Alt+F, the File menu in every other window, presses nothing here.
TEST_F(ResultsWindowTest, ForgettingAsksFirst)
{
    Recorded("Tom's Carrowby");
    const std::string aside = results::DefaultResultsPath() + ".unreadable-20261201-080000";
    std::ofstream(aside) << "a copy set aside as damaged";
    QDialog* results = DrillAllWrong();
    for (QAbstractButton* button : results->findChildren<QAbstractButton*>())
        EXPECT_NE(button->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F)) << Heard(button);
    const std::tuple<const char*, Qt::Key, const char*> rows[] = {
        {"cmdForgetTitle", Qt::Key_Return, "Carrowby Tom's Carrowby"},
        {"cmdForgetTitle", Qt::Key_Y, "Carrowby Tom's Carrowby"},
        {"cmdForgetTitle", Qt::Key_G, "Tom's Carrowby"},
        {"cmdForget", Qt::Key_Escape, "Tom's Carrowby"},
        {"cmdForget", Qt::Key_O, "Tom's Carrowby"},
        {"cmdForget", Qt::Key_G, ""}};
    for (const auto& [button, key, left] : rows) {
        WhenModal([key](QWidget* ask) {
            PressKey(ask, key);
            if (key == Qt::Key_Y || key == Qt::Key_O) // pressed nothing: the question waits
                PressKey(ask, Qt::Key_Escape);
        });
        QTest::mouseClick(Find<QPushButton>(button, results), Qt::LeftButton);
        EXPECT_EQ(Ended().join(' '), left) << button << " " << key;
    }
    // The copy set aside stays until it is forgotten itself, from the line that names it.
    EXPECT_TRUE(std::filesystem::exists(aside));
    EXPECT_TRUE(Text("txtSetAside", results).contains("unreadable-20261201-080000"));
    WhenModal([](QWidget* ask) { PressKey(ask, Qt::Key_G); });
    QTest::mouseClick(Find<QPushButton>("cmdForgetSetAside", results), Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(aside) || Find("cmdForgetSetAside", results)->isVisible());
}

// The facts over the clock's days, each child's fluency time its own, a practice of what is shown.
TEST_F(ResultsWindowTest, FactsFollowTheDaysAndEachChildsFluencyTime)
{
    EXPECT_EQ(Personalize("Tom"), "Tom's Carrowby");
    EXPECT_EQ(Personalize("Maisie"), "Maisie's Carrowby");
    Recorded("Tom's Carrowby");
    const auto answered = [&](std::initializer_list<std::tuple<int, int, double>> products) {
        results::Recorder recorder;
        recorder.SetClock(clock);
        recorder.TestStarted({"Maisie's Carrowby", "x", "", "Medium", 10, 0}, {});
        int number = 0;
        for (const auto& [top, bottom, seconds] : products) {
            recorder.ProblemShown(++number, 'x', {top, bottom}, top * bottom), clock->Pass(seconds);
            recorder.Answered(std::to_string(top * bottom), true,
                              {number, 0, 10 - number, 100, ""});
        }
        recorder.TestEnded({number, 0, 10 - number, 100, "A+"}, results::EndReason::Finished);
    };
    answered({{7, 6, 1}, {7, 6, 1}, {4, 4, 4}});
    clock->Pass(3 * 24 * 3600);
    answered({{7, 6, 1}, {8, 7, 1}, {8, 7, 1}, {8, 7, 1}});
    QDialog* results = OpenResults();
    auto* grid = Find<QTableWidget>("grdFacts", results);
    const auto cell = [&](int row, int column) {
        return grid->item(row, column)->text() + " " +
               grid->item(row, column)->data(Qt::AccessibleTextRole).toString();
    };
    EXPECT_EQ(QStringList({cell(6, 7), cell(7, 8), cell(4, 4), Text("txtKnownCount", results)}),
              QStringList({"✓ 6 x 7: known since 4 December, due again on 7 December, last asked "
                           "today",
                           "○ 7 x 8: learning, 3 right out of 3 today, the slowest in 1.0 s",
                           "… 4 x 4: slow, 1 right out of 1, the slowest in 4.0 s, last asked 3 "
                           "days ago",
                           "Known: 1 of 66 multiplication facts, 1 more than a week ago; 0 due "
                           "again."}));
    auto* fluency = Find<QComboBox>("ctlFluency", results);
    QTest::keyClick(fluency, Qt::Key_Down), QTest::keyClick(fluency, Qt::Key_Down); // 3 s to 5 s
    EXPECT_TRUE(cell(4, 4).startsWith("○ 4 x 4: learning")) << "the table drawn anew";
    auto* whose = Find<QComboBox>("ctlTitle", results);
    whose->setCurrentText("Tom's Carrowby"), emit whose->activated(whose->currentIndex());
    EXPECT_EQ(fluency->currentText(), "3 seconds") << "Tom's own";
    QTest::keyClick(fluency, Qt::Key_Home);
    const auto kept = [](const std::string& name) {
        RegistryManager store = AppKey("QZV", "Carrowby");
        const auto children = settings::LoadChildren(store);
        return std::ranges::find(children, name, &settings::Child::name)->fluencySeconds;
    };
    EXPECT_EQ(std::vector({kept("Tom"), kept("Maisie")}), std::vector<int16_t>({2, 3}))
        << "kept with Tom at once; Maisie's with the settings shown, as the window closes";
    whose->setCurrentText("Maisie's Carrowby"), emit whose->activated(whose->currentIndex());
    EXPECT_EQ(fluency->currentText(), "5 seconds");
    const QString printed = Printed(results, "Maisie's Carrowby").first;
    EXPECT_TRUE(printed.simplified().contains("Due again this week: 6 x 7."));
    // Maisie's multiplication: 4 x 4 learning since an earlier day, not 7 x 8 learning today.
    QTest::mouseClick(Find<QPushButton>("cmdPractiseFacts", results), Qt::LeftButton);
    EXPECT_EQ(Find<QGroupBox>("frmProblem")->title() + ":" + Text("txtLine2") + Text("txtLine1"),
              "Problem 1 of 5: 4 4");
    window->close();
    EXPECT_EQ(kept("Maisie"), 5);
}

// Each button of Practise These hands the main window something, and is greyed while a test runs.
TEST_F(ResultsWindowTest, EachButtonHandingTheMainWindowSomethingDoesSoAndWaitsForTheTest)
{
    QDialog* results = DrillAllWrong();
    const auto handing = Find("tabPractise", results)->findChildren<QPushButton*>();
    ASSERT_GE(handing.size(), 2);
    for (QPushButton* button : handing) {
        Tick({"chkAddition", "chk7"}, false);
        const QString before = Ticked();
        EXPECT_TRUE(button->isEnabled()) << Heard(button);
        button->click();
        const bool practising = Find("frmProblem")->isVisible();
        EXPECT_TRUE(practising || Ticked() != before) << Heard(button) << " hands nothing";
        if (!practising) {
            EXPECT_EQ(Start(), "");
        }
        for (QPushButton* other : handing)
            EXPECT_FALSE(other->isEnabled()) << Heard(other) << " while a test runs";
        while (Find("frmProblem")->isVisible()) // each answered right
            Answer(QString::number(Text("txtLine1").toInt() + Text("txtLine2").toInt()));
    }
    Find<QPushButton>("cmdPractiseFacts", results)->click(); // another practice: none right yet
    EXPECT_EQ(Screen().value(7), "Practice ");
}
