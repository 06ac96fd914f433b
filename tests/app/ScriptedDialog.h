#pragma once

#include <functional>
#include <utility>

#include "app/framework/DialogBase.h"
#include "tests/app/TestDialogs.h"

// A test dialog whose message handler is a function the test supplies. It records the
// handle it had at its first message and whether that came before WM_INITDIALOG.
class ScriptedDialog : public DialogBase {
public:
    using Handler = std::function<bool(ScriptedDialog&, UINT, WPARAM, LPARAM, LRESULT&)>;

    explicit ScriptedDialog(Handler handler = {}) : handler_(std::move(handler)) {}

    INT_PTR run(HWND owner = nullptr) { return runModal(IDD_TEST, owner); }

    using DialogBase::currentMessage;

    HWND handleAtFirstMessage = nullptr;
    UINT firstMessage = 0;
    bool initialised = false;
    HWND finalWindow = nullptr;
    bool handleNullAtFinal = false;

protected:
    bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override {
        if (firstMessage == 0) {
            firstMessage = message;
            handleAtFirstMessage = handle();
        }
        if (message == WM_INITDIALOG) {
            initialised = true;
        }
        (void)window;
        return handler_ && handler_(*this, message, wParam, lParam, result);
    }

    void onFinalMessage(HWND window) override {
        finalWindow = window;
        handleNullAtFinal = handle() == nullptr;
    }

private:
    Handler handler_;
};

// Runs `check` once the dialog is shown (after WM_INITDIALOG), then ends it with `result`.
inline ScriptedDialog::Handler afterShowing(std::function<void(ScriptedDialog&)> check,
                                            INT_PTR result = IDOK) {
    constexpr UINT kRunCheck = WM_APP + 1;
    return [check = std::move(check), result](ScriptedDialog& dialog, UINT message, WPARAM, LPARAM,
                                              LRESULT&) {
        if (message == WM_INITDIALOG) {
            PostMessageA(dialog.handle(), kRunCheck, 0, 0);
        } else if (message == kRunCheck) {
            check(dialog);
            dialog.endDialog(result);
            return true;
        }
        return false;
    };
}
