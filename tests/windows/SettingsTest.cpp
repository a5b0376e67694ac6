// Saved settings and the window's life from load to unload.

#include "MainWindowFixture.h"
#include "registry/StoreFile.h"
#include "registry/StoreFormat.h"
#include "support/Unprivileged.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const ControlValues[] = {"chkAddition", "chkSubtraction", "chkMultiplication",
                                     "chkDivision", "chk0",           "chk1",
                                     "chk2",        "chk3",           "chk4",
                                     "chk5",        "chk6",           "chk7",
                                     "chk8",        "chk9",           "chk10",
                                     "ctlTimed",    "ctlDifficulty",  "ctlNumberOfProblems"};

// The values of the program's key, as the store file holds them (text without its NUL).
std::map<std::string, std::string> StoredValues()
{
    std::ifstream file(registry::StoreFile::DefaultPath());
    std::stringstream text;
    text << file.rdbuf();
    const auto tree = registry::ParseStore(text.str());
    std::map<std::string, std::string> values;
    if (!tree)
        return values;
    const registry::RegistryKey* key =
        registry::FindKey(tree->currentUser, {"Software", "QZV", "Carrowby"});
    if (!key)
        return values;
    for (const auto& value : key->values)
        values[value.name] = value.data.substr(0, value.data.size() - 1);
    return values;
}

RegistryManager SettingsKey()
{
    RegistryManager manager;
    manager.CompanyName("QZV");
    manager.Application("Carrowby");
    manager.UseAutoAppSubKeys(True);
    return manager;
}

} // namespace

TEST_F(MainWindowTest, FirstStartWritesTheDefaults)
{
    auto values = StoredValues();
    EXPECT_EQ(values.size(), 20u);
    EXPECT_EQ(values["Installed"], "True");
    EXPECT_EQ(values["UserName"], "Carrowby");
    for (const char* name : ControlValues)
        EXPECT_EQ(values[name], "0") << name;
}

TEST_F(MainWindowTest, ClosingSavesAndTheNextLoadRestores)
{
    Tick({"chkAddition", "chk2", "chk5"});
    List("ctlTimed")->setCurrentIndex(4);
    List("ctlDifficulty")->setCurrentIndex(3);
    window->close();
    EXPECT_EQ(programEnds, 1);
    auto values = StoredValues();
    EXPECT_EQ(values.size(), 20u);
    EXPECT_EQ(values["Installed"], "True");
    for (const char* name : ControlValues) {
        const std::string name_(name);
        const char* expected = (name_ == "chkAddition" || name_ == "chk2" || name_ == "chk5") ? " 1"
                               : name_ == "ctlTimed"                                          ? " 4"
                               : name_ == "ctlDifficulty"                                     ? " 3"
                                                          : " 0";
        EXPECT_EQ(values[name], expected) << name;
    }
    window.reset();
    Open();
    EXPECT_TRUE(Box("chkAddition")->isChecked());
    EXPECT_TRUE(Box("chk2")->isChecked());
    EXPECT_TRUE(Box("chk5")->isChecked());
    EXPECT_FALSE(Box("chk3")->isChecked());
    EXPECT_EQ(List("ctlTimed")->currentText(), "2 Minutes");
    EXPECT_EQ(List("ctlDifficulty")->currentText(), "Diabloish");
    EXPECT_EQ(Text("txtTimeRemaining"), "120");
}

TEST_F(MainWindowTest, ExitSavesAndEndsDuringATest)
{
    Tick({"chkSubtraction", "chk9"});
    EXPECT_EQ(Start(), "");
    Find<QAction>("mFile_Exit")->trigger();
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(window->myTimer.isActive());
    EXPECT_EQ(StoredValues()["chkSubtraction"], " 1");
    window->close();
    EXPECT_EQ(programEnds, 1) << "unloads once";
}

TEST_F(MainWindowTest, StoredTextsAreReadLeniently)
{
    window->close();
    window.reset();
    RegistryManager key = SettingsKey();
    const std::pair<const char*, const char*> stored[] = {
        {"UserName", "Ada's Carrowby"},
        {"chkAddition", "1"},      // without the blank
        {"chkSubtraction", "abc"}, // no number
        {"chkMultiplication", ""}, // empty
        {"chkDivision", "2"},      // no tick state
        {"chk0", " 1"},
        {"chk1", "1.4"},   // rounds to 1
        {"chk2", "40000"}, // beyond 16 bits
        {"ctlTimed", " 3"},
        {"ctlDifficulty", "-1"},      // no choice
        {"ctlNumberOfProblems", "9"}, // past the last item
    };
    for (const auto& [name, text] : stored)
        key.WriteValue(name, text, REG_SZ);
    Open();
    EXPECT_EQ(window->windowTitle(), "Ada's Carrowby");
    EXPECT_TRUE(Box("chkAddition")->isChecked());
    EXPECT_FALSE(Box("chkSubtraction")->isChecked());
    EXPECT_FALSE(Box("chkMultiplication")->isChecked());
    EXPECT_FALSE(Box("chkDivision")->isChecked());
    EXPECT_TRUE(Box("chk0")->isChecked());
    EXPECT_TRUE(Box("chk1")->isChecked());
    EXPECT_FALSE(Box("chk2")->isChecked());
    EXPECT_EQ(List("ctlTimed")->currentText(), "1 Minute");
    EXPECT_EQ(Text("txtTimeRemaining"), "60");
    EXPECT_EQ(List("ctlDifficulty")->currentIndex(), -1);
    EXPECT_EQ(List("ctlNumberOfProblems")->currentIndex(), 0);
}

TEST_F(MainWindowTest, NoTimeLimitChoiceShowsUnlimited)
{
    window->close();
    window.reset();
    SettingsKey().WriteValue("ctlTimed", "-1", REG_SZ);
    Open();
    EXPECT_EQ(List("ctlTimed")->currentIndex(), -1);
    EXPECT_EQ(Text("txtTimeRemaining"), "Unlimited");
    window->close();
    EXPECT_EQ(StoredValues()["ctlTimed"], "-1");
}

TEST_F(MainWindowTest, MissingTitleLeavesItEmptyWithoutRewritingDefaults)
{
    Tick({"chk4"});
    window->close();
    window.reset();
    // Delete the value by writing the store without it.
    std::ifstream in(registry::StoreFile::DefaultPath());
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::string edited = text.str();
    edited.erase(edited.find("\"UserName\""),
                 edited.find('\n', edited.find("\"UserName\"")) - edited.find("\"UserName\"") + 1);
    std::ofstream(registry::StoreFile::DefaultPath()) << edited;
    Open();
    EXPECT_EQ(window->windowTitle(), "");
    EXPECT_TRUE(Box("chk4")->isChecked()) << "defaults were not written again";
}

TEST_F(MainWindowTest, TitleBeyond254BytesReadsBackEmpty)
{
    window->setWindowTitle(QString(244, 'x') + "'s Carrowby");
    Reopen();
    EXPECT_EQ(window->windowTitle(), "");
    window->setWindowTitle(QString(243, 'x') + "'s Carrowby");
    Reopen();
    EXPECT_EQ(window->windowTitle(), QString(243, 'x') + "'s Carrowby");
}

TEST_F(MainWindowTest, TwoCopiesOnOneStoreTheLastToUnloadWins)
{
    frmMain second;
    second.SetProgramEnd([] {});
    Tick({"chkAddition"});
    second.findChild<QCheckBox*>("chkSubtraction")->setChecked(true);
    window->close();
    EXPECT_EQ(StoredValues()["chkAddition"], " 1");
    second.close();
    EXPECT_EQ(StoredValues()["chkAddition"], " 0");
    EXPECT_EQ(StoredValues()["chkSubtraction"], " 1");
}

TEST_F(MainWindowTest, AStoreThatCannotBeWrittenStillLoads)
{
    if (geteuid() == 0) {
        EXPECT_EQ(RunCurrentTestAsNobody(), 0);
        return;
    }
    window->SetProgramEnd([] {});
    window.reset();
    char home[] = "/tmp/carrowby-locked-XXXXXX";
    ASSERT_NE(mkdtemp(home), nullptr);
    const std::string folder = std::string(home) + "/carrowby";
    ASSERT_EQ(mkdir(folder.c_str(), 0500), 0);
    setenv("XDG_CONFIG_HOME", home, 1);
    Open();
    // Every read yields what a key that cannot be opened yields: 255 blanks.
    EXPECT_EQ(window->windowTitle(), QString(255, ' '));
    EXPECT_FALSE(Box("chkAddition")->isChecked());
    EXPECT_EQ(List("ctlTimed")->currentIndex(), 0);
    Tick({"chkAddition", "chk1"});
    EXPECT_EQ(Start(), "");
    window->close();
    EXPECT_NE(access(registry::StoreFile::DefaultPath().c_str(), F_OK), 0);
    chmod(folder.c_str(), 0700);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
}
