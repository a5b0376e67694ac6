// Every window in the language and at the scale the test is run in.

#include "drill/OptionsMenu.h"
#include "drill/Scoring.h"
#include "support/MainWindowSandbox.h"
#include "toolkit/Caption.h"
#include "toolkit/Contrast.h"
#include "toolkit/Dialogs.h"
#include "toolkit/HighContrast.h"
#include "toolkit/Translations.h"
#include "windows/TitleLabel.h"
#include "windows/frmAbout.h"
#include "windows/frmAnswer.h"

#include <QChartView>
#include <QGraphicsTextItem>
#include <QLineSeries>

#include <map>

class InEveryLanguage : public MainWindowSandbox
{
  protected:
    // The shipped translation of the language asked for; none in English, first even before German.
    InEveryLanguage()
    {
        EXPECT_TRUE(english || shipped.load(QLocale(language), "carrowby", "_",
                                            toolkit::TranslationFolders().last()))
            << "no translation into " << language.toStdString();
    }
    ~InEveryLanguage() { toolkit::ShowHighContrast(false); } // for the tests that follow

    const QString language = qEnvironmentVariable("CARROWBY_TEST_LANGUAGE");
    const bool english = language.isEmpty() || language == "en";
    QTranslator shipped;
};

// The texts a control shows or says, with its items, tabs, headers and a table's last column.
static QStringList ShownTexts(QObject* object)
{
    QStringList texts;
    for (const char* property : {"text", "title", "accessibleName", "accessibleDescription"})
        texts << object->property(property).toString();
    auto* tabs = qobject_cast<QTabWidget*>(object);
    for (int tab = 0; tabs && tab < tabs->count(); ++tab)
        texts << tabs->tabText(tab);
    auto* list = qobject_cast<QComboBox*>(object); // its items are its model's one column
    auto* view = qobject_cast<QAbstractItemView*>(object);
    const QAbstractItemModel* model = list ? list->model() : view ? view->model() : nullptr;
    for (int column = 0; model && column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
    for (int row = 0; model && row < model->rowCount(); ++row)
        texts << model->headerData(row, Qt::Vertical).toString()
              << model->index(row, model->columnCount() - 1).data().toString();
    return texts;
}

static void ShowsWhole(QLabel* label, const QString& text)
{
    label->setText(text);
    const QRect room = label->contentsRect();
    const QRect needed = label->fontMetrics().boundingRect(
        room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), text);
    EXPECT_TRUE(room.contains(needed))
        << Heard(label) << ": " << needed.width() << " in " << room.width();
}

// Opens the newest test's review from the Tests table: look is shown it, then it is closed.
static void LookAtReview(QDialog* results, const std::function<void(QWidget*)>& look)
{
    bool looked = false;
    WhenModal([&](QWidget* review) { look(review), looked = true, review->close(); });
    QTest::keyClick(results->findChild<QTableView*>("grdTests"), Qt::Key_Return);
    EXPECT_TRUE(looked);
}

// Every window: main, answer, About, Results and a test's review. Widths are checked before the
// chart is drawn, which narrows the lists' hidden popups.
TEST_F(InEveryLanguage, EachWindowHoldsItsControlsWholeAndSpeaksTheLanguage)
{
    EXPECT_EQ(Find<QGroupBox>("frmSettings")->title().toStdString(),
              english ? "Settings" : shipped.translate("frmMain", "Settings").toStdString());
    EXPECT_TRUE(english ||
                QLocale().name().section('_', 0, 0) == shipped.language().section('_', 0, 0))
        << "its dates too: " << QLocale().name().toStdString();
    Recorded("Carrowby", true);
    // A copy once set aside as damaged, which Results names with the button that forgets it.
    std::ofstream(results::DefaultResultsPath() + ".unreadable-20261201-080000") << "damaged";
    QDialog* results = OpenResults();
    ASSERT_TRUE(results);
    auto* tabs = results->findChild<QTabWidget*>();
    for (int tab = tabs->count(); tab-- > 0;) // each page laid out as it is shown
        tabs->setCurrentIndex(tab);
    frmAnswer feedback(nullptr);
    frmAbout about(window.get());
    LookAtReview(results, [&](QWidget* review) {
        const QList<QWidget*> windows = {window.get(), &feedback, &about, results, review};
        const QSize screen = window->screen()->availableSize();
        EXPECT_EQ(screen.expandedTo(results->size()), screen) << "Results whole on the screen";
        for (QWidget* dialog : {windows[1], windows[2]})
            EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << Heard(dialog);
        for (QWidget* owner : windows)
            for (QObject* object : owner->findChildren<QObject*>() + QObjectList{owner}) {
                auto* control = qobject_cast<QWidget*>(object);
                EXPECT_TRUE(
                    !control || control->window() != owner ||
                    object->objectName().startsWith("Line") ||
                    owner->rect().contains(QRect(control->mapTo(owner, QPoint()), control->size())))
                    << Heard(control);
                for (const QString& text : ShownTexts(object))
                    for (const char* context :
                         {"frmMain", "frmAnswer", "frmAbout", "frmResults", "TestsModel",
                          "frmTestReview", "ProgressChart", "drill", "toolkit"})
                        EXPECT_TRUE(QStringList({"", text})
                                        .contains(shipped.translate(context, qPrintable(text))))
                            << context << ": " << text.toStdString();
            }
        for (QWidget* owner : {windows[0], windows[1]})
            for (QLabel* line :
                 owner->findChildren<QLabel*>(QRegularExpression("^txt(Line|Ans)"))) {
                EXPECT_TRUE(line->fontInfo().fixedPitch()) << Heard(line);
                EXPECT_EQ(line->geometry().right(), Find("txtLine1", owner)->geometry().right());
                ShowsWhole(line, line->objectName() == "txtAnswer" ? " 2147483647" : " 1771560");
            }
        const auto drill = [](auto text) { return qApp->translate("drill", text); };
        ShowsWhole(Find<QLabel>("txtMessage", &feedback), drill("You were right!"));
        ShowsWhole(Find<QLabel>("txtNote", &feedback), drill(drill::SlowNote));
        const auto main = [](auto text) { return qApp->translate("frmMain", text, nullptr, 100); };
        ShowsWhole(Find<QLabel>("txtTimeUp"), main("Time's up: %n unanswered"));
        ShowsWhole(Find<QLabel>("txtPracticeNote"), main("%1 of %n facts right now").arg(100));
        for (const char* name : {"txtCorrect", "txtIncorrect", "txtPercentage"})
            ShowsWhole(Find<QLabel>(name), " 100");
        ShowsWhole(Find<QLabel>("txtGrade"), "A+");
        ShowsWhole(Find<QLabel>("txtTimeRemaining"), drill("Unlimited"));
        for (QLabel* label : window->findChildren<QLabel*>(QRegularExpression("^Label")))
            ShowsWhole(label, label->text());
        const QRegularExpression sized("Button|CheckBox|ComboBox|GroupBox");
        for (QWidget* owner : windows)
            for (QWidget* control : owner->findChildren<QWidget*>())
                EXPECT_TRUE(!sized.match(control->metaObject()->className()).hasMatch() ||
                            control->width() >=
                                control->sizeHint().expandedTo(control->minimumSizeHint()).width())
                    << Heard(control) << " " << control->width();
        QStringList drawn; // on the chart, where the percentages are written as in the sentences
        auto* chart = results->findChild<QChartView*>();
        chart->grab();
        for (QGraphicsItem* item : chart->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                drawn << text->toPlainText(); // a no-break space read as a space
        QString hundred = english ? "%d%" : shipped.translate("ProgressChart", "%d%");
        EXPECT_TRUE(drawn.contains(hundred.replace("%d", "100").replace(QChar::Nbsp, u' ')))
            << drawn.join(" | ").toStdString();
    });
}

// On a laptop's screen at a scale of 1 or 1.5.
TEST_F(InEveryLanguage, TheTestsTableNeedsNoSidewaysScroll)
{
    if (window->screen()->size().width() < 900)
        GTEST_SKIP() << "the screen is too narrow for the window's width at this scale";
    {
        results::Recorder recorder;
        recorder.SetClock(clock);
        for (const char* level : {"Easy", "Diabloish"}) {
            recorder.TestStarted({"Carrowby", "+-x/", "1,3,5,7,9", level, 100, 240}, {});
            clock->Pass(3725);
            recorder.TestEnded({88, 10, 2, 88, "B+"}, results::EndReason::Time);
            recorder.TestStarted({"Carrowby", "+-x/", "1,3,5,7,9", level, 100, 0}, {});
        }
    }
    QDialog* results = OpenResults();
    results->findChild<QTabWidget*>()->setCurrentIndex(1);
    auto* table = results->findChild<QTableView*>("grdTests");
    QApplication::processEvents();
    EXPECT_LE(table->horizontalHeader()->length(), table->viewport()->width())
        << "at " << results->width();
}

// The child named as the language does; any title whole, on one line where it fits the screen.
TEST_F(InEveryLanguage, AboutNamesTheChildAsTheLanguageDoesAndShowsAnyTitleWhole)
{
    const std::map<QString, QString> aboutAda = {
        {"", "About Ada's Carrowby"},        {"en", "About Ada's Carrowby"},
        {"de", "Über Carrowby von Ada"},     {"fr", "À propos de Carrowby pour Ada"},
        {"es", "Acerca de Carrowby de Ada"}, {"it", "Informazioni su Carrowby di Ada"},
        {"pt_BR", "Sobre o Carrowby de Ada"}};
    const auto expected = aboutAda.find(language);
    ASSERT_NE(expected, aboutAda.end()) << "no About title for " << language.toStdString();
    const int designed = frmAbout(window.get()).width();
    Personalize("Ada");
    const frmAbout ada(window.get());
    const int bar = toolkit::TitleBarWidth(&ada, toolkit::Caption(&ada));
    EXPECT_EQ(toolkit::Caption(&ada), expected->second);
    EXPECT_TRUE(ada.width() >= bar && ada.width() <= std::max(designed, bar))
        << "whole in its bar, and no wider: " << ada.width() << " for " << bar;
    QFont bold = QApplication::font(); // as window managers draw a title, beside icon and buttons
    bold.setBold(true);
    const QString wide(60, u'W');
    EXPECT_GE(toolkit::TitleBarWidth(&ada, wide), QFontMetrics(bold).horizontalAdvance(wide) + 100);
    for (const QString& name :
         QStringList{QString(243, 'W'), QString(121, QChar(0xC9)), "Ada", "Ada Lovelace",
                     "Elizabeth", "Jean-Baptiste", "Bartholomew"}) {
        toolkit::SetCaption(window.get(), name + "'s Carrowby");
        frmAbout about(window.get());
        auto* title = about.findChild<TitleLabel*>("lblTitle");
        const int height = title->heightForWidth(title->contentsRect().width());
        const bool long_ = name.size() > 100;
        EXPECT_LE(height, title->contentsRect().height()) << name.size();
        EXPECT_GE(height, title->fontMetrics().height()) << "measured in its own font";
        EXPECT_EQ(height > title->heightForWidth(QWIDGETSIZE_MAX), long_)
            << "broken into lines only where too long for the screen: " << name.toStdString();
        ShowsWhole(Find<QLabel>("lblVersion", &about), Text("lblVersion", &about));
        EXPECT_LE(about.width(), window->screen()->availableSize().width());
        for (QWidget* below : {Find("cmdOK", &about), Find("lblVersion", &about)})
            EXPECT_TRUE(about.rect().contains(below->geometry()) &&
                        !below->geometry().intersects(title->geometry()))
                << qPrintable(below->objectName());
        const QImage middle = title->grab().toImage(); // drawn where it is not the corner's colour
        const QBitmap drawn = QBitmap::fromImage(middle.createMaskFromColor(middle.pixel(0, 0)));
        const qreal line = title->fontMetrics().height() * middle.devicePixelRatio();
        EXPECT_EQ(QRegion(drawn).boundingRect().height() - 1 > line, long_)
            << "its lines drawn one below the other: " << name.toStdString();
        title->resize(title->width(), title->height() + 20);
        const int lower = qRound(10 * middle.devicePixelRatio());
        EXPECT_EQ(title->grab().toImage().copy(middle.rect().translated(0, lower)), middle)
            << "in the middle of the label's height";
    }
}

// Each access key of a window as it stands (a page of Results, say): no two controls in sight, nor
// two items of one menu, share one, and each takes its own control there. A control that takes
// its key swallows it here, so that nothing is pressed.
static void EachAccessKeyReachesItsControl(QWidget* window)
{
    struct Taken : QObject
    {
        bool eventFilter(QObject* control, QEvent* event) override
        {
            if (event->type() != QEvent::Shortcut)
                return false;
            by = static_cast<QShortcutEvent*>(event)->isAmbiguous() ? nullptr : control;
            return true;
        }
        QObject* by = nullptr;
    } taken;
    EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        << "keys reach the active window alone";
    std::map<QString, QStringList> controls; // by key, in the window and in each of its menus
    std::vector<std::pair<QKeySequence, QWidget*>> keys;
    const auto key = [&](const QString& text, const QString& where = {}) {
        const QKeySequence found = QKeySequence::mnemonic(text);
        if (!found.isEmpty())
            controls[where + found.toString(QKeySequence::NativeText)] << text;
        return found;
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QStringList texts;
        if (auto* menu = qobject_cast<QMenu*>(control)) {
            emit menu->aboutToShow(); // which names its items
            for (QAction* item : menu->actions())
                key(item->text(), menu->title() + control->objectName() + " ");
        }
        if (!control->isVisibleTo(window))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(control); label && label->buddy())
            texts << label->text();
        else if (auto* tabs = qobject_cast<QTabBar*>(control))
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab);
        else if (auto* bar = qobject_cast<QMenuBar*>(control))
            for (QAction* menu : bar->actions())
                texts << menu->text();
        for (const QString& text : texts)
            if (const QKeySequence found = key(text); !found.isEmpty())
                keys.emplace_back(found, control), control->installEventFilter(&taken);
    }
    for (const auto& [pressed, texts] : controls)
        EXPECT_EQ(texts.size(), 1)
            << pressed.toStdString() << ": " << texts.join(", ").toStdString();
    for (const auto& [pressed, control] : keys) {
        taken.by = window;
        QTest::keySequence(window->focusWidget() ? window->focusWidget() : window, pressed);
        EXPECT_TRUE(!control->isEnabled() || taken.by == control)
            << pressed.toString().toStdString() << " takes " << Heard(control);
    }
}

// Every window's keys, each page of Results apart, a test's review and the menus included.
TEST_F(InEveryLanguage, EachAccessKeyIsOneControlsAndTakesIt)
{
    EachAccessKeyReachesItsControl(window.get());
    frmAnswer feedback(window.get());
    frmAbout about(window.get());
    for (QDialog* dialog : {static_cast<QDialog*>(&feedback), static_cast<QDialog*>(&about)}) {
        WhenModal([](QWidget* shown) { EachAccessKeyReachesItsControl(shown), shown->close(); });
        dialog->exec();
    }
    Recorded("Carrowby", true);
    QDialog* results = OpenResults();
    ASSERT_TRUE(results && QTest::qWaitForWindowActive(results));
    auto* tabs = results->findChild<QTabWidget*>();
    for (int tab = 0; tab < tabs->count(); ++tab)
        tabs->setCurrentIndex(tab), EachAccessKeyReachesItsControl(results);
    tabs->setCurrentIndex(1);
    LookAtReview(results, EachAccessKeyReachesItsControl);
}

// High Contrast measured in pictures, as WCAG measures contrast: in a part of a picture, the ground
// is the colour most of it has, what is drawn the colour its fourth most contrasting pixel shows
// (an antialiased edge only blends it with the ground); 21 where nothing is drawn.
static double Ratio(QRgb colour, QRgb other)
{
    const auto luminance = [](QRgb c) {
        return toolkit::RelativeLuminance(qRed(c), qGreen(c), qBlue(c));
    };
    return toolkit::ContrastRatio(luminance(colour), luminance(other));
}

// The ground of a part of a picture, and the contrast of what is drawn on it.
static std::pair<QRgb, double> Measured(const QImage& picture, QRect part)
{
    std::map<QRgb, int> counts;
    for (int y = (part &= picture.rect()).top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            ++counts[picture.pixel(x, y)];
    const auto most = std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second);
    const QRgb ground = counts.empty() ? 0 : most->first;
    std::vector<double> ratios = {1, 1, 1, 1};
    for (const auto& [colour, count] : counts)
        ratios.insert(ratios.end(), std::min(count, 4), Ratio(colour, ground));
    std::nth_element(ratios.begin(), ratios.begin() + 3, ratios.end(), std::greater<>());
    return {ground, ratios[3] > 1 ? ratios[3] : 21};
}

// Where the window shows text, in its coordinates: each control on view that a screen reader finds
// with a text (a frame holds others: its title's colour is theirs), and the chart's texts. Dots
// alone ("...") are too small for their pixels to reach their colour at scale 1.
static void TextAreas(QWidget* window, QAccessibleInterface* node, QWidget* owner,
                      std::vector<std::pair<QRect, QString>>& areas)
{
    owner = qobject_cast<QWidget*>(node->object()) ? static_cast<QWidget*>(node->object()) : owner;
    const QString text = node->text(QAccessible::Name) + node->text(QAccessible::Value);
    const QRect area(window->mapFromGlobal(node->rect().topLeft()), node->rect().size());
    QWidget* top = window->childAt(area.center()); // not covered by another
    if (!owner->isVisible() || owner->window() != window || node->state().invisible)
        return;
    if (node->role() != QAccessible::Grouping && (top == owner || owner->isAncestorOf(top)) &&
        !QString(text).remove(u'.').remove(u'…').trimmed().isEmpty())
        areas.emplace_back(area.adjusted(3, 3, -3, -3), text);
    for (int child = 0; child < node->childCount(); ++child)
        if (QAccessibleInterface* inside = node->child(child))
            TextAreas(window, inside, owner, areas);
    auto* chart = qobject_cast<QChartView*>(node->object());
    for (QGraphicsItem* item : chart ? chart->scene()->items() : QList<QGraphicsItem*>()) {
        auto* simple = dynamic_cast<QGraphicsSimpleTextItem*>(item);
        if (auto* rich = dynamic_cast<QGraphicsTextItem*>(item);
            item->isVisible() && (simple || rich))
            areas.emplace_back(chart->mapFromScene(item->sceneBoundingRect())
                                   .boundingRect()
                                   .translated(chart->viewport()->mapTo(window, QPoint())),
                               simple ? simple->text() : rich->toPlainText());
    }
}

// Every text the window shows, and every line of a chart, reads at 7:1 or more on its ground.
static void ReadsInHighContrast(QWidget* window)
{
    window->grab(); // laid out as drawn, the chart's labels too
    QApplication::processEvents();
    const QImage picture = window->grab().toImage();
    const qreal scale = picture.devicePixelRatio();
    const QTransform inPicture = QTransform::fromScale(scale, scale);
    std::vector<std::pair<QRect, QString>> areas;
    TextAreas(window, QAccessible::queryAccessibleInterface(window), window, areas);
    for (const auto& [area, text] : areas)
        EXPECT_GE(Measured(picture, inPicture.mapRect(area)).second, toolkit::HighContrastRatio)
            << Heard(window) << ": " << text.toStdString();
    for (auto* chart : window->findChildren<QChartView*>()) { // and each line beside its ground
        const QRect plot = chart->mapFromScene(chart->chart()->plotArea())
                               .boundingRect()
                               .translated(chart->viewport()->mapTo(window, QPoint()));
        const QRgb ground = Measured(picture, inPicture.mapRect(plot)).first;
        for (QAbstractSeries* series : chart->chart()->series()) {
            const auto* line = qobject_cast<QLineSeries*>(series);
            EXPECT_GE(line ? Ratio(line->pen().color().rgb(), ground) : 21,
                      toolkit::HighContrastRatio)
                << series->name().toStdString();
        }
    }
}

// In High Contrast: the main window idle and in a test, answer, About, Personalize, each page of
// Results, a test's review, the print dialog and the report printed (each word where it lies).
TEST_F(InEveryLanguage, InHighContrastEveryTextReadsAtSevenToOne)
{
    window.reset();                                                     // which saves the settings
    AppKey("QZV", "Carrowby").WriteValue("HighContrast", " 1", REG_SZ); // the child's choice
    Open();
    ASSERT_TRUE(toolkit::HighContrast());
    Recorded("Carrowby");
    ReadsInHighContrast(window.get());
    const auto readThenPress = [](Qt::Key key) {
        return [key](QWidget* shown) { ReadsInHighContrast(shown), PressKey(shown, key); };
    };
    for (const char* opening : {"mHelp_About", "mFile_Personalize"})
        WhenModal(readThenPress(Qt::Key_Escape)), Find<QAction>(opening)->trigger();
    Script(0, {1, 2});
    Start();
    ReadsInHighContrast(window.get());
    Answer("0", readThenPress(Qt::Key_Return));
    QDialog* results = OpenResults();
    auto* tabs = results->findChild<QTabWidget*>();
    for (int tab = 0; tab < tabs->count(); ++tab)
        tabs->setCurrentIndex(tab), ReadsInHighContrast(results);
    tabs->setCurrentIndex(1);
    LookAtReview(results, ReadsInHighContrast);
    WhenModal(readThenPress(Qt::Key_Return)); // the print dialog
    QTest::mouseClick(Find<QPushButton>("cmdPrint", results), Qt::LeftButton);
    const QString pdf = QDir::home().entryInfoList({"*.pdf"}).value(0).filePath();
    QProcess picture, words;
    picture.start("pdftoppm", {"-png", "-r", "144", "-singlefile", pdf, pdf});
    words.start("pdftotext", {"-bbox", pdf, "-"});
    ASSERT_TRUE(picture.waitForFinished(20000) && words.waitForFinished(20000));
    const QImage page(pdf + ".png");
    const QRegularExpression word(
        R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    int read = 0;
    for (const auto& found : word.globalMatch(QString::fromUtf8(words.readAllStandardOutput()))) {
        const auto at = [&found](int n) { return found.captured(n).toDouble() * 2; }; // 144 dpi
        const QRect place = QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4))).toRect();
        EXPECT_GE(Measured(page, place).second, toolkit::HighContrastRatio)
            << "printed: " << found.captured(5).toStdString();
        ++read;
    }
    EXPECT_GT(read, 50) << "the report's words";
    QFile::remove(pdf), QFile::remove(pdf + ".png"); // the home folder as it was, for the next test
}

// Read Aloud in the language's words: a verdict, two problems, two ends, and the voice it asks for.
TEST_F(InEveryLanguage, ReadsTheDrillAloudInItsWords)
{
    // clang-format off
    const std::map<QString, std::vector<std::string>> said = {
        {"en", {"Oops!!! 7 times 8 is 56.", "17 divided by 4", "5 plus 12 plus 9",
                "8 right, 2 wrong: B-minus", "en_GB English (Great Britain)",
                "The time is up. 1 right, 0 wrong, 9 not answered: F"}},
        {"de", {"Hoppla!!! 7 mal 8 ist 56.", "17 geteilt durch 4", "5 plus 12 plus 9",
                "8 richtig, 2 falsch: B minus", "de_DE German",
                "Die Zeit ist um. 1 richtig, 0 falsch, 9 nicht beantwortet: F"}},
        {"fr", {"Oups\u00a0!!! 7 fois 8 égale 56.", "17 divisé par 4", "5 plus 12 plus 9",
                "8 justes, 2 fausses\u00a0: B, moins", "fr_FR French (France)",
                "Le temps est écoulé. 1 juste, 0 fausse, 9 sans réponse\u00a0: F"}},
        {"es", {"¡¡¡Uy!!! 7 por 8 es igual a 56.", "17 dividido entre 4", "5 más 12 más 9",
                "8 bien, 2 mal: B, menos", "es_ES Spanish (Spain)",
                "Se acabó el tiempo. 1 bien, 0 mal, 9 sin responder: F"}},
        {"it", {"Ops!!! 7 per 8 fa 56.", "17 diviso 4", "5 più 12 più 9",
                "8 giuste, 2 sbagliate: B, meno", "it_IT Italian",
                "Il tempo è finito. 1 giusta, 0 sbagliate, 9 senza risposta: F"}},
        {"pt_BR", {"Ops!!! 7 vezes 8 é igual a 56.", "17 dividido por 4", "5 mais 12 mais 9",
                   "8 certas, 2 erradas: B, menos", "pt_BR Portuguese (Brazil)",
                   "O tempo acabou. 1 certa, 0 errada, 9 sem resposta: F"}}};
    // clang-format on
    using namespace drill;
    const auto words = InTheLanguageShown;
    const QString voice = QCoreApplication::translate("Speaker", "en_GB") + ' ' +
                          QCoreApplication::translate("Speaker", "English (Great Britain)");
    EXPECT_EQ(
        std::vector<std::string>(
            {SpokenVerdict(Judge("", 56), {Multiplication, 8, 7}, 56, words),
             SpokenProblem({Division, 4, 17}, words),
             SpokenProblem({Addition, 9, 12, 5, 0, Hard}, words),
             SpokenEnd({8, 2, 0, 80, "B-"}, results::EndReason::Finished, words),
             voice.toStdString(), SpokenEnd({1, 0, 9, 10, "F"}, results::EndReason::Time, words)}),
        said.at(english ? "en" : language));
}
