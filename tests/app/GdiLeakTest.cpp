// GDI objects of the windows: opening and closing the help window from the main window,
// and converting, leave the process with as many GDI objects as before.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/MainDialog.h"
#include "res/resource.h"
#include "tests/app/GdiObjects.h"

namespace {

TEST(GdiObjectCount, SeesTenBrushesComeAndGo) {
    const int before = countGdiObjects();
    ASSERT_GT(before, 0);
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 10; ++i) {
        brushes.push_back(CreateSolidBrush(RGB(i, 2 * i, 3 * i)));
    }
    EXPECT_EQ(countGdiObjects(), before + 10);
    for (HBRUSH brush : brushes) {
        DeleteObject(brush);
    }
    EXPECT_EQ(countGdiObjects(), before);
}

HWND waitForWindow(const char* caption, HWND except = nullptr) {
    for (int i = 0; i < 400; ++i) {
        HWND window = FindWindowA(nullptr, caption);
        if (window != nullptr && window != except && IsWindowVisible(window)) {
            return window;
        }
        Sleep(25);
    }
    return nullptr;
}

bool waitUntilGone(HWND window) {
    for (int i = 0; i < 400 && IsWindow(window); ++i) {
        Sleep(25);
    }
    return !IsWindow(window);
}

// The count while the windows are idle: Wine's painting holds an object or two for a moment,
// so the lowest of a few counts taken apart is the one that stays.
int settledGdiObjectCount() {
    int lowest = countGdiObjects();
    for (int i = 0; i < 10; ++i) {
        Sleep(20);
        lowest = std::min(lowest, countGdiObjects());
    }
    return lowest;
}

// What the thread that works the main window saw.
struct HelpRounds {
    int rounds = 0;
    int countBefore = -1;
    int countAfter = -1;
    bool failed = false;
};

bool openAndCloseHelp(HWND main) {
    PostMessageA(main, WM_COMMAND, IDB_HELP, 0);
    HWND help = waitForWindow("关于");
    if (help == nullptr) {
        return false;
    }
    // Let it paint everything once, the bitmap and the text.
    RedrawWindow(help, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PostMessageA(help, WM_COMMAND, IDCANCEL, 0);
    return waitUntilGone(help);
}

DWORD WINAPI workHelpWindow(void* parameter) {
    auto* rounds = static_cast<HelpRounds*>(parameter);
    HWND main = waitForWindow("车友达数据制作工具1.6");
    if (main == nullptr) {
        rounds->failed = true;
        return 0;
    }
    // The first opening may load what the system keeps for later ones.
    rounds->failed = !openAndCloseHelp(main);
    rounds->countBefore = settledGdiObjectCount();
    for (int i = 0; i < 100 && !rounds->failed; ++i) {
        rounds->failed = !openAndCloseHelp(main);
        rounds->rounds += rounds->failed ? 0 : 1;
    }
    rounds->countAfter = settledGdiObjectCount();
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

TEST(GdiObjectCount, HelpWindowOpenedAndClosedAHundredTimesLeavesNoObjectBehind) {
    HelpRounds rounds;
    HANDLE worker = CreateThread(nullptr, 0, &workHelpWindow, &rounds, 0, nullptr);
    ASSERT_NE(worker, nullptr);
    {
        MainDialog dialog;
        EXPECT_EQ(dialog.run(nullptr), IDCANCEL);
    }
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);

    EXPECT_FALSE(rounds.failed);
    EXPECT_EQ(rounds.rounds, 100);
    EXPECT_GT(rounds.countBefore, 0);
    // A window that leaks leaves at least one object a round, a hundred in all.
    EXPECT_LE(std::abs(rounds.countAfter - rounds.countBefore), 2);
}

TEST(GdiObjectCount, MainWindowReleasesItsObjectsWhenItCloses) {
    // Open once so that what the system caches for dialogs exists before counting.
    for (int round = 0; round < 2; ++round) {
        const int before = countGdiObjects();
        {
            MainDialog dialog;
            HANDLE closer = CreateThread(
                nullptr, 0,
                [](void*) -> DWORD {
                    HWND main = waitForWindow("车友达数据制作工具1.6");
                    if (main != nullptr) {
                        RedrawWindow(main, nullptr, nullptr,
                                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
                    }
                    return 0;
                },
                nullptr, 0, nullptr);
            EXPECT_EQ(dialog.run(nullptr), IDCANCEL);
            WaitForSingleObject(closer, INFINITE);
            CloseHandle(closer);
        }
        if (round == 1) {
            EXPECT_EQ(countGdiObjects(), before);
        }
    }
}

}  // namespace
