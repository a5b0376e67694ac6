// File > Personalize and Help > About.

#include "MainWindowFixture.h"
#include "windows/frmAbout.h"

#include <QInputDialog>

namespace {

// Answers the input box: types text and presses Enter, or presses Escape when text is null.
void AnswerInputBox(const char* text, QString* title = nullptr, QString* prompt = nullptr)
{
    WhenModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        if (title)
            *title = dialog->windowTitle();
        if (prompt)
            *prompt = dialog->labelText();
        auto* field = dialog->findChild<QLineEdit*>();
        EXPECT_EQ(field->text(), "") << "no default text";
        if (!text) {
            PressKey(dialog, Qt::Key_Escape);
            return;
        }
        TypeText(field, QString::fromUtf8(text));
        QTest::keyClick(field, Qt::Key_Return);
    });
}

} // namespace

TEST_F(MainWindowTest, PersonalizingPutsTheNameInTheTitle)
{
    QString title, prompt;
    AnswerInputBox("Ada", &title, &prompt);
    Find<QAction>("mFile_Personalize")->trigger();
    EXPECT_EQ(title, "Personalize Carrowby");
    EXPECT_EQ(prompt, "What is your name?");
    EXPECT_EQ(window->windowTitle(), "Ada's Carrowby");

    AnswerInputBox(nullptr);
    Find<QAction>("mFile_Personalize")->trigger();
    EXPECT_EQ(window->windowTitle(), "Ada's Carrowby") << "Cancel";
    AnswerInputBox("");
    Find<QAction>("mFile_Personalize")->trigger();
    EXPECT_EQ(window->windowTitle(), "Ada's Carrowby") << "empty OK";
    AnswerInputBox("Grace");
    Find<QAction>("mFile_Personalize")->trigger();
    EXPECT_EQ(window->windowTitle(), "Grace's Carrowby") << "the name is replaced";
    AnswerInputBox("  ");
    Find<QAction>("mFile_Personalize")->trigger();
    EXPECT_EQ(window->windowTitle(), "  's Carrowby") << "blanks count as a name";
}

TEST_F(MainWindowTest, TheTitleIsSavedOnlyWhenTheWindowUnloads)
{
    AnswerInputBox("Ada");
    Find<QAction>("mFile_Personalize")->trigger();
    RegistryManager key;
    key.CompanyName("QZV");
    key.Application("Carrowby");
    key.UseAutoAppSubKeys(True);
    std::string stored;
    key.ReadValue("UserName", stored);
    EXPECT_EQ(stored, "Carrowby");
    Reopen();
    EXPECT_EQ(window->windowTitle(), "Ada's Carrowby");
}

TEST_F(MainWindowTest, TheNameFieldTakesNoMoreThanTheTitleCanKeep)
{
    std::string name;
    for (int i = 0; i < 200; ++i)
        name += "é"; // two bytes each
    AnswerInputBox(name.c_str());
    Find<QAction>("mFile_Personalize")->trigger();
    const QByteArray title = window->windowTitle().toUtf8();
    EXPECT_EQ(title.size(), 253) << "121 letters and the suffix; a 122nd would pass 254 bytes";
    Reopen();
    EXPECT_EQ(window->windowTitle().toUtf8(), title);
}

TEST_F(MainWindowTest, AboutShowsTheTitleOfTheMomentAndTheVersion)
{
    auto openAbout = [this](Qt::Key closeWith) {
        QStringList seen;
        QPointer<QWidget> about;
        WhenModal([&](QWidget* modal) {
            about = modal;
            seen << modal->windowTitle() << modal->findChild<QLabel*>("lblTitle")->text()
                 << modal->findChild<QLabel*>("lblVersion")->text();
            PressKey(modal, closeWith);
        });
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        EXPECT_TRUE(about.isNull()) << "unloaded when closed";
        return seen;
    };
    EXPECT_EQ(openAbout(Qt::Key_Return),
              QStringList({"About Carrowby", "Carrowby", "Version 1.1.18"}));
    window->setWindowTitle("Ada's Carrowby");
    EXPECT_EQ(openAbout(Qt::Key_Escape),
              QStringList({"About Ada's Carrowby", "Ada's Carrowby", "Version 1.1.18"}));
    window->setWindowTitle("");
    EXPECT_EQ(openAbout(Qt::Key_Return), QStringList({"About ", "", "Version 1.1.18"}));
}
