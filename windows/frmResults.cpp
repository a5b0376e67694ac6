#include "frmResults.h"

#include "FactsGrid.h"
#include "ForgetQuestion.h"
#include "Report.h"
#include "ResultsTexts.h"
#include "TestsModel.h"
#include "frmTestReview.h"
#include "results/ResultsCsv.h"
#include "results/ResultsWriter.h"
#include "toolkit/Dialogs.h"
#include "toolkit/QtText.h"
#include "toolkit/ScreenPlacement.h"
#include "toolkit/WholeFile.h"
#include "ui_frmResults.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QShortcut>

#include <cstring>
#include <limits>

using toolkit::Text;

frmResults::frmResults(const Setup& setup)
    : ui(std::make_unique<Ui::frmResults>()), m_reader(setup.path), m_tests(new TestsModel(this)),
      m_setup(setup)
{
    ui->setupUi(this);
    // A window of its own, not one kept above the main window: once it has handed the main
    // window something to practise, the main window comes in front of it.
    if (setup.owner)
        move(setup.owner->geometry().center() - rect().center());
    toolkit::KeepOnScreen(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    ui->chtProgress->SetGradeBands(setup.bands);
    ui->grdTests->setModel(m_tests);
    ui->grdTests->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QStringList counts = ui->ctlSpan->property("tests").toStringList();
    for (int item = 0; item < ui->ctlSpan->count(); ++item)
        ui->ctlSpan->setItemData(item, counts.value(item).toInt());
    for (const char operation : std::string_view(results::Operations))
        ui->ctlOperation->addItem(resultstexts::OperationName(operation),
                                  QChar::fromLatin1(operation));
    const QStringList seconds = ui->ctlFluency->property("seconds").toStringList();
    for (int item = 0; item < ui->ctlFluency->count(); ++item)
        ui->ctlFluency->setItemData(item, seconds.value(item).toInt());
    ui->grdFacts->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Its numbers across in the window's font as well: this one header does not take it itself.
    ui->grdFacts->horizontalHeader()->setFont(ui->grdFacts->font());
    ui->grdFacts->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    factsgrid::ShowLegend({ui->lblKnown, ui->lblDueAgain, ui->lblLearning, ui->lblSlow,
                           ui->lblMissed, ui->lblNotAsked});

    connect(ui->ctlTitle, &QComboBox::activated, this, &frmResults::ctlTitle_Click);
    connect(ui->ctlSpan, &QComboBox::currentIndexChanged, this, &frmResults::ctlSpan_Click);
    connect(ui->cmdTickNumbers, &QPushButton::clicked, this, &frmResults::cmdTickNumbers_Click);
    connect(ui->cmdPractiseFacts, &QPushButton::clicked, this, &frmResults::cmdPractiseFacts_Click);
    connect(ui->ctlOperation, &QComboBox::activated, this, &frmResults::ctlOperation_Click);
    connect(ui->ctlFluency, &QComboBox::activated, this, &frmResults::ctlFluency_Click);
    // Export offers the tests or every answer, of the title shown or of every title, each
    // named as the title now chosen.
    auto* exports = new QMenu(ui->cmdExport);
    for (const bool everyTitle : {false, true})
        for (const bool answers : {false, true})
            connect(exports->addAction(QString()), &QAction::triggered, this,
                    [this, answers, everyTitle] { Export(answers, everyTitle); });
    connect(exports, &QMenu::aboutToShow, this, [this, exports] {
        const QList<QAction*> items = exports->actions();
        // An & of the title's own is no access key.
        const QString title = QString(ChosenTitle()).replace(u'&', QStringLiteral("&&"));
        items[0]->setText(tr("&Tests of %1...").arg(title));
        items[1]->setText(tr("Every &Answer of %1...").arg(title));
        items[2]->setText(tr("Tests of &Every Title..."));
        items[3]->setText(tr("Every A&nswer of Every Title..."));
    });
    ui->cmdExport->setMenu(exports);
    connect(ui->cmdForget, &QPushButton::clicked, this, &frmResults::cmdForget_Click);
    connect(ui->cmdForgetTitle, &QPushButton::clicked, this, &frmResults::cmdForgetTitle_Click);
    connect(ui->cmdForgetSetAside, &QPushButton::clicked, this,
            &frmResults::cmdForgetSetAside_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmResults::cmdPrint_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(ui->grdTests, &QTableView::activated, this, &frmResults::grdTests_Activated);
    // A tab's access key takes the keyboard into its page, onto the table's newest test.
    ui->tabResults->tabBar()->installEventFilter(this);
    // Ctrl+Tab turns the page wherever the keyboard is, as it does in a tabbed window.
    for (const auto& [keys, step] :
         {std::pair{QKeySequence::NextChild, 1}, std::pair{QKeySequence::PreviousChild, -1}})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, step = step] {
            const int pages = ui->tabResults->count();
            ui->tabResults->setCurrentIndex((ui->tabResults->currentIndex() + step + pages) %
                                            pages);
        });
    ui->txtHanded->setVisible(false);

    // The window opens at its designed size where the screen has room for it.
    const QSize room = screen()->availableGeometry().size() * 9 / 10;
    resize(size().boundedTo(room).expandedTo(minimumSizeHint()));
}

frmResults::~frmResults() = default;

void frmResults::Refresh(const QString& titleInUse, const results::Recording& recording)
{
    m_recording = recording;
    m_titleInUse = titleInUse;
    // The file as it is at the path now: another one may have taken its place.
    m_unread.reset();
    if (!m_reader.Open() && !m_reader.Why().English().empty())
        m_unread = m_reader.Why();
    QStringList titles = {titleInUse};
    for (const std::string& title : Read(m_reader.Titles()))
        if (Text(title) != titleInUse)
            titles << Text(title);
    const QSignalBlocker quiet(ui->ctlTitle);
    ui->ctlTitle->clear();
    ui->ctlTitle->addItems(titles);
    ShowTests();
}

template <typename Rows> Rows frmResults::Read(std::optional<Rows> rows)
{
    if (!rows && !m_unread)
        m_unread = m_reader.Why();
    return rows.value_or(Rows{});
}

void frmResults::SetTestRunning(bool running)
{
    m_testRunning = running;
    const bool toTick = !m_facts.ToTick().Empty(), toPractise = !ToPractise().empty();
    ui->cmdTickNumbers->setEnabled(!running && toTick);
    ui->cmdPractiseFacts->setEnabled(!running && toPractise);
    // Where there is nothing to practise, the button says so.
    ui->cmdPractiseFacts->setText(toPractise ? tr("Practise These F&acts")
                                             : tr("Nothing to Practise Today"));
    ui->cmdForget->setEnabled(!running);
    ui->cmdForgetTitle->setEnabled(!running);
}

QString frmResults::ChosenTitle() const
{
    return ui->ctlTitle->currentText();
}

void frmResults::ctlTitle_Click()
{
    ShowTests();
}

std::vector<results::TestRow> frmResults::Charted() const
{
    const auto& tests = m_tests->Tests();
    const size_t span = static_cast<size_t>(ui->ctlSpan->currentData().toInt());
    return span == 0 || span >= tests.size() ? tests
                                             : std::vector(tests.begin(), tests.begin() + span);
}

void frmResults::ctlSpan_Click()
{
    const auto shown = Charted();
    ui->chtProgress->Show(shown);
    ui->txtSummary->setText(ProgressChart::Summary(shown));
}

void frmResults::ShowTests()
{
    const std::string title = ChosenTitle().toStdString();
    ui->ctlFluency->setCurrentIndex(
        std::max(0, ui->ctlFluency->findData(m_setup.fluency(ChosenTitle()))));
    m_tests->SetTests(Read(m_reader.Tests(title)));
    ui->grdTests->setCurrentIndex(m_tests->index(0, 0)); // the newest, opened by Enter
    ctlSpan_Click();
    ShowFacts();
    SayHowRecordingStands();
}

void frmResults::ShowFacts()
{
    m_facts = learning::FactTable(ui->ctlFluency->currentData().toInt(),
                                  learning::LocalDay(m_setup.clock->Wall()));
    if (!m_reader.ForEachAnswer(ChosenTitle().toStdString(),
                                [this](const auto& answer) { m_facts.Add(answer); }) &&
        !m_unread)
        m_unread = m_reader.Why();
    // The operation of the fact most to learn, or else of the first due again, where there is one.
    auto first = m_facts.ToLearn();
    for (const char operation : std::string_view(learning::Operations))
        if (const auto due = m_facts.DueBy(operation, m_facts.Today());
            first.empty() && !due.empty())
            first = due;
    if (!first.empty())
        ui->ctlOperation->setCurrentIndex(
            ui->ctlOperation->findData(QChar::fromLatin1(first.front().operation)));
    ctlOperation_Click();
}

char frmResults::Operation() const
{
    return ui->ctlOperation->currentData().toChar().toLatin1();
}

std::vector<learning::Fact> frmResults::ToPractise() const
{
    return m_facts.ToPractise(Operation(), std::numeric_limits<size_t>::max());
}

void frmResults::ctlOperation_Click()
{
    factsgrid::Show(ui->grdFacts, m_facts, Operation());
    ui->txtKnownCount->setText(factsgrid::KnownText(m_facts, Operation()));
    ui->txtToLearn->setText(factsgrid::ToLearnText(m_facts, Operation()));
    SetTestRunning(m_testRunning);
}

void frmResults::ctlFluency_Click()
{
    m_setup.fluencyChosen(ChosenTitle(), ui->ctlFluency->currentData().toInt());
    ShowFacts();
}

void frmResults::SayHowRecordingStands()
{
    QStringList said;
    if (m_unread)
        said << CannotBeRead(*m_unread);
    if (m_recording.waiting)
        said << tr("The last answers wait to be written: %1.")
                    .arg(resultstexts::ReasonText(*m_recording.waiting));
    if (m_recording.lostAnswers > 0)
        said << tr("%n answers of this run could not be kept: %1.", nullptr,
                   static_cast<int>(m_recording.lostAnswers))
                    .arg(resultstexts::ReasonText(m_recording.lostWhy));
    ui->txtNotKept->setText(said.join(u' '));
    ui->txtNotKept->setVisible(!said.isEmpty());
    SaySetAside();
}

void frmResults::cmdTickNumbers_Click()
{
    if (const learning::Practice practice = m_facts.ToTick(); !practice.Empty())
        Tick(practice);
}

void frmResults::cmdPractiseFacts_Click()
{
    std::vector<learning::Asked> asked;
    for (const learning::Fact& fact : ToPractise())
        asked.push_back({fact.operation, learning::OperandsOf(fact)});
    if (!asked.empty())
        Ask(asked);
}

void frmResults::Ask(const std::vector<learning::Asked>& asked)
{
    const QString switched = ForChosenTitle();
    std::vector<learning::Asked> known; // of the operations asked
    for (const char operation : std::string_view(learning::Operations))
        if (std::ranges::count(asked, operation, &learning::Asked::operation))
            for (const learning::Fact& fact : m_facts.Known(operation))
                known.push_back({operation, learning::OperandsOf(fact)});
    m_setup.ask(ChosenTitle(), asked, known);
    ui->txtHanded->setText(switched);
    ui->txtHanded->setVisible(!switched.isEmpty());
}

void frmResults::Tick(const learning::Practice& practice)
{
    const QString switched = ForChosenTitle();
    m_setup.tick(ChosenTitle(), practice);
    QStringList operations;
    for (const char operation : practice.operations)
        operations << resultstexts::OperationName(operation);
    ui->txtHanded->setText((switched + u' ' +
                            tr("Ticked in the main window for practice: %1, with the numbers %2.",
                               nullptr, static_cast<int>(practice.numbers.size()))
                                .arg(QLocale().createSeparatedList(operations),
                                     resultstexts::NumbersText(practice.numbers)))
                               .trimmed());
    ui->txtHanded->setVisible(true);
}

QString frmResults::CannotBeRead(const results::Reason& why) const
{
    return tr("The results cannot be read: %1.").arg(resultstexts::ReasonText(why));
}

QString frmResults::ForChosenTitle() const
{
    return ChosenTitle() == m_titleInUse ? QString()
                                         : tr("The main window now shows %1.").arg(ChosenTitle());
}

bool frmResults::eventFilter(QObject* watched, QEvent* event)
{
    // Once the tab bar has taken its access key, the page it shows takes the keyboard.
    if (watched == ui->tabResults->tabBar() && event->type() == QEvent::Shortcut)
        QMetaObject::invokeMethod(this, &frmResults::FocusPage, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void frmResults::FocusPage()
{
    QWidget* page = ui->tabResults->currentWidget();
    if (page == ui->tabTests) {
        ui->grdTests->setFocus(Qt::ShortcutFocusReason);
        ui->grdTests->selectRow(std::max(0, ui->grdTests->currentIndex().row()));
        return;
    }
    for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain())
        if (page->isAncestorOf(next) && next->isVisibleTo(page) &&
            next->focusPolicy() & Qt::TabFocus)
            return next->setFocus(Qt::ShortcutFocusReason);
}

void frmResults::Export(bool answers, bool everyTitle)
{
    const QString caption = answers ? tr("Export Answers") : tr("Export Tests");
    const std::optional<std::string> title =
        everyTitle ? std::nullopt : std::optional(ChosenTitle().toStdString());
    // Read anew: a file that could not be read before is named, never exported as empty.
    const bool opened = m_reader.Open() || m_reader.Why().English().empty(); // or none yet
    const std::optional<std::string> csv =
        opened ? results::ReadCsv(m_reader, answers, title, resultstexts::SpreadsheetStyle())
               : std::nullopt;
    if (!csv)
        return toolkit::MessageBox(this, CannotBeRead(m_reader.Why()), caption);
    const QString path = QFileDialog::getSaveFileName(
        this, caption,
        QDir::home().filePath(resultstexts::FileNameFor(
            everyTitle ? std::nullopt : std::optional(ChosenTitle()),
            answers ? tr("answers") : tr("tests"), QDate::currentDate(), "csv")),
        tr("Comma-separated values (*.csv)"));
    if (path.isEmpty())
        return;
    // Whole and private, as the results are, or said, with nothing left in its place.
    if (const int error = toolkit::SaveWhole(path.toStdString(), *csv))
        toolkit::MessageBox(this,
                            tr("The results could not be saved in %1 (%2).")
                                .arg(path, QString::fromLocal8Bit(std::strerror(error))),
                            caption);
}

void frmResults::cmdPrint_Click()
{
    const QString caption = tr("Print Report");
    if (m_unread)
        return toolkit::MessageBox(this, CannotBeRead(*m_unread), caption);
    // The page as the window shows it now, whatever a test that ends meanwhile changes.
    const auto page =
        report::Document({ChosenTitle(), Charted(), m_setup.bands, &m_facts,
                          ui->ctlFluency->currentData().toInt(), m_tests->Tests(), font()});
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ChosenTitle());
    if (QPrinterInfo::availablePrinters().isEmpty()) // then a PDF file, offered a name
        printer.setOutputFileName(QDir::home().filePath(
            resultstexts::FileNameFor(ChosenTitle(), tr("report"), QDate::currentDate(), "pdf")));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printer.outputFileName().isEmpty()) { // a PDF file
        if (const QString why = report::SavePdf(*page, printer); !why.isEmpty())
            toolkit::MessageBox(
                this,
                tr("The report could not be saved in %1 (%2).").arg(printer.outputFileName(), why),
                caption);
        return;
    }
    report::Print(*page, printer);
    if (printer.printerState() == QPrinter::Error)
        toolkit::MessageBox(this, tr("The report could not be printed."), caption);
}

void frmResults::cmdForgetTitle_Click()
{
    Forget(ChosenTitle());
}

void frmResults::cmdForget_Click()
{
    Forget(std::nullopt);
}

void frmResults::Forget(const std::optional<QString>& title)
{
    const QString caption = title ? tr("Forget These Results") : tr("Forget All Results");
    if (!ConfirmForget(this, caption,
                       title ? tr("Forget every test of %1 recorded on this computer? They cannot "
                                  "be brought back.")
                                   .arg(*title)
                             : tr("Forget every test recorded on this computer, of every title? "
                                  "They cannot be brought back.")))
        return;
    Forgotten(caption, [&](results::ResultsWriter& writer) {
        return writer.Forget(title ? std::optional(title->toStdString()) : std::nullopt);
    });
}

void frmResults::Forgotten(const QString& caption,
                           const std::function<bool(results::ResultsWriter&)>& forget)
{
    // Waits a moment at most for another program that holds the file, and lets go of it before
    // anything is said: the program that closes it last moves its log into it.
    results::ResultsWriter writer(m_reader.Path());
    const bool forgotten = writer.Open(500) && forget(writer);
    const results::Reason why = writer.Why();
    writer.Close();
    if (!forgotten)
        toolkit::MessageBox(
            this, tr("Not every result could be forgotten: %1.").arg(resultstexts::ReasonText(why)),
            caption);
    Refresh(m_titleInUse, m_recording);
}

void frmResults::SaySetAside()
{
    QStringList said;
    for (const results::CopySetAside& copy : m_reader.CopiesSetAside())
        said << resultstexts::SetAsideText(copy);
    ui->txtSetAside->setText(said.join(u' '));
    ui->txtSetAside->setVisible(!said.isEmpty());
    ui->cmdForgetSetAside->setVisible(!said.isEmpty());
}

void frmResults::cmdForgetSetAside_Click()
{
    const QString caption = tr("Forget the Damaged Copy");
    if (!ConfirmForget(this, caption,
                       tr("Forget the copy of the results set aside as damaged? What could not be "
                          "read from it cannot be brought back.")))
        return;
    Forgotten(caption,
              [](results::ResultsWriter& writer) { return writer.ForgetCopiesSetAside(); });
}

void frmResults::grdTests_Activated(const QModelIndex& row)
{
    const results::TestRow& test = m_tests->Tests()[static_cast<size_t>(row.row())];
    const auto problems = m_reader.Problems(test.id);
    if (!problems)
        return toolkit::MessageBox(this, CannotBeRead(m_reader.Why()), windowTitle());
    frmTestReview review(this, test, *problems, m_testRunning);
    connect(&review, &frmTestReview::Practise, this, &frmResults::Ask);
    review.exec();
}
