#include "app/Application.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/MainDialog.h"
#include "app/framework/AppModule.h"

int runApplication(HINSTANCE instance) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_COOL_CLASSES;
    InitCommonControlsEx(&controls);
    appModule().initialise(instance);

    INT_PTR result = -1;
    {
        MainDialog dialog;
        result = dialog.run(GetActiveWindow());
    }

    appModule().terminate();
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return static_cast<int>(result);
}
