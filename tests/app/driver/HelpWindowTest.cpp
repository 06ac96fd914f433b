// The help window of velorin.exe: its text and how it closes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppTexts.h"
#include "res/resource.h"
#include "tests/app/driver/Driver.h"

using namespace driver;

namespace {

const char kHelpCaption[] = "关于";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

TEST(HelpText, HasTheLayoutOfTwentyEightLines) {
    const std::string text = appTexts::kHelpText;
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");  // no line end after the last line
    EXPECT_EQ(lines[0], "\t\t行行达公交数据制作工具1.6");
    EXPECT_EQ(lines[2], std::string(13, ' ') + "输入文件格式:");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i + 1);
        if (i == 1 || i == 16 || i == 25) {
            EXPECT_EQ(lines[i], "");
        } else if (i >= 3) {
            EXPECT_EQ(lines[i].find_first_not_of(' '), 12u);
        }
    }
    EXPECT_EQ(lines[11], std::string(12, ' ') + "[datasection]");
    EXPECT_EQ(lines[21], std::string(12, ' ') + "放在jar包city\\db\\下的新目录(如hefei)下，");
    EXPECT_NE(lines[26].find("velorin"), std::string::npos);
    EXPECT_NE(lines[27].find("版权所有"), std::string::npos);
}

TEST(HelpWindow, ShowsTheHelpTextAndClosesWithEnterAndEscape) {
    Program program;
    ASSERT_TRUE(program.start());
    HWND main = program.mainWindow();

    clickLater(GetDlgItem(main, IDB_HELP));
    HWND help = program.waitForWindow(kHelpCaption, main);
    ASSERT_NE(help, nullptr) << "the help window did not open";
    EXPECT_EQ(textOf(GetDlgItem(help, IDE_HELP_TEXT)), appTexts::kHelpText);
    EXPECT_EQ(GetWindow(help, GW_OWNER), main);
    Picture::ofWindow(help).saveBmp(paths().shots + "\\help.bmp");

    // Read-only: typing changes nothing.
    HWND box = GetDlgItem(help, IDE_HELP_TEXT);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(box, WM_CHAR, 'x', 1, SMTO_NORMAL, 10000, &ignored);
    EXPECT_EQ(textOf(box), appTexts::kHelpText);

    HWND focus = program.focus();
    ASSERT_NE(focus, nullptr);
    pressKey(focus, VK_RETURN);
    EXPECT_TRUE(program.waitUntilGone(help)) << "Enter did not close the help window";

    clickLater(GetDlgItem(main, IDB_HELP));
    help = program.waitForWindow(kHelpCaption, main);
    ASSERT_NE(help, nullptr);
    pressKey(program.focus(), VK_ESCAPE);
    EXPECT_TRUE(program.waitUntilGone(help)) << "Escape did not close the help window";

    // The main window is still there and unchanged.
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(textOf(GetDlgItem(main, IDE_LOG)), "");
    pressKey(GetDlgItem(main, IDE_INPUT_PATH), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

}  // namespace
