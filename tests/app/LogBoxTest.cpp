// The main window's log box with its real edit control: entries collected and added in place
// give the text of the log rule, also past the 65,536-byte buffer where the oldest go.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/LogBox.h"
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
    int messages;
    std::string text;
    std::string expected;  // the same messages through logBuffer::append
    LRESULT firstVisibleLine = -1;
    bool found = false;
};

// Logs from a second thread into the main window's box; the box's text is read and written
// through messages to the window's own thread.
DWORD WINAPI logManyMessages(void* parameter) {
    auto* run = static_cast<LogRun*>(parameter);
    HWND main = waitForMainWindow();
    run->found = main != nullptr;
    if (main == nullptr) {
        return 0;
    }
    HWND box = GetDlgItem(main, IDE_LOG);
    LogBox logBox;
    logBox.attach(box);
    const LogLevel levels[] = {LogLevel::Warning, LogLevel::Info, LogLevel::Error,
                               static_cast<LogLevel>(7)};
    for (int i = 0; i < run->messages; ++i) {
        // 900 to 4,200 bytes, odd and even, so that a few dozen messages overflow the box
        // and its cuts fall at different places.
        std::string message;
        for (int stop = 0; stop < 100 + 60 * (i % 7); ++stop) {
            message += "人民广场-";
        }
        message += std::string(i % 2, 'x') + "第" + std::to_string(i) + "条";
        const LogLevel level = levels[i % 4];
        logBox.append(level, message.c_str());
        logBuffer::append(run->expected, logBuffer::entryFor(level, message.c_str()));
        // Now and then the box takes what was collected, whatever the clock says.
        if (i % 5 == 2) {
            logBox.flush();
        }
    }
    logBox.flush();
    const int length = GetWindowTextLengthA(box);
    run->text.assign(static_cast<std::size_t>(length) + 1, '\0');
    run->text.resize(static_cast<std::size_t>(GetWindowTextA(box, run->text.data(), length + 1)));
    run->firstVisibleLine = SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

TEST(LogBox, HoldsTheTextOfTheLogRuleAndKeepsTheNewestEntriesWhenFull) {
    MainDialog dialog;
    LogRun run{40, {}, {}};
    HANDLE worker = CreateThread(nullptr, 0, &logManyMessages, &run, 0, nullptr);
    ASSERT_NE(worker, nullptr);
    EXPECT_EQ(dialog.run(nullptr), IDCANCEL);
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);

    ASSERT_TRUE(run.found);
    EXPECT_TRUE(run.text == run.expected)
        << "box: " << run.text.size() << " bytes, rule: " << run.expected.size() << " bytes";
    EXPECT_EQ(run.firstVisibleLine, 0);
    EXPECT_LE(run.text.size(), logBuffer::kCapacity);
    // Far more was logged than fits: the box is nearly full and ends with the last message.
    EXPECT_GT(run.text.size(), logBuffer::kCapacity - 9000);
    const std::string last = "x第39条\r\n";
    ASSERT_GE(run.text.size(), last.size());
    EXPECT_EQ(run.text.substr(run.text.size() - last.size()), last);
    // The oldest entries went, whole: the text starts with an entry's prefix.
    EXPECT_EQ(run.text.find("第0条"), std::string::npos);
    EXPECT_TRUE(run.text.rfind("\r\n[信息]:\t人民广场", 0) == 0 ||
                run.text.rfind("\r\n[警告]:\t人民广场", 0) == 0 ||
                run.text.rfind("\r\n[错误]:\t人民广场", 0) == 0);
}

}  // namespace
