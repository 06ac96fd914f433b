// Entry of the in-process Wine tests of the application shell: the framework needs its
// module and the common controls before any window is created.
// clang-format off
#include <windows.h>  // before every other Windows header
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include "app/framework/AppModule.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_COOL_CLASSES;
    InitCommonControlsEx(&controls);
    appModule().initialise(GetModuleHandleA(nullptr));
    const int result = RUN_ALL_TESTS();
    appModule().terminate();
    return result;
}
