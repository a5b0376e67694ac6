#include "drill/ChildNames.h"
#include "registry/filestore/StoreCalls.h"
#include "registry/filestore/StoreFile.h"
#include "results/ResultsReader.h"
#include "support/MainWindowSandbox.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Caption.h"
#include "toolkit/DisplayOpening.h"
#include "toolkit/ScreenPlacement.h"
#include "windows/frmAbout.h"

#include <gmock/gmock.h>

#include <optional>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xcb/xproto.h>

using MainWindowTest = MainWindowSandbox;
using testing::HasSubstr, testing::Not, testing::internal::CaptureStderr,
    testing::internal::GetCapturedStderr;

// Enter on Start, in the answer box, on ENTER; the verdict closed by Enter, Space or its frame.
TEST_F(MainWindowTest, AWholeDrillByKeyboard)
{
    EXPECT_EQ(Screen(), QStringList({"idle", "0", "0", "0", "", "Unlimited"}));
    ScriptedRandom* script = Script(240, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    Find("btnStart")->setFocus();
    // The keypad's Enter flagged as a repeat, or Return pressed at the moment of its release (as
    // X11 repeats a held key), presses nothing; a quick stroke whose release is read before its
    // press, at the same moment, presses. Each stroke's time, and what X11 read before it:
    const std::pair<xcb_timestamp_t, std::vector<uint8_t>> strokes[] = {
        {4000, {}},
        {5000, {XCB_KEY_RELEASE, XCB_KEY_PRESS}},
        {5700, {XCB_KEY_PRESS, XCB_KEY_RELEASE}}};
    for (const auto& [time, read] : strokes) {
        for (const uint8_t type : read) {
            xcb_key_press_event_t key{type, 36, 0, time, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
            QCoreApplication::eventDispatcher()->filterNativeEvent("xcb_generic_event_t", &key, {});
        }
        QKeyEvent press(QEvent::KeyPress, time == 4000 ? Qt::Key_Enter : Qt::Key_Return,
                        Qt::NoModifier, 36, 0, 0, {}, time == 4000);
        press.setTimestamp(time);
        QApplication::sendEvent(window->windowHandle(), &press);
        EXPECT_EQ(script->seeds, time == 5700 ? 1 : 0);
    }
    EXPECT_EQ(Screen(), QStringList({"testing", "0", "0", "100", "A+", "240", "Problem 1 of 10"}));
    QPointer<QWidget> unloaded;
    for (int first = 0; first < 10; ++first) {
        EXPECT_EQ(window->focusWidget(), Input());
        QStringList seen = {Find<QGroupBox>("frmProblem")->title()};
        Pass(1);
        WhenModal([&](QWidget* feedback) {
            for (const char* name : {"txtLine4", "txtLine3", "txtLine2", "txtLine1", "txtOp",
                                     "txtAnswer", "txtMessage"})
                seen << feedback->findChild<QLabel*>(name)->text();
            seen << Text("txtCorrect") // the status changes once the window has closed
                 << feedback->findChild<QLabel*>("txtOp")->accessibleDescription() +
                        Find("txtOp")->accessibleDescription(); // the sign said as a word
            EXPECT_EQ(feedback->focusWidget(), feedback->findChild<QPushButton*>("btnOK"));
            if (first % 3 == 1) {
                PressKey(feedback, Qt::Key_Escape);
                seen << (feedback->isVisible() ? "open" : "closed");
            }
            if (first % 3 == 2)
                (unloaded = feedback)->close();
            else
                PressKey(feedback, first % 3 ? Qt::Key_Space : Qt::Key_Return);
            EXPECT_FALSE(feedback->isVisible());
            feedback->hide();
        });
        QTest::keyClicks(Input(), QString::number(first == 4 ? 0 : 7 + first));
        if (first == 3) { // Tab goes round what the problem frame shows, never the settings
            for (int tab = 0; tab < 3; ++tab)
                PressKey(window.get(), Qt::Key_Tab);
            EXPECT_EQ(window->focusWidget(), Find("btnSubmit"));
        }
        PressKey(window.get(), Qt::Key_Return);
        EXPECT_EQ(seen.join("|"), // the score before: "0", then " 1", " 2"...
                  QString::asprintf("Problem %d of 10||| 7| %d|+| %d|%s|%s%d|plusplus%s", first + 1,
                                    first, 7 + first, first == 4 ? "Oops!!!" : "You were right!",
                                    first ? " " : "", first - (first > 4),
                                    first % 3 == 1 ? "|open" : ""));
    }
    PressKey(window.get(), Qt::Key_Return); // in the drill's rhythm, after the end: no new test
    EXPECT_EQ(Screen(), QStringList({"idle", " 9", " 1", " 90", "A-", "230"}));
    QApplication::setActiveWindow(window.get()); // as the window system gives it back
    const QImage resting = Find("frmStatus")->grab().toImage(); // with a focus frame
    PressKey(window.get(), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), Find("btnStart")) << "Tab from the score reaches Start";
    EXPECT_NE(Find("frmStatus")->grab().toImage(), resting);
    EXPECT_TRUE(unloaded.isNull()) << "closed through the window system, it is unloaded";
    EXPECT_EQ(Find("ctlTimed")->focusPolicy(), Qt::WheelFocus) << "the settings in reach again";
}

TEST_F(MainWindowTest, AHardSumShowsEachNumberOnItsLine)
{
    Script(0, {})->draws = {Op(1),         Power(6, 6), Operand(100, 6), Power(5, 5),
                            Operand(5, 5), Power(1, 5), Operand(6, 1)};
    EXPECT_EQ((Choose("ctlDifficulty", "Hard"), Start()), "");
    EXPECT_EQ(Text("txtLine4") + Text("txtLine3") + Text("txtLine2") + Text("txtLine1"),
              " 100 5 6");
}

// A refused Start keeps the score; settings that admit no problem end the test; the real timer.
TEST_F(MainWindowTest, TheTimeRunsOutRefusalsChangeNothingAndAnAnswerCountsOnce)
{
    ScriptedRandom* script = Script(10, {1, 1, 1, 1});
    EXPECT_EQ(Start(), ""); // run out before any answer, and any answer window
    Pass(10);
    EXPECT_EQ(Screen(), QStringList({"idle", " 0", " 0", " 0", "F", "10",
                                     "Status Time's up: 10 unanswered"}));
    EXPECT_EQ(Start(), "");
    Pass(9);
    EXPECT_EQ(Text("txtTimeRemaining"), "1");
    Answer("8", [this](QWidget* feedback) {
        Pass(1); // the last second goes by with the window open
        EXPECT_FALSE(feedback->isVisible());
        PressKey(window.get(), Qt::Key_Return); // meant for OK, it arrives after the end
    });
    const QStringList score = {
        "idle", " 1", " 0", " 10", "F", "10", "Status Time's up: 9 unanswered"};
    EXPECT_EQ(Screen(), score);
    EXPECT_EQ(script->draws.size(), 6u) << "no further problem was drawn";

    Tick({"chkDivision", "chk0"}), Tick({"chk7"}, false);
    EXPECT_EQ(Start(), "Settings Error: Can not test 0 with Division!");
    EXPECT_EQ(Screen(), score);
    Tick({"chk7"});
    EXPECT_EQ(Start(), "");
    Tick({"chkAddition", "chkDivision"}, false);
    QString prompt;
    Answer("8", [&](QWidget* verdict) { WhenMessage(prompt), PressKey(verdict, Qt::Key_Return); });
    EXPECT_EQ(prompt, "Settings Error: No test type selected!");
    EXPECT_EQ(Screen(), QStringList({"idle", " 1", " 0", " 100", "A+", "10"}));

    // An answer counts once in its own test: not again by ENTER pressed past its verdict, nor by a
    // double-click on OK whose second half lands on ENTER or Start, nor in a test begun meanwhile.
    Tick({"chk0"}, false), Script(10, {1, 1, 1, 1});
    EXPECT_EQ(Start(), "");
    Answer("8", [this](QWidget* feedback) {
        Find<QPushButton>("btnSubmit")->click();
        EXPECT_TRUE(feedback->isVisible());
        Click(Find("btnOK", feedback), 10000);
    });
    Click(Find("btnSubmit"), 120);
    EXPECT_EQ(Screen(),
              QStringList({"testing", " 1", " 0", " 100", "A+", "10", "Problem 2 of 10"}));
    Answer("8", [&](QWidget*) { Pass(10), Click(Find("btnStart"), 10000); });
    EXPECT_EQ(Screen(), QStringList({"testing", "0", "0", "100", "A+", "10", "Problem 1 of 10"}));
    Answer("8", [&](QWidget* feedback) { Click(Find("btnOK", feedback), 10000), Pass(10); });
    Click(Find("btnStart"), 120);
    EXPECT_EQ(Screen(), score);
    Click(Find("btnStart"), 1000);
    EXPECT_EQ(Screen(), QStringList({"testing", "0", "0", "100", "A+", "10", "Problem 1 of 10"}));
    Pass(10);
    window->SetClock(std::make_shared<toolkit::SystemClock>()), Timer()->setInterval(1000);
    EXPECT_EQ(Start(), "");
    EXPECT_TRUE(QTest::qWaitFor([this] { return Text("txtTimeRemaining") == "9"; }, 10000));
}

// The form and SavedControls agree both ways; Tab goes in the form's order.
TEST_F(MainWindowTest, SettingsLiveThroughAnUnloadAndANewLoad)
{
    // The form's check boxes and lists, each one saved; what Tab reaches, in the form's order.
    QStringList onForm, form, tabbed = {"btnStart"};
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QCheckBox*>(control) || qobject_cast<QComboBox*>(control))
            onForm << control->objectName();
        if (control->isVisible() && control->focusPolicy() & Qt::TabFocus)
            form.insert(control->objectName() == "btnStart" ? 0 : form.size(),
                        control->objectName());
    }
    for (const settings::SavedControl& control : settings::SavedControls) {
        const auto* list = window->findChild<QComboBox*>(control.name);
        const int states = onForm.removeAll(control.name) == 0 ? 0 : list ? list->count() : 2;
        EXPECT_EQ(std::pair(!!list, states), std::pair(control.list, int(control.states)))
            << control.name << ": a list?, its states (0: not on the form), on the form and saved";
    }
    EXPECT_EQ(onForm, QStringList()) << "on the form, neither saved nor named as not saved";
    for (Find("btnStart")->setFocus(); tabbed.size() < form.size();)
        PressKey(window.get(), Qt::Key_Tab), tabbed << window->focusWidget()->objectName();
    EXPECT_EQ(tabbed, form) << "Tab's order (<tabstops> in the form) against the form's";
    const QStringList stored = {"0", "10", "30", "60", "120", "180", "240"};
    EXPECT_EQ(Find("ctlTimed")->property("seconds").toStringList().mid(0, stored.size()), stored)
        << "ctlTimed: stores hold its items' positions, so a new one goes at the end";
    for (auto* timed = Find<QComboBox>("ctlTimed"); timed->currentIndex() + 1 < timed->count();) {
        timed->setCurrentIndex(timed->currentIndex() + 1); // each item's seconds as it says them
        const QStringList said = timed->currentText().split(' '); // "10 Seconds", "1 Minute"
        EXPECT_EQ(Text("txtTimeRemaining").toInt(), said[0].toInt() * (said[1][0] == 'M' ? 60 : 1))
            << timed->currentText().toStdString() << " against its seconds in the form";
    }
    EXPECT_EQ(Saved("Installed") + Saved("UserName") + Saved("chk2"), "TrueCarrowby0");
    Tick({"chkAddition", "chk2", "chk10"});
    Choose("ctlTimed", 120), Choose("ctlDifficulty", "Diabloish");
    Find<QComboBox>("ctlNumberOfProblems")->setCurrentIndex(-1);
    toolkit::SetCaption(window.get(), "Ada's [*] Carrowby");
    EXPECT_EQ(Saved("chk2"), "0") << "nothing is saved before the window unloads";
    Find<QAction>("mFile_Exit")->trigger(), Open(); // File > Exit: saved, and the program ends
    EXPECT_EQ(Saved("chkAddition") + Saved("chk3") + Saved("ctlNumberOfProblems") +
                  Saved("UserName"),
              " 1 0-1Ada's [*] Carrowby");
    EXPECT_EQ(Ticked() + "|" + Text("txtTimeRemaining") + "|" + window->windowHandle()->title(),
              "chkAddition chk2 chk10 Diabloish|120|Ada's [*] Carrowby");
    EXPECT_EQ(std::pair(Find<QComboBox>("ctlNumberOfProblems")->currentIndex(), programEnds),
              std::pair(-1, 1));
}

// Unreadable settings give a first-run window that never saves; unsaveable ones say so at once.
TEST_F(MainWindowTest, AStoreThatCannotBeReadIsLeftAsItIs)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file modes do not bind root: this runs as nobody by its own entry";
    Tick({"chk4"});
    window->close();
    const std::string store = registry::StoreFile::DefaultPath(), before = FileText(store);
    ASSERT_EQ(chmod(store.c_str(), 0000), 0);
    const std::string said = Said([this] { Open(); });
    ASSERT_EQ(chmod(store.c_str(), 0600), 0);
    EXPECT_EQ(window->windowTitle() + "|" + Ticked(), "Carrowby|Easy");
    EXPECT_THAT(said, HasSubstr(store + " cannot be read (Permission denied)"));
    window->close();
    EXPECT_EQ(FileText(store), before);
    ASSERT_EQ(chmod(store.c_str(), 0400), 0);
    EXPECT_THAT(Said([this] { Open(); }),
                HasSubstr("carrowby: the settings in " + store +
                          " cannot be saved (Permission denied); changes will not be kept\n"));
}

TEST_F(MainWindowTest, PersonalizingAndAbout)
{
    auto about = [this](Qt::Key closeWith) {
        QStringList seen;
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QPointer<QTimer> watcher = WhenModal([&](QWidget* modal) {
            const auto* icon = QAccessible::queryAccessibleInterface(Find("picIcon", modal));
            seen << modal->windowHandle()->title() << Text("lblTitle", modal)
                 << Text("lblVersion", modal) << icon->text(QAccessible::Name);
            PressKey(modal, closeWith);
        });
        QTest::keyClick(window.get(), Qt::Key_F1);
        delete watcher;
        return seen << (window->findChild<frmAbout*>() ? "kept" : "unloaded when closed");
    };
    window->close(); // then a stored title too long to read: shown empty, and kept until renamed
    AppKey("QZV", "Carrowby").WriteValue("UserName", std::string(255, 'x'), REG_SZ);
    Open();
    EXPECT_EQ(about(Qt::Key_Return),
              QStringList({"About ", "", Version, "Carrowby icon", "unloaded when closed"}));
    const QString title = "<b>Bo</b> [*] &amp;'s Carrowby";
    EXPECT_EQ(Personalize("<b>Bo</b> [*] &amp;"), title);
    const QString version = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion("2.5.0.7"); // major, minor, build, revision
    EXPECT_EQ(about(Qt::Key_Escape), QStringList({"About " + title, title, "Version 2.5.7",
                                                  "Carrowby icon", "unloaded when closed"}));
    QCoreApplication::setApplicationVersion(version);
    EXPECT_EQ(Personalize(QString()), title) << "Cancel";
    EXPECT_EQ(Personalize(""), title) << "OK with nothing typed";
    EXPECT_EQ(Personalize("  "), "  's Carrowby") << "blanks are a name";
    EXPECT_EQ(Saved("UserName"), "") << "saved only when the window unloads";
    // Two bytes each after an x: 121 letters and the suffix fill the 254 bytes, a 122nd would not.
    EXPECT_EQ(Personalize("x" + QString(200, QChar(0xE9))).toUtf8().size(), 254);
    window->close();
    const std::string store = registry::StoreFile::DefaultPath();
    auto asItIs = [&store] { // its bytes, and the file itself: its inode and its time
        struct stat file = {};
        stat(store.c_str(), &file);
        return std::tuple(FileText(store), file.st_ino, file.st_mtim.tv_sec, file.st_mtim.tv_nsec);
    };
    const auto before = asItIs();
    Open();
    EXPECT_EQ(window->windowTitle().toUtf8().size(), 254);
    window->close();
    EXPECT_EQ(asItIs(), before) << "a close that changed nothing leaves the store as it was";
    Open();
    Tick({"chk4"});
    const registry::StoreCalls real = registry::Calls(); // a save that fails says so
    registry::Calls().fsync = [](int) { return errno = ENOSPC, -1; };
    EXPECT_THAT(Said([&] { window->close(), registry::Calls() = real; }),
                HasSubstr("could not be saved in " + store + " (No space left on device)"));
}

// An Enter echoing the one that closed the verdict answers nothing; another child starts clear.
TEST_F(MainWindowTest, AStrayEnterAnswersNothingAndAnotherChildStartsClear)
{
    Script(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0});
    EXPECT_EQ(Start(), "");
    Answer("8");
    QTest::keyClick(Input(), Qt::Key_Return); // Enter pressed twice, the second 80 ms on
    EXPECT_EQ(Screen(),
              QStringList({"testing", " 1", " 0", " 100", "A+", "Unlimited", "Problem 2 of 10"}));
    clock->Pass(0.5);
    for (int problem = 2; problem <= 10; ++problem) // an empty answer from then on: 0
        Answer(""), clock->Pass(1);
    EXPECT_EQ(Screen(), QStringList({"idle", " 1", " 9", " 10", "F", "Unlimited"}));
    EXPECT_EQ(Personalize("Tom"), "Tom's Carrowby");
    EXPECT_EQ(Screen(), QStringList({"idle", "0", "0", "0", "", "Unlimited"}));
}

// Across a restart, the most recent name offered first; a new child starts from the settings shown.
TEST_F(MainWindowTest, EachChildKeepsItsOwnSettings)
{
    Tick({"chk6", "chk7"});
    EXPECT_EQ(QStringList({Personalize("Maisie"), Personalize("Tom"), Ticked()}),
              QStringList({"Maisie's Carrowby", "Tom's Carrowby", "chk6 chk7 Easy"}));
    Tick({"chk6", "chk7"}, false), Tick({"chkAddition", "chk2"}); // the first saved control too
    window->close(), Open();
    QStringList offered;
    QString said;
    EXPECT_EQ(QStringList({Personalize(" maisie", &offered, &said), offered.join(','), said,
                           Ticked(), Personalize("Tom"), Ticked()}),
              QStringList({"Maisie's Carrowby", "Tom,Maisie",
                           "Personalize Carrowby: “ maisie” is taken as Maisie, the name already "
                           "used here, with the settings and the results kept for it.",
                           "chk6 chk7 Easy", "Tom's Carrowby", "chkAddition chk2 Easy"}));
    Tick({"chk8"});
    EXPECT_EQ(Personalize("Tom") + Ticked(), "Tom's CarrowbychkAddition chk2 chk8 Easy")
        << "chosen again";
    EXPECT_THAT(Said([this] { Personalize("Maisie"); }), Not(HasSubstr("carrowby")))
        << "Tom's kept, with nothing to say";
}

// A name found whatever its case and blanks around it; the name in a title, in any language.
TEST(ChildNames, ATypedNameFindsTheChildItOnlyLooksLike)
{
    const std::vector<settings::Child> children = {{"Émile"}, {"Tom "}, {"tom"}, {""}};
    // clang-format off
    const std::pair<const char*, int> rows[] = {{"Émile", 0}, {"émile", 0}, {" ÉMILE ", 0},
        {"tom", 2}, {"Tom ", 1}, {"TOM", 1}, {"Emile", -1}, {"Tomás", -1}, {"", -1}, {" ", -1}};
    const std::pair<QString, QString> titles[] = {{"Ada's Carrowby", "Ada"}, {"Ada", ""},
        {"Carrowby pour Ada", "Ada"}, {"Carrowby", ""}, {"'s Carrowby", ""}, {"Carrowby pour ", ""}};
    // clang-format on
    for (const auto& [typed, found] : rows) {
        const settings::Child* child = drill::ChildNamed(children, typed);
        EXPECT_EQ(child ? child - children.data() : -1, found) << typed;
    }
    for (const auto& [title, name] : titles)
        EXPECT_EQ(drill::NameInTitle(title, "Carrowby pour %1"), name) << title.toStdString();
    EXPECT_EQ(drill::NameInTitle("Le Carrowby d'Ada !", "Le Carrowby d'%1 !"), "Ada");
}

TEST(Accessibility, EachSignIsSpokenAsAWord)
{
    for (const auto& [sign, spoken] :
         {std::pair{"+", "plus"}, {"-", "minus"}, {"x", "times"}, {"/", "divided by"}})
        EXPECT_EQ(toolkit::SpokenSign(sign), spoken);
}

// A frame drawn as a classic one, a line in the palette's mid colour, not the style's own way.
TEST(ClassicFrames, AFrameIsALineInTheMidColour)
{
    QGroupBox frame("Status ");
    const QImage drawn = (frame.resize(120, 60), frame.grab().toImage());
    const int top = frame.fontMetrics().size(Qt::TextShowMnemonic, frame.title()).height() / 2;
    for (const QPoint edge : {QPoint(2, top), QPoint(0, 40), QPoint(60, 59), QPoint(119, 40)})
        EXPECT_EQ(drawn.pixel(edge), frame.palette().mid().color().rgb()) << edge.x();
    EXPECT_EQ(drawn.pixel(7, top), frame.palette().window().color().rgb()) << "under the title";
}

// Qt's words said once the display opens or fails; X11 beside Wayland; a display not opened named.
TEST(DisplayOpening, SaysWhatQtSaidAndNamesTheDisplayThatDidNotOpen)
{
    EXPECT_EQ(Said([] { toolkit::OpenDisplay([] { qWarning("held back"); }); }),
              "carrowby: held back\n");
    EXPECT_DEATH(toolkit::OpenDisplay([] { qWarning("held back"), qFatal("cannot go on"); }),
                 "held back\n.*cannot go on")
        << "and before the program ends where it fails";
    const char* names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    const QByteArray before[] = {qgetenv(names[0]), qgetenv(names[1]), qgetenv(names[2])};
    // clang-format off
    const std::array<const char*, 5> rows[] = { // as set, then the platform, the display named
        {"", ":9", "w-1", "xcb", "the display :9:"}, {"", "", "w-1", "", "the Wayland display w-1:"},
        {"wayland", ":9", "w-1", "wayland", "the Wayland display w-1:"},
        {"wayland-egl", ":9", "", "wayland-egl", "the Wayland display wayland-0:"},
        {"", ":9", "", "", "the display :9:"}, {"xcb", "", "", "xcb", "an X display: DISPLAY is"}};
    // clang-format on
    for (const auto& row : rows) {
        for (int i = 0; i < 3; ++i)
            qputenv(names[i], row[i]);
        toolkit::OpenDisplay([] {});
        EXPECT_EQ(qgetenv(names[0]), row[3]) << row[1] << row[2];
        EXPECT_EXIT(
            toolkit::OpenDisplay([] { qFatal("no Qt platform plugin could be initialized"); }),
            testing::ExitedWithCode(2), std::string("carrowby: cannot open ") + row[4]);
    }
    for (int i = 0; i < 3; ++i)
        before[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], before[i]);
}

// On Wayland the windows find their icon and name through the launcher the package installs.
TEST(Application, NamesTheLauncherThePackageInstalls)
{
    EXPECT_TRUE(QFile::exists(
        QStringLiteral(CARROWBY_PACKAGING "/%1.desktop").arg(QGuiApplication::desktopFileName())))
        << QGuiApplication::desktopFileName().toStdString();
}

TEST(ScreenPlacement, AFrameIsCentredInsideThePanelsOrKeepsItsTitleBarOnTheScreen)
{
    // The fault, the screen's room, the frame, where the toolkit showed a dialog (else centred).
    const std::tuple<const char*, QRect, QSize, std::optional<QPoint>, QPoint> rows[] = {
        {"not centred", {0, 0, 1366, 740}, {880, 560}, {}, {243, 90}},
        {"a panel at the top ignored", {0, 30, 1024, 570}, {524, 346}, {}, {250, 142}},
        {"the title bar above the screen", {0, 0, 1366, 740}, {1243, 752}, {}, {61, 0}},
        {"the left edge off the screen", {100, 0, 800, 600}, {900, 300}, {}, {100, 150}},
        {"a dialog moved off its owner", {0, 0, 1024, 575}, {446, 420}, {{283, 52}}, {283, 52}},
        {"a dialog left under the panel", {0, 0, 1024, 575}, {446, 420}, {{900, 300}}, {578, 155}},
        {"a dialog's title bar off", {0, 30, 1024, 570}, {780, 600}, {{122, -20}}, {122, 30}}};
    using toolkit::FramePlace, toolkit::KeptInside;
    for (const auto& [fault, room, frame, at, place] : rows)
        EXPECT_EQ(at ? KeptInside(room, {*at, frame}) : FramePlace(room, frame), place) << fault;
}

// File > Exit while another program keeps the last answer from the results file: the window says
// so; Wait (Enter) waits, asking again, until it is written, and Leave keeps it for the next start.
TEST_F(MainWindowTest, LeavingWithAnAnswerUnwrittenWaitsOrLeavesOnTheUsersWord)
{
    Recorded("Carrowby");
    const std::string path = results::DefaultResultsPath();
    for (const bool wait : {true, false}) {
        sqlite3* holder = nullptr; // waits while the recorder writes the test's start
        sqlite3_open(path.c_str(), &holder), sqlite3_busy_timeout(holder, 20000);
        const auto commit = [&] { sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr); };
        Script(0, {1});
        EXPECT_EQ(Start(), "");
        ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        Answer("8");
        QString asked;
        const QPointer<QTimer> question = WhenModal([&](QWidget* ask) {
            asked = ask->property("text").toString();
            if (wait) // asked again until it is written, which closes the question
                WhenModal([commit](QWidget*) { commit(); });
            PressKey(ask, wait ? Qt::Key_Return : Qt::Key_L);
        });
        const int ends = programEnds;
        CaptureStderr(), Find<QAction>("mFile_Exit")->trigger();
        delete question; // not left to answer a later window if it never came
        EXPECT_THAT(asked.toStdString(),
                    testing::StartsWith("1 answer cannot be written to the results file yet: "
                                        "database is locked."));
        EXPECT_EQ(programEnds, ends + 1);
        window.reset(), GetCapturedStderr(); // the program's end
        commit(), sqlite3_close(holder);
        EXPECT_EQ(access(results::UnwrittenPath(path).c_str(), F_OK) == 0, !wait) << wait;
        Open();
        results::Recorder next; // takes in what was kept
        next.TestStarted({"Carrowby", "+", "7", "Easy", 10, 0}, {});
        EXPECT_TRUE(next.Flush(std::chrono::seconds(20)));
        results::ResultsReader reader;
        ASSERT_TRUE(reader.Open() && reader.Tests()->size() >= 2);
        const auto tests = reader.Tests().value();
        EXPECT_EQ(std::tuple(tests[1].correct, tests[1].endReason),
                  std::tuple(int64_t(1), std::optional(results::EndReason::Stopped)))
            << wait;
        next.TestEnded({}, results::EndReason::Stopped);
    }
}

// Alt+S and Enter at once, as a quick hand presses them: one test, ended as the window closes.
TEST_F(MainWindowTest, OnePressOfStartStartsOneTest)
{
    Script(0, {1, 1});
    Find("btnStart")->setFocus();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(Find("btnStart"), Qt::Key_Return);
    QTest::qWait(300); // past the access key's animated press
    window.reset();
    results::ResultsReader reader;
    const auto tests = reader.Open() ? reader.Tests().value() : std::vector<results::TestRow>();
    EXPECT_TRUE(tests.size() == 1 && tests[0].endReason == results::EndReason::Stopped);
}
