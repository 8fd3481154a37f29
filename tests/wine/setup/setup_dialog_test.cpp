// The setup dialog in-process, with a step delay that no test can race:
// Escape before the first step runs no step.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "resources/setup/resource_ids.h"
#include "setup/setup_dialog.h"
#include "setup/setup_steps.h"
#include "tests/support/test_support.h"

TEST(SetupDialogSteps, EscapeBeforeTheFirstStepRunsNoStep)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    testing_support::TempFolder app("setup_dialog");
    setup::SetupSteps steps(setup::PathsForProgram(app / "Ombrixa.exe"));
    setup::SetupDialog dialog(GetModuleHandleA(nullptr), steps, testing_support::kPatienceMs);
    // Enter only clicks the title, which does nothing; Escape is Cancel.
    testing_support::After(200, [&] {
        PostMessageA(dialog.handle(), WM_COMMAND, IDC_SETUP_TITLE, 0);
        PostMessageA(dialog.handle(), WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.Run(), IDCANCEL);
    EXPECT_FALSE(testing_support::FileExists(app / "Ombrix.ini"));
    EXPECT_FALSE(testing_support::FileExists(app / "work"));
    EXPECT_FALSE(testing_support::FileExists(app / "service"));
}
