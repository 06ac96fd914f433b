#include "app/Choosers.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "app/AppTexts.h"
#include "app/framework/AppModule.h"
#include "app/framework/DialogBase.h"

namespace choosers {

namespace {

// The file dialog's hook: a window object like every dialog's, which claims no message.
class FileDialogHook : public DialogBase {
protected:
    bool processMessage(HWND /*window*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                        LRESULT& /*result*/) override {
        return false;
    }
};

UINT_PTR CALLBACK hookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return static_cast<UINT_PTR>(DialogBase::startProcedure(window, message, wParam, lParam));
}

}  // namespace

bool chooseInputFile(HWND owner, std::string& path) {
    std::vector<char> fileName(65535, '\0');
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.hInstance = appModule().instance();
    request.lpstrFilter = appTexts::kInputFileFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = fileName.data();
    request.nMaxFile = static_cast<DWORD>(fileName.size());
    request.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_HIDEREADONLY;
    request.lpfnHook = &hookProcedure;

    FileDialogHook hook;
    appModule().addPending(&hook);
    const BOOL confirmed = GetOpenFileNameA(&request);
    appModule().removePending(&hook);
    if (!confirmed) {
        const DWORD error = CommDlgExtendedError();
        if (error != 0) {
            OutputDebugStringA("velorin: the file chooser failed\n");
        }
        return false;
    }
    path = fileName.data();
    return true;
}

bool chooseOutputDir(HWND owner, std::string& path) {
    char displayName[MAX_PATH] = "";
    BROWSEINFOA request{};
    request.hwndOwner = owner;
    request.pidlRoot = nullptr;
    request.pszDisplayName = displayName;
    request.lpszTitle = nullptr;
    request.ulFlags = BIF_RETURNONLYFSDIRS;

    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&request);
    if (item == nullptr) {
        return false;
    }
    char chosen[MAX_PATH] = "";
    const bool hasPath = SHGetPathFromIDListA(item, chosen) != FALSE;
    CoTaskMemFree(item);
    if (!hasPath) {
        return false;
    }
    path = chosen;
    return true;
}

}  // namespace choosers
