#pragma once

#include "drill/frmMain.h"
#include "registry/StoreFile.h"
#include "support/Modal.h"
#include "support/ScriptedRandom.h"
#include "windows/frmAnswer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>

// A loaded main window, shown and active, whose program end is only counted.
class MainWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override { Open(); }
    void TearDown() override { window.reset(); }

    void Open()
    {
        window = std::make_unique<frmMain>();
        window->SetProgramEnd([this] { ++programEnds; });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Unloads the window as closing it does, then loads a new one.
    void Reopen()
    {
        window->close();
        window.reset();
        Open();
    }

    // A new window on an empty store, as on a first start.
    void OpenFresh()
    {
        window->SetProgramEnd([] {});
        window.reset();
        std::remove(registry::StoreFile::DefaultPath().c_str());
        Open();
    }

    template <typename Control = QWidget> Control* Find(const char* name) const
    {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QString Text(const char* label) const { return Find<QLabel>(label)->text(); }
    QCheckBox* Box(const char* name) const { return Find<QCheckBox>(name); }
    QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
    QLineEdit* Input() const { return Find<QLineEdit>("txtInput"); }
    bool Testing() const { return Find("frmProblem")->isVisible(); }

    void Tick(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            Box(name)->setChecked(true);
    }

    // Replaces the window's random numbers with a script and returns it.
    ScriptedRandom* Script()
    {
        auto script = std::make_unique<ScriptedRandom>();
        ScriptedRandom* raw = script.get();
        window->SetRandomSource(std::move(script));
        return raw;
    }

    // The draws of an Easy problem second op first (operation 1 to 4).
    static void AddEasy(ScriptedRandom* script, int operation, int second, int first)
    {
        script->Add({Op(operation), Operand(second, 1), Operand(first, 1)});
    }

    // Presses Start, answering a "Settings Error" box if one comes; returns its prompt.
    QString Start()
    {
        QString prompt;
        QPointer<QTimer> watcher = WhenModal([&](QWidget* modal) {
            prompt = modal->property("text").toString();
            EXPECT_EQ(modal->windowTitle(), "Settings Error");
            PressKey(modal, Qt::Key_Return);
        });
        QTest::mouseClick(Find<QPushButton>("btnStart"), Qt::LeftButton);
        delete watcher;
        return prompt;
    }

    // Types an answer and presses Enter; the feedback window is read and closed with Enter.
    // Returns the verdict it showed.
    QString Submit(const QString& typed, QStringList* feedback = nullptr)
    {
        QString verdict;
        WhenModal([&](QWidget* modal) {
            verdict = modal->findChild<QLabel*>("txtMessage")->text();
            if (feedback) {
                for (const char* name :
                     {"txtLine4", "txtLine3", "txtLine2", "txtLine1", "txtOp", "txtAnswer"})
                    feedback->append(modal->findChild<QLabel*>(name)->text());
            }
            PressKey(modal, Qt::Key_Return);
        });
        QTest::keyClicks(Input(), typed);
        QTest::keyClick(Input(), Qt::Key_Return);
        return verdict;
    }

    std::unique_ptr<frmMain> window;
    int programEnds = 0;
};
