// The window framework under Wine: binding dialogs to their objects, dispatching results,
// the final message, subclassing, reflection and centring.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/framework/AppModule.h"
#include "app/framework/SubclassedControl.h"
#include "tests/app/ScriptedDialog.h"

namespace {

// ---------------------------------------------------------------------------------------
// Binding and the pending list

TEST(DialogBinding, ObjectKnowsItsHandleFromTheFirstMessageBeforeInitDialog) {
    HWND handleAtInit = nullptr;
    ScriptedDialog dialog([&](ScriptedDialog& self, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_INITDIALOG) {
            handleAtInit = self.handle();
            self.endDialog(7);
        }
        return false;
    });
    EXPECT_EQ(dialog.run(), 7);
    ASSERT_NE(dialog.handleAtFirstMessage, nullptr);
    EXPECT_NE(dialog.firstMessage, static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(dialog.handleAtFirstMessage, handleAtInit);
}

TEST(DialogBinding, NestedDialogTakesItsOwnPendingObject) {
    HWND outerWindow = nullptr;
    HWND innerWindow = nullptr;
    HWND innerOwner = nullptr;
    HWND outerHandleDuringInner = nullptr;
    INT_PTR innerResult = 0;
    ScriptedDialog* outerObject = nullptr;
    ScriptedDialog inner(afterShowing(
        [&](ScriptedDialog& self) {
            innerWindow = self.handle();
            innerOwner = GetWindow(self.handle(), GW_OWNER);
            outerHandleDuringInner = outerObject->handle();
        },
        5));
    ScriptedDialog outer(afterShowing([&](ScriptedDialog& self) {
        outerWindow = self.handle();
        innerResult = inner.run(self.handle());
    }));
    outerObject = &outer;

    EXPECT_EQ(outer.run(), IDOK);
    EXPECT_EQ(innerResult, 5);
    ASSERT_NE(innerWindow, nullptr);
    EXPECT_NE(innerWindow, outerWindow);
    EXPECT_EQ(innerOwner, outerWindow);
    EXPECT_EQ(outerHandleDuringInner, outerWindow);
    EXPECT_EQ(inner.handleAtFirstMessage, innerWindow);
}

DWORD WINAPI addAndTakeOnAnotherThread(void* parameter) {
    auto* objects = static_cast<DialogBase**>(parameter);
    appModule().addPending(objects[0]);
    objects[1] = appModule().takePending();
    return 0;
}

TEST(DialogBinding, PendingObjectsAreMatchedByThread) {
    ScriptedDialog mine;
    ScriptedDialog theirs;
    appModule().addPending(&mine);

    // The other thread adds its object after ours and takes its own, never ours.
    DialogBase* objects[2] = {&theirs, nullptr};
    HANDLE thread = CreateThread(nullptr, 0, &addAndTakeOnAnotherThread, objects, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);

    EXPECT_EQ(objects[1], &theirs);
    EXPECT_EQ(appModule().takePending(), &mine);
    EXPECT_EQ(appModule().takePending(), nullptr);
}

TEST(DialogBinding, DialogThatCannotBeCreatedLeavesNoPendingObject) {
    ScriptedDialog broken;
    EXPECT_EQ(broken.runModal(4711, nullptr), -1);
    EXPECT_EQ(appModule().takePending(), nullptr);

    // The next dialog binds to its own object, not to the one left over.
    ScriptedDialog next(afterShowing([](ScriptedDialog&) {}));
    EXPECT_EQ(next.run(), IDOK);
    EXPECT_NE(next.handleAtFirstMessage, nullptr);
    EXPECT_EQ(broken.handleAtFirstMessage, nullptr);
}

// ---------------------------------------------------------------------------------------
// Dispatch results and the final message

constexpr UINT kStoredResultMessage = WM_APP + 5;
constexpr UINT kUnclaimedMessage = WM_APP + 6;
constexpr WPARAM kSecondInit = 0xBEEF;

TEST(DialogDispatch, ClaimedResultsReachTheSenderDirectlyOrThroughTheMessageResult) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    LRESULT colourAnswer = 0;
    LRESULT initAnswer = 0;
    LRESULT storedAnswer = 0;
    LRESULT unclaimedAnswer = -1;
    auto check = afterShowing([&](ScriptedDialog& self) {
        HWND window = self.handle();
        HDC dc = GetDC(window);
        colourAnswer = SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(GetDlgItem(window, IDT_TEST_LABEL)));
        ReleaseDC(window, dc);
        initAnswer = SendMessageA(window, WM_INITDIALOG, kSecondInit, 0);
        storedAnswer = SendMessageA(window, kStoredResultMessage, 0, 0);
        unclaimedAnswer = SendMessageA(window, kUnclaimedMessage, 0, 0);
    });
    ScriptedDialog dialog(
        [&](ScriptedDialog& self, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            if (message == WM_CTLCOLORSTATIC) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
            if (message == WM_INITDIALOG && wParam == kSecondInit) {
                result = 0x1234;
                return true;
            }
            if (message == kStoredResultMessage) {
                result = 0x5678;
                return true;
            }
            return check(self, message, wParam, lParam, result);
        });
    EXPECT_EQ(dialog.run(), IDOK);
    DeleteObject(brush);

    EXPECT_EQ(colourAnswer, reinterpret_cast<LRESULT>(brush));
    EXPECT_EQ(initAnswer, 0x1234);
    EXPECT_EQ(storedAnswer, 0x5678);
    EXPECT_EQ(unclaimedAnswer, 0);
}

TEST(DialogDispatch, HandleIsClearedAndFinalMessageRunsAfterNcDestroy) {
    HWND window = nullptr;
    ScriptedDialog dialog(afterShowing([&](ScriptedDialog& self) { window = self.handle(); }));
    EXPECT_EQ(dialog.run(), IDOK);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialog.handle(), nullptr);
    EXPECT_EQ(dialog.finalWindow, window);
    EXPECT_TRUE(dialog.handleNullAtFinal);
    EXPECT_FALSE(IsWindow(window));
}

TEST(DialogDispatch, CurrentMessageIsRestoredAfterNestedDispatch) {
    constexpr UINT kOuter = WM_APP + 20;
    constexpr UINT kInner = WM_APP + 21;
    UINT currentInInner = 0;
    UINT currentAfterInner = 0;
    bool noCurrentOutside = false;
    auto check = afterShowing([&](ScriptedDialog& self) {
        SendMessageA(self.handle(), kOuter, 0, 0);
        noCurrentOutside =
            self.currentMessage() != nullptr && self.currentMessage()->message == WM_APP + 1;
    });
    ScriptedDialog dialog(
        [&](ScriptedDialog& self, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            if (message == kOuter) {
                SendMessageA(self.handle(), kInner, 0, 0);
                currentAfterInner = self.currentMessage()->message;
                return true;
            }
            if (message == kInner) {
                currentInInner = self.currentMessage()->message;
                return true;
            }
            return check(self, message, wParam, lParam, result);
        });
    EXPECT_EQ(dialog.run(), IDOK);
    EXPECT_EQ(currentInInner, kInner);
    EXPECT_EQ(currentAfterInner, kOuter);
    // Back in the check's own message once the sent messages returned.
    EXPECT_TRUE(noCurrentOutside);
    EXPECT_EQ(dialog.currentMessage(), nullptr);
}

// ---------------------------------------------------------------------------------------
// Subclassed controls

// Records the messages it sees and answers reflected messages with 77.
class RecordingControl : public SubclassedControl {
public:
    struct Seen {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Seen> seen;
    WNDPROC procedureAtFinal = nullptr;
    bool handleNullAtFinal = false;
    bool finalMessageRan = false;

    bool sawMessage(UINT message) const {
        for (const Seen& entry : seen) {
            if (entry.message == message) {
                return true;
            }
        }
        return false;
    }

protected:
    bool processMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override {
        seen.push_back({message, wParam, lParam});
        if (message >= 0x2000 && message < 0x3000) {
            result = 77;
            return true;
        }
        return false;
    }
    void onFinalMessage(HWND window) override {
        finalMessageRan = true;
        handleNullAtFinal = handle() == nullptr;
        procedureAtFinal = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    }
};

WNDPROC procedureBeforeNewer = nullptr;
int newerProcedureCalls = 0;

LRESULT CALLBACK newerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++newerProcedureCalls;
    return CallWindowProcA(procedureBeforeNewer, window, message, wParam, lParam);
}

WNDPROC procedureOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

TEST(Subclassing, PreviousProcedureIsPutBackAtTheFinalMessage) {
    RecordingControl control;
    WNDPROC original = nullptr;
    bool attached = false;
    ScriptedDialog dialog(afterShowing([&](ScriptedDialog& self) {
        HWND edit = GetDlgItem(self.handle(), IDE_TEST_EDIT);
        original = procedureOf(edit);
        attached = control.attach(edit);
        SetWindowTextA(edit, "typed");
    }));
    EXPECT_EQ(dialog.run(), IDOK);
    EXPECT_TRUE(attached);
    EXPECT_TRUE(control.sawMessage(WM_SETTEXT));
    EXPECT_TRUE(control.finalMessageRan);
    EXPECT_TRUE(control.handleNullAtFinal);
    EXPECT_EQ(control.handle(), nullptr);
    EXPECT_EQ(control.procedureAtFinal, original);
}

TEST(Subclassing, ControlSubclassedAgainKeepsTheNewerProcedure) {
    RecordingControl control;
    newerProcedureCalls = 0;
    ScriptedDialog dialog(afterShowing([&](ScriptedDialog& self) {
        HWND edit = GetDlgItem(self.handle(), IDE_TEST_EDIT);
        control.attach(edit);
        procedureBeforeNewer = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&newerProcedure)));
        SetWindowTextA(edit, "typed");
    }));
    EXPECT_EQ(dialog.run(), IDOK);
    EXPECT_GT(newerProcedureCalls, 0);
    EXPECT_TRUE(control.sawMessage(WM_SETTEXT));
    EXPECT_TRUE(control.finalMessageRan);
    EXPECT_EQ(control.procedureAtFinal, &newerProcedure);
    EXPECT_EQ(control.handle(), nullptr);
}

TEST(Subclassing, AttachRefusesAMissingControlAndASecondObject) {
    RecordingControl first;
    RecordingControl second;
    bool nullAttached = true;
    bool firstAttached = false;
    bool secondAttached = true;
    ScriptedDialog dialog(afterShowing([&](ScriptedDialog& self) {
        HWND edit = GetDlgItem(self.handle(), IDE_TEST_EDIT);
        nullAttached = second.attach(nullptr);
        firstAttached = first.attach(edit);
        secondAttached = second.attach(edit);
        SetWindowTextA(edit, "typed");
    }));
    EXPECT_EQ(dialog.run(), IDOK);
    EXPECT_FALSE(nullAttached);
    EXPECT_TRUE(firstAttached);
    EXPECT_FALSE(secondAttached);
    EXPECT_TRUE(first.sawMessage(WM_SETTEXT));
    EXPECT_TRUE(second.seen.empty());
    EXPECT_FALSE(second.finalMessageRan);
}

// ---------------------------------------------------------------------------------------
// Reflection of notifications

// A dialog that ends its handler with reflectNotifications, as the main window does.
ScriptedDialog::Handler reflecting(ScriptedDialog::Handler first) {
    return
        [first](ScriptedDialog& self, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            if (first(self, message, wParam, lParam, result)) {
                return true;
            }
            return self.reflectNotifications(message, wParam, lParam, result);
        };
}

TEST(Reflection, EveryKindOfNotificationReachesTheControlItIsAbout) {
    RecordingControl edit;
    RecordingControl label;
    RecordingControl button;
    struct Outcome {
        const char* name;
        LRESULT answer;
        int reachedEdit, reachedLabel, reachedButton;
        UINT expectedMessage;
        bool expectedParametersSeen;
        int expectedChild;
    };
    std::vector<Outcome> outcomes;

    auto check = afterShowing([&](ScriptedDialog& self) {
        HWND dialogWindow = self.handle();
        HWND editWindow = GetDlgItem(dialogWindow, IDE_TEST_EDIT);
        HWND labelWindow = GetDlgItem(dialogWindow, IDT_TEST_LABEL);
        HWND buttonWindow = GetDlgItem(dialogWindow, IDB_TEST_BUTTON);
        ASSERT_TRUE(edit.attach(editWindow));
        ASSERT_TRUE(label.attach(labelWindow));
        ASSERT_TRUE(button.attach(buttonWindow));

        NMHDR notify{buttonWindow, IDB_TEST_BUTTON, 0};
        DRAWITEMSTRUCT draw{};
        draw.CtlID = IDB_TEST_BUTTON;
        draw.hwndItem = buttonWindow;
        MEASUREITEMSTRUCT measure{};
        measure.CtlID = IDE_TEST_EDIT;
        DELETEITEMSTRUCT deleted{};
        deleted.CtlID = IDT_TEST_LABEL;
        COMPAREITEMSTRUCT compare{};
        compare.CtlID = IDB_TEST_BUTTON;
        HDC dc = GetDC(dialogWindow);

        struct Send {
            const char* name;
            UINT message;
            WPARAM wParam;
            LPARAM lParam;
            int child;
        } sends[] = {
            {"command from a control", WM_COMMAND, MAKEWPARAM(IDE_TEST_EDIT, EN_CHANGE),
             reinterpret_cast<LPARAM>(editWindow), 1},
            {"command from a menu", WM_COMMAND, MAKEWPARAM(IDE_TEST_EDIT, 0), 0, 0},
            {"notify", WM_NOTIFY, IDB_TEST_BUTTON, reinterpret_cast<LPARAM>(&notify), 3},
            {"parent notify create", WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, IDT_TEST_LABEL),
             reinterpret_cast<LPARAM>(labelWindow), 2},
            {"parent notify destroy", WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, IDE_TEST_EDIT),
             reinterpret_cast<LPARAM>(editWindow), 1},
            {"parent notify click", WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, IDB_TEST_BUTTON),
             MAKELPARAM(5, 5), 3},
            {"draw item", WM_DRAWITEM, IDB_TEST_BUTTON, reinterpret_cast<LPARAM>(&draw), 3},
            {"draw item of a menu", WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), 0},
            {"measure item", WM_MEASUREITEM, IDE_TEST_EDIT, reinterpret_cast<LPARAM>(&measure), 1},
            {"measure item of a menu", WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0},
            {"delete item", WM_DELETEITEM, IDT_TEST_LABEL, reinterpret_cast<LPARAM>(&deleted), 2},
            {"compare item", WM_COMPAREITEM, IDB_TEST_BUTTON, reinterpret_cast<LPARAM>(&compare),
             3},
            {"key to item", WM_VKEYTOITEM, MAKEWPARAM(VK_DOWN, 0),
             reinterpret_cast<LPARAM>(labelWindow), 2},
            {"char to item", WM_CHARTOITEM, MAKEWPARAM('a', 0),
             reinterpret_cast<LPARAM>(editWindow), 1},
            {"horizontal scroll", WM_HSCROLL, SB_LINELEFT, reinterpret_cast<LPARAM>(labelWindow),
             2},
            {"vertical scroll", WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(buttonWindow), 3},
            {"scroll bar of the window", WM_VSCROLL, SB_LINEDOWN, 0, 0},
            {"colour message box", WM_CTLCOLORMSGBOX, reinterpret_cast<WPARAM>(dc),
             reinterpret_cast<LPARAM>(editWindow), 1},
            {"colour edit", WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
             reinterpret_cast<LPARAM>(editWindow), 1},
            {"colour list box", WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
             reinterpret_cast<LPARAM>(labelWindow), 2},
            {"colour button", WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
             reinterpret_cast<LPARAM>(buttonWindow), 3},
            {"colour dialog", WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
             reinterpret_cast<LPARAM>(labelWindow), 2},
            {"colour scroll bar", WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(dc),
             reinterpret_cast<LPARAM>(buttonWindow), 3},
            {"colour static", WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
             reinterpret_cast<LPARAM>(labelWindow), 2},
            {"other message", WM_APP + 30, 1, reinterpret_cast<LPARAM>(editWindow), 0},
        };
        for (const Send& send : sends) {
            edit.seen.clear();
            label.seen.clear();
            button.seen.clear();
            const LRESULT answer =
                SendMessageA(dialogWindow, send.message, send.wParam, send.lParam);
            RecordingControl* controls[] = {&edit, &label, &button};
            int reached[3] = {0, 0, 0};
            bool parametersSeen = false;
            for (int i = 0; i < 3; ++i) {
                for (const auto& seen : controls[i]->seen) {
                    if (seen.message == send.message + 0x2000) {
                        ++reached[i];
                        parametersSeen = seen.wParam == send.wParam && seen.lParam == send.lParam;
                    }
                }
            }
            outcomes.push_back({send.name, answer, reached[0], reached[1], reached[2],
                                send.message + 0x2000, parametersSeen, send.child});
        }
        ReleaseDC(dialogWindow, dc);
    });
    ScriptedDialog dialog(reflecting(check));
    EXPECT_EQ(dialog.run(), IDOK);

    ASSERT_EQ(outcomes.size(), 25u);
    for (const Outcome& outcome : outcomes) {
        SCOPED_TRACE(outcome.name);
        const int reached[3] = {outcome.reachedEdit, outcome.reachedLabel, outcome.reachedButton};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(reached[i], outcome.expectedChild == i + 1 ? 1 : 0) << "control " << i + 1;
        }
        if (outcome.expectedChild != 0) {
            EXPECT_TRUE(outcome.expectedParametersSeen);
            // The control's answer comes back, directly or through the message result.
            EXPECT_EQ(outcome.answer, 77);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Centring

RECT workAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

struct Placement {
    RECT dialog;
    RECT workArea;
};

// Runs a centring dialog owned by a window at `ownerRect`, shown as `showCommand` (or not
// shown when it is SW_HIDE), and reports where the dialog went.
Placement centreOver(RECT ownerRect, int showCommand) {
    HWND owner =
        CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_BORDER, ownerRect.left, ownerRect.top,
                        ownerRect.right - ownerRect.left, ownerRect.bottom - ownerRect.top, nullptr,
                        nullptr, GetModuleHandleA(nullptr), nullptr);
    if (showCommand != SW_HIDE) {
        ShowWindow(owner, showCommand);
    }
    Placement placement{};
    ScriptedDialog dialog([&](ScriptedDialog& self, UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message == WM_INITDIALOG) {
            self.centreWindow();
            GetWindowRect(self.handle(), &placement.dialog);
            placement.workArea = workAreaOf(self.handle());
            self.endDialog(IDOK);
        }
        return false;
    });
    dialog.run(owner);
    DestroyWindow(owner);
    return placement;
}

int widthOf(const RECT& r) {
    return r.right - r.left;
}
int heightOf(const RECT& r) {
    return r.bottom - r.top;
}

TEST(Centring, DialogIsCentredOverAVisibleOwner) {
    const RECT owner{300, 200, 900, 700};
    const Placement p = centreOver(owner, SW_SHOWNOACTIVATE);
    EXPECT_EQ(p.dialog.left, (owner.left + owner.right) / 2 - widthOf(p.dialog) / 2);
    EXPECT_EQ(p.dialog.top, (owner.top + owner.bottom) / 2 - heightOf(p.dialog) / 2);
}

TEST(Centring, HiddenOrMinimisedOwnerIsIgnored) {
    for (int show : {SW_HIDE, SW_MINIMIZE}) {
        SCOPED_TRACE(show);
        const Placement p = centreOver(RECT{0, 0, 200, 150}, show);
        const RECT& area = p.workArea;
        EXPECT_EQ(p.dialog.left, (area.left + area.right) / 2 - widthOf(p.dialog) / 2);
        EXPECT_EQ(p.dialog.top, (area.top + area.bottom) / 2 - heightOf(p.dialog) / 2);
    }
}

TEST(Centring, DialogIsKeptInsideTheWorkArea) {
    const RECT screen = workAreaOf(GetDesktopWindow());
    // Owners hanging over the left/top and the right/bottom edges.
    const Placement topLeft =
        centreOver(RECT{screen.left - 300, screen.top - 200, screen.left + 60, screen.top + 40},
                   SW_SHOWNOACTIVATE);
    EXPECT_EQ(topLeft.dialog.left, topLeft.workArea.left);
    EXPECT_EQ(topLeft.dialog.top, topLeft.workArea.top);

    const Placement bottomRight = centreOver(
        RECT{screen.right - 60, screen.bottom - 40, screen.right + 300, screen.bottom + 200},
        SW_SHOWNOACTIVATE);
    EXPECT_EQ(bottomRight.dialog.right, bottomRight.workArea.right);
    EXPECT_EQ(bottomRight.dialog.bottom, bottomRight.workArea.bottom);
}

}  // namespace
