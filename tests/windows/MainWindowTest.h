#pragma once

#include "drill/frmMain.h"
#include "support/Modal.h"
#include "support/RegistrySandbox.h"
#include "support/ScriptedRandom.h"

#include <QtWidgets>

// The real main window, loaded on a store of its own, shown and active; the end of the
// program is only counted.
class MainWindowTest : public RegistrySandbox
{
  protected:
    void SetUp() override
    {
        RegistrySandbox::SetUp();
        Open();
    }
    void TearDown() override
    {
        window.reset();
        RegistrySandbox::TearDown();
    }
    void Open()
    {
        window = std::make_unique<frmMain>();
        window->SetProgramEnd([this] { ++programEnds; });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void Reopen() // unloaded as closing the window does, then loaded anew
    {
        window->close();
        Open();
    }

    template <typename Control = QWidget> Control* Find(const char* name) const
    {
        auto* control = window->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QString Text(const char* label) const { return Find<QLabel>(label)->text(); }
    QLineEdit* Input() const { return Find<QLineEdit>("txtInput"); }
    void Tick(std::initializer_list<const char*> names, bool ticked = true)
    {
        for (const char* name : names)
            Find<QCheckBox>(name)->setChecked(ticked);
    }

    // What the window shows: idle or testing (the problem frame, Start, the timer and the
    // answer box agreeing on it), the status, and the seconds remaining.
    QStringList Screen() const
    {
        const bool testing = Find("frmProblem")->isVisible();
        const bool agree = Find("btnStart")->isEnabled() != testing &&
                           window->myTimer.isActive() == testing && Input()->isEnabled() == testing;
        QStringList shown = {agree ? (testing ? "testing" : "idle") : "neither"};
        for (auto* label :
             {"txtCorrect", "txtIncorrect", "txtPercentage", "txtGrade", "txtTimeRemaining"})
            shown << Text(label);
        return shown;
    }

    // Replaces the window's random numbers with a script of Easy sums: 7 and each first operand.
    ScriptedRandom* Script(std::initializer_list<int> firsts)
    {
        auto script = std::make_unique<ScriptedRandom>();
        for (int first : firsts)
            script->draws.insert(script->draws.end(), {Op(1), Operand(7, 1), Operand(first, 1)});
        ScriptedRandom* raw = script.get();
        window->SetRandomSource(std::move(script));
        return raw;
    }

    // Presses Start, answering a "Settings Error" box if one comes; returns its prompt.
    QString Start()
    {
        QString prompt;
        QPointer<QTimer> watcher = WhenModal([&](QWidget* modal) {
            prompt = modal->windowTitle() + ": " + modal->property("text").toString();
            PressKey(modal, Qt::Key_Return);
        });
        QTest::mouseClick(Find<QPushButton>("btnStart"), Qt::LeftButton);
        delete watcher;
        return prompt;
    }

    std::unique_ptr<frmMain> window;
    int programEnds = 0;
};
