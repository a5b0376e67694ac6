// The window's life from load to unload, personalizing and About, and every label whole.

#include "MainWindowTest.h"
#include "registry/StoreFile.h"
#include "toolkit/Caption.h"
#include "windows/TitleLabel.h"
#include "windows/frmAbout.h"
#include "windows/frmAnswer.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> Stored(std::initializer_list<const char*> names)
{
    RegistryManager key = RegistrySandbox::AppKey("QZV", "Carrowby");
    std::vector<std::string> texts;
    for (const char* name : names)
        key.ReadValue(name, texts.emplace_back());
    return texts;
}

} // namespace

TEST_F(MainWindowTest, SettingsLiveThroughAnUnloadAndANewLoad)
{
    using Texts = std::vector<std::string>;
    EXPECT_EQ(Stored({"Installed", "UserName", "chk2"}), Texts({"True", "Carrowby", "0"}));
    Tick({"chkAddition", "chk2", "chk10"});
    Find<QComboBox>("ctlTimed")->setCurrentIndex(4);
    Find<QComboBox>("ctlDifficulty")->setCurrentIndex(3);
    Find<QComboBox>("ctlNumberOfProblems")->setCurrentIndex(-1);
    toolkit::SetCaption(window.get(), "Ada's [*] Carrowby");
    EXPECT_EQ(Stored({"chk2"}), Texts({"0"})) << "nothing is saved before the window unloads";
    Reopen();
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(Stored({"chkAddition", "chk2", "chk3", "chk10", "ctlTimed", "ctlNumberOfProblems",
                      "UserName"}),
              Texts({" 1", " 1", " 0", " 1", " 4", "-1", "Ada's [*] Carrowby"}));
    QStringList ticked;
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        ticked << (box->isChecked() ? box->objectName() : "");
    EXPECT_EQ(ticked.join(" ").simplified(), "chkAddition chk2 chk10");
    EXPECT_EQ(Find<QComboBox>("ctlDifficulty")->currentText(), "Diabloish");
    EXPECT_EQ(Find<QComboBox>("ctlNumberOfProblems")->currentIndex(), -1);
    EXPECT_EQ(Text("txtTimeRemaining"), "120");
    EXPECT_EQ(window->windowHandle()->title(), "Ada's [*] Carrowby");
}

// A store the user may not read gives a plain first-run window and is never written.
TEST_F(MainWindowTest, AStoreThatCannotBeReadIsLeftAsItIs)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file modes do not bind root: this runs as nobody by its own entry";
    Tick({"chk4"});
    window->close();
    const std::string store = registry::StoreFile::DefaultPath(), before = FileText(store);
    ASSERT_EQ(chmod(store.c_str(), 0000), 0);
    testing::internal::CaptureStderr();
    Open();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(window->windowTitle(), "Carrowby");
    EXPECT_FALSE(Find<QCheckBox>("chk4")->isChecked());
    EXPECT_NE(said.find(store + " cannot be read (Permission denied)"), std::string::npos) << said;
    window->close();
    ASSERT_EQ(chmod(store.c_str(), 0600), 0);
    EXPECT_EQ(FileText(store), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder + "/carrowby"), {}), 1);
}

TEST_F(MainWindowTest, PersonalizingAndAbout)
{
    auto personalize = [this](const QString& typed) { // null: Cancel
        WhenModal([=](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            EXPECT_EQ(dialog->windowTitle() + dialog->labelText() + dialog->textValue(),
                      "Personalize CarrowbyWhat is your name?");
            TypeText(dialog->findChild<QLineEdit*>(), typed);
            PressKey(dialog, typed.isNull() ? Qt::Key_Escape : Qt::Key_Return);
        });
        Find<QAction>("mFile_Personalize")->trigger();
        return window->windowHandle()->title();
    };
    auto about = [this](Qt::Key closeWith) {
        QStringList seen;
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QPointer<QTimer> watcher = WhenModal([&](QWidget* modal) {
            seen << modal->windowHandle()->title() << modal->findChild<QLabel*>("lblTitle")->text()
                 << modal->findChild<QLabel*>("lblVersion")->text();
            PressKey(modal, closeWith);
        });
        QTest::keyClick(window.get(), Qt::Key_F1);
        delete watcher;
        EXPECT_EQ(window->findChild<frmAbout*>(), nullptr) << "unloaded when closed";
        return seen;
    };
    EXPECT_EQ(about(Qt::Key_Return), QStringList({"About Carrowby", "Carrowby", "Version 1.1.18"}));
    const QString title = "<b>Bo</b> [*] &amp;'s Carrowby";
    EXPECT_EQ(personalize("<b>Bo</b> [*] &amp;"), title);
    EXPECT_EQ(about(Qt::Key_Escape), QStringList({"About " + title, title, "Version 1.1.18"}));
    EXPECT_EQ(personalize(QString()), title) << "Cancel";
    EXPECT_EQ(personalize(""), title) << "OK with nothing typed";
    EXPECT_EQ(personalize("  "), "  's Carrowby") << "blanks are a name";
    EXPECT_EQ(Stored({"UserName"})[0], "Carrowby") << "saved only when the window unloads";
    // Two bytes each: 121 letters and the suffix fit 254 bytes, a 122nd would not.
    EXPECT_EQ(personalize(QString(200, QChar(0xE9))).toUtf8().size(), 253);
    Reopen();
    EXPECT_EQ(window->windowTitle().toUtf8().size(), 253);
}

// Every label shows the longest text it can hold whole, on one line or, for a label that
// wraps, in lines within its bounds; and the About window stays within the screen. Run at
// several scale factors as well.
TEST_F(MainWindowTest, EveryLabelShowsItsLongestTextWhole)
{
    auto showsWhole = [](QWidget* owner, const char* name, const QString& text) {
        auto* label = owner->findChild<QLabel*>(name);
        label->setText(text);
        const int flags = qobject_cast<TitleLabel*>(label) ? Qt::TextWrapAnywhere : 0;
        const QRect room = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(
            room, flags | static_cast<int>(label->alignment()), text);
        EXPECT_TRUE(room.contains(needed))
            << name << ": " << needed.width() << " x " << needed.height() << " in " << room.width()
            << " x " << room.height();
    };
    frmAnswer feedback(nullptr);
    for (QWidget* owner : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&feedback)})
        for (QLabel* line : owner->findChildren<QLabel*>(QRegularExpression("^txt(Line|Answer)"))) {
            const QString name = line->objectName(); // and the digits of every line in columns
            EXPECT_TRUE(line->fontInfo().fixedPitch()) << name.toStdString();
            EXPECT_EQ(line->geometry().right(),
                      owner->findChild<QLabel*>("txtLine1")->geometry().right());
            showsWhole(owner, qPrintable(name), name == "txtAnswer" ? " 2147483647" : " 1771560");
        }
    showsWhole(&feedback, "txtMessage", "You were right!");
    for (const char* name : {"txtCorrect", "txtIncorrect", "txtPercentage"})
        showsWhole(window.get(), name, " 100");
    showsWhole(window.get(), "txtGrade", "A+");
    showsWhole(window.get(), "txtTimeRemaining", "Unlimited");
    for (QLabel* label : window->findChildren<QLabel*>(QRegularExpression("^Label")))
        showsWhole(window.get(), qPrintable(label->objectName()), label->text());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        EXPECT_GE(button->width(), button->sizeHint().width())
            << button->objectName().toStdString();

    const QRect screen = window->screen()->availableGeometry();
    for (const QString& name : {QString(243, 'W'), QString(121, QChar(0xC9)), QString("Ada")}) {
        toolkit::SetCaption(window.get(), name + "'s Carrowby");
        frmAbout about(window.get());
        showsWhole(&about, "lblTitle", name + "'s Carrowby");
        showsWhole(&about, "lblVersion", "Version 1.1.18");
        EXPECT_LE(about.width(), screen.width());
        const QRect ok = about.findChild<QWidget*>("cmdOK")->geometry();
        EXPECT_TRUE(about.rect().contains(ok) &&
                    !ok.intersects(about.findChild<QLabel*>("lblTitle")->geometry()));
        EXPECT_TRUE(name != "Ada" || about.size() == QSize(267, 64)) << "the design-time size";
    }
}

// Frames are drawn the classic way: a border all round, broken by the title on its top line.
TEST_F(MainWindowTest, FramesAreDrawnTheClassicWay)
{
    auto* frame = Find<QGroupBox>("frmStatus");
    const QImage image = frame->grab().toImage();
    const QSize title = frame->fontMetrics().size(Qt::TextShowMnemonic, frame->title());
    const QRgb border = frame->palette().mid().color().rgb();
    EXPECT_EQ(image.pixel(0, image.height() / 2), border) << "the left side";
    EXPECT_EQ(image.pixel(image.width() - 2, title.height() / 2), border) << "the top";
    EXPECT_NE(image.pixel(6 + title.width() + 3, title.height() / 2), border)
        << "the top line gives way to the title";
}
