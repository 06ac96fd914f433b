// The main window's log box with a real edit control: past its 65,536-byte buffer it keeps
// the newest entries.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/LogBuffer.h"
#include "app/MainDialog.h"
#include "res/resource.h"

namespace {

HWND waitForMainWindow() {
    for (int i = 0; i < 400; ++i) {
        HWND window = FindWindowA(nullptr, "车友达数据制作工具1.6");
        if (window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        Sleep(25);
    }
    return nullptr;
}

struct LogRun {
    MainDialog* dialog;
    int messages;
    std::string text;
    bool found = false;
};

// Logs from a second thread; the box's text is read and written through messages to the
// window's own thread, as the log box does when the converter runs there.
DWORD WINAPI logManyMessages(void* parameter) {
    auto* run = static_cast<LogRun*>(parameter);
    HWND main = waitForMainWindow();
    run->found = main != nullptr;
    if (main == nullptr) {
        return 0;
    }
    std::string station;
    for (int i = 0; i < 200; ++i) {
        station += "人民广场-";
    }
    for (int i = 0; i < run->messages; ++i) {
        // About 4,000 bytes each, so that a few dozen messages overflow the box.
        const std::string message = station + station + "第" + std::to_string(i) + "条";
        run->dialog->log(i % 3 == 0 ? LogLevel::Warning : LogLevel::Info, message.c_str());
    }
    HWND box = GetDlgItem(main, IDE_LOG);
    const int length = GetWindowTextLengthA(box);
    run->text.assign(static_cast<std::size_t>(length) + 1, '\0');
    run->text.resize(static_cast<std::size_t>(GetWindowTextA(box, run->text.data(), length + 1)));
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

TEST(LogBox, KeepsTheNewestEntriesWhenItsBufferIsFull) {
    MainDialog dialog;
    LogRun run{&dialog, 30, {}};
    HANDLE worker = CreateThread(nullptr, 0, &logManyMessages, &run, 0, nullptr);
    ASSERT_NE(worker, nullptr);
    EXPECT_EQ(dialog.run(nullptr), IDCANCEL);
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);

    ASSERT_TRUE(run.found);
    EXPECT_LE(run.text.size(), logBuffer::kCapacity);
    // Far more was logged than fits: the box is nearly full and ends with the last message.
    EXPECT_GT(run.text.size(), logBuffer::kCapacity - 4100);
    const std::string last = "-第29条\r\n";
    ASSERT_GE(run.text.size(), last.size());
    EXPECT_EQ(run.text.substr(run.text.size() - last.size()), last);
    // The oldest entries went, whole: the text starts with an entry's prefix.
    EXPECT_EQ(run.text.find("第0条"), std::string::npos);
    EXPECT_TRUE(run.text.rfind("\r\n[信息]:\t人民广场", 0) == 0 ||
                run.text.rfind("\r\n[警告]:\t人民广场", 0) == 0);
}

}  // namespace
