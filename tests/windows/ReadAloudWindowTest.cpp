// The Options menu: each child's choices, and Read Aloud greyed out with why where no speech server
// answers (the drill going on as ever: tests/desktop/read_aloud_test.py).

#include "support/MainWindowSandbox.h"
#include "toolkit/HighContrast.h"

#include <gmock/gmock.h>

using OptionsMenuTest = MainWindowSandbox;

TEST_F(OptionsMenuTest, EachChildHasItsOptionsAndReadAloudSaysWhyItCannotBeHad)
{
    auto* readAloud = Find<QAction>("mOptions_ReadAloud");
    auto* contrast = Find<QAction>("mOptions_HighContrast");
    EXPECT_FALSE(readAloud->isChecked() || contrast->isChecked() || toolkit::HighContrast());
    Personalize("Ada");
    contrast->trigger(), readAloud->trigger();
    EXPECT_EQ(QApplication::palette(), toolkit::HighContrastPalette());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !readAloud->isEnabled(); }, 20000)) << "no server";
    EXPECT_THAT(readAloud->toolTip().toStdString(),
                testing::StartsWith("The speech engine does not answer: "));
    EXPECT_FALSE(readAloud->isChecked());
    Personalize("Tom"); // a child of its own, who chose nothing yet
    EXPECT_FALSE(toolkit::HighContrast() || contrast->isChecked());
    Personalize("Ada");
    EXPECT_TRUE(toolkit::HighContrast() && contrast->isChecked());
    window.reset();
    EXPECT_EQ(Saved("ReadAloud") + Saved("HighContrast"), " 1 1") << "Ada's, kept though greyed";
    toolkit::ShowHighContrast(false);
}
