#pragma once

#include "drill/frmMain.h"
#include "results/Recorder.h"
#include "support/FakeClock.h"
#include "support/RegistrySandbox.h"
#include "support/ScriptedRandom.h"
#include "toolkit/Application.h"

#include <QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets>

// Answers the next modal window once it shows (call before opening it; delete to withdraw).
inline QPointer<QTimer> WhenModal(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer(qApp);
    const QDeadlineTimer deadline(5000);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool shown = modal && modal->isVisible();
        if (shown || deadline.hasExpired()) {
            poll->stop(), poll->deleteLater();
            shown ? answer(modal) : ADD_FAILURE() << "no modal window appeared";
        }
    });
    poll->start(10);
    return poll;
}

// A failed check prints a QString (and a QStringList's items) as text, and names a control as a
// screen reader hears it: by what it holds (its description), else its name ("Time:").
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline std::string Heard(QObject* control)
{
    const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(control);
    QStringList said = {heard->text(QAccessible::Description), heard->text(QAccessible::Name),
                        control->objectName()};
    said.removeAll("");
    return '"' + said.value(0).toStdString() + '"';
}

inline const QString Version = QString::fromStdString("Version " + toolkit::VersionText());

// A key pressed where the keyboard would send it: to the window's focused control.
inline void PressKey(QWidget* window, Qt::Key key)
{
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
}

// Answers the next message box with Enter once it shows; said gets "its title: its text".
inline QPointer<QTimer> WhenMessage(QString& said)
{
    return WhenModal([&said](QWidget* box) {
        said = box->windowTitle() + ": " + box->property("text").toString();
        PressKey(box, Qt::Key_Return);
    });
}

// The real main window on a store of its own, shown and active; ending the program is counted.
class MainWindowSandbox : public RegistrySandbox
{
  protected:
    void SetUp() override { RegistrySandbox::SetUp(), Open(); }
    void TearDown() override { window.reset(), RegistrySandbox::TearDown(); }
    void Open()
    {
        window = std::make_unique<frmMain>();
        window->SetProgramEnd([this] { ++programEnds; });
        // The clock stands still until the test moves it; the timer looks at it often.
        window->SetClock(clock), Timer()->setInterval(1);
        window->show(), window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QTimer* Timer() const { return window->findChild<QTimer*>("myTimer"); }
    // Moves the clock on, and waits for the timer to look at it while it runs.
    void Pass(double seconds)
    {
        clock->Pass(seconds);
        EXPECT_TRUE(!Timer()->isActive() || QSignalSpy(Timer(), &QTimer::timeout).wait(5000));
    }

    // The control of that name in the main window, or in another window of the program.
    template <typename Control = QWidget>
    Control* Find(const char* name, const QWidget* in = nullptr) const
    {
        auto* control = (in ? in : window.get())->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    auto Text(const char* label, QWidget* in = {}) const { return Find<QLabel>(label, in)->text(); }
    // The boxes ticked, and the difficulty: "chkAddition chk7 Easy".
    QString Ticked() const
    {
        QString ticked;
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            ticked += box->isChecked() ? box->objectName() + " " : "";
        return ticked + Find<QComboBox>("ctlDifficulty")->currentText();
    }
    QLineEdit* Input() const { return Find<QLineEdit>("txtInput"); }
    // The Results window, opened by its menu item: a window of its own beside the main one.
    QDialog* OpenResults() const
    {
        Find<QAction>("mFile_Results")->trigger();
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (shown->objectName() == "frmResults" && shown->isVisible())
                return qobject_cast<QDialog*>(shown);
        ADD_FAILURE() << "no Results window";
        return nullptr;
    }
    void Tick(std::initializer_list<const char*> names, bool ticked = true)
    {
        std::ranges::for_each(names, [&](auto name) { Find<QCheckBox>(name)->setChecked(ticked); });
    }
    // Chooses the list's item that holds the value (a time limit's seconds) or shows it.
    void Choose(const char* name, const QVariant& value)
    {
        auto* list = Find<QComboBox>(name);
        list->setCurrentIndex(std::max(list->findData(value), list->findText(value.toString())));
        EXPECT_GE(list->currentIndex(), 0) << name << ": no " << value.toString().toStdString();
    }

    // What the window shows: idle or testing (the problem frame, Start, the timer, the answer
    // box and Personalize agreeing on it), the status ("-" for a figure not shown), the seconds
    // remaining, the problem, and what the panels say besides.
    QStringList Screen() const
    {
        const bool testing = Find("frmProblem")->isVisible();
        const bool agree = Find("btnStart")->isEnabled() != testing &&
                           Timer()->isActive() == testing && Input()->isEnabled() == testing &&
                           Find<QAction>("mFile_Personalize")->isEnabled() != testing;
        QStringList shown = {agree ? (testing ? "testing" : "idle") : "neither"};
        for (auto* label :
             {"txtCorrect", "txtIncorrect", "txtPercentage", "txtGrade", "txtTimeRemaining"})
            shown << (Find(label)->isVisibleTo(window.get()) ? Text(label) : "-");
        if (testing)
            shown << Find<QGroupBox>("frmProblem")->title();
        for (auto* said : {"txtPracticeNote", "txtTimeUp"})
            if (Find(said)->isVisibleTo(window.get()))
                shown << Find<QGroupBox>("frmStatus")->title() + Text(said);
        return shown;
    }

    // Easy sums with 7, Addition and 7 ticked and the time limit of those seconds; the drill's
    // random numbers give 7 and each first operand in turn.
    ScriptedRandom* Script(int seconds, std::initializer_list<int> firsts)
    {
        Tick({"chkAddition", "chk7"}), Choose("ctlTimed", seconds);
        auto* script = new ScriptedRandom;
        for (int first : firsts)
            script->draws.insert(script->draws.end(), {Op(1), Operand(7, 1), Operand(first, 1)});
        window->SetRandomSource(std::unique_ptr<ScriptedRandom>(script));
        return script;
    }

    // An ended test of the title's: 7 x 3 answered 12, 3 and 7 ticked; where asked, 8 x 7 right
    // but slow first, so that every button handing the main window something shows its key.
    void Recorded(const std::string& title, bool slowToo = false)
    {
        results::Recorder recorder;
        recorder.SetClock(clock), recorder.TestStarted({title, "x", "3,7", "Easy", 10, 0}, {});
        if (slowToo)
            recorder.ProblemShown(1, 'x', {8, 7}, 56), clock->Pass(9),
                recorder.Answered("56", true, {1, 0, 9, 100, "A+"});
        recorder.ProblemShown(1 + slowToo, 'x', {7, 3}, 21);
        recorder.Answered("12", false, {slowToo, 1, 9 - slowToo, 0, "F"});
        recorder.TestEnded({slowToo, 1, 9 - slowToo, 0, "F"}, results::EndReason::Finished);
        EXPECT_TRUE(recorder.Flush(std::chrono::seconds(20)));
    }

    // Presses Start, answering a "Settings Error" box if one comes; returns its prompt.
    QString Start()
    {
        QString prompt;
        QPointer<QTimer> watcher = WhenMessage(prompt);
        QTest::mouseClick(Find<QPushButton>("btnStart"), Qt::LeftButton);
        delete watcher;
        return prompt;
    }

    // Personalizes with the name typed as a keyboard of any layout types it (null: Cancel); the
    // names offered go into offered, and a message that follows is answered, its text in said.
    QString Personalize(const QString& typed, QStringList* offered = nullptr,
                        QString* said = nullptr)
    {
        WhenModal([=](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            EXPECT_EQ(dialog->windowTitle() + dialog->labelText() + dialog->textValue(),
                      QCoreApplication::translate("frmMain", "Personalize Carrowby") +
                          QCoreApplication::translate("frmMain", "What is your name?"));
            if (offered)
                *offered = dialog->comboBoxItems();
            for (const QChar letter : typed)
                QTest::sendKeyEvent(QTest::Click, dialog->findChild<QLineEdit*>(), Qt::Key_unknown,
                                    QString(letter), {});
            PressKey(dialog, typed.isNull() ? Qt::Key_Escape : Qt::Key_Return);
            if (said)
                WhenMessage(*said);
        });
        Find<QAction>("mFile_Personalize")->trigger();
        return window->windowHandle()->title();
    }

    static void PressEnter(QWidget* shown) { PressKey(shown, Qt::Key_Return); }
    // Hands in the typed answer with Enter; the feedback window gets feedback, else Enter.
    void Answer(const QString& typed, std::function<void(QWidget*)> feedback = PressEnter)
    {
        WhenModal(std::move(feedback));
        QTest::keyClicks(Input(), typed), QTest::keyClick(Input(), Qt::Key_Return);
    }

    // A click as the window system sends it to the control's window, `after` ms after the last
    // one: within the double-click interval, the second half of a double-click.
    void Click(QWidget* control, ulong after)
    {
        const QPoint centre = control->rect().center();
        clickTime += after;
        for (auto type :
             {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, control->mapTo(control->window(), centre),
                              control->mapToGlobal(centre), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoModifier);
            event.setTimestamp(clickTime);
            QApplication::sendEvent(control->window()->windowHandle(), &event);
        }
    }

    std::unique_ptr<frmMain> window;
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    int programEnds = 0;
    ulong clickTime = 0;
};
