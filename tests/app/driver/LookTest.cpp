// The look of velorin.exe's windows on the screen: the gradient background, the framed path
// boxes and the light blue behind read-only text. Pictures of the windows go to the
// screenshot directory.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/app/driver/Driver.h"

using namespace driver;

namespace {

const COLORREF kGradientTop = RGB(249, 250, 253);
const COLORREF kGradientBottom = RGB(211, 222, 241);
const COLORREF kFrameNormal = RGB(155, 186, 236);
const COLORREF kFrameActive = RGB(88, 119, 169);
const COLORREF kReadOnlyBackground = RGB(237, 242, 249);

// The client area's top-left corner inside the window's picture.
POINT clientOrigin(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x - bounds.left, origin.y - bounds.top};
}

// The colour of the top-left pixel of a control's frame, as the screen shows it.
COLORREF framePixel(HWND dialog, HWND control) {
    RECT dialogBounds{};
    RECT controlBounds{};
    GetWindowRect(dialog, &dialogBounds);
    GetWindowRect(control, &controlBounds);
    const Picture picture = Picture::ofWindow(dialog);
    return picture.pixel(controlBounds.left - dialogBounds.left + 3,
                         controlBounds.top - dialogBounds.top);
}

// Counts the pixels of one colour inside a control, in its rows from `firstRow` to before
// `endRow` (negative: up to the bottom).
int pixelsOfColour(HWND dialog, HWND control, COLORREF colour, int firstRow = 0, int endRow = -1) {
    RECT dialogBounds{};
    RECT controlBounds{};
    GetWindowRect(dialog, &dialogBounds);
    GetWindowRect(control, &controlBounds);
    const Picture picture = Picture::ofWindow(dialog);
    const int bottom = endRow < 0 ? controlBounds.bottom : controlBounds.top + endRow;
    int count = 0;
    for (int y = controlBounds.top + firstRow; y < bottom; ++y) {
        for (int x = controlBounds.left; x < controlBounds.right; ++x) {
            if (picture.pixel(x - dialogBounds.left, y - dialogBounds.top) == colour) {
                ++count;
            }
        }
    }
    return count;
}

// Counts the dark pixels inside a control: the text of an editable box.
int darkPixels(HWND dialog, HWND control) {
    RECT dialogBounds{};
    RECT controlBounds{};
    GetWindowRect(dialog, &dialogBounds);
    GetWindowRect(control, &controlBounds);
    const Picture picture = Picture::ofWindow(dialog);
    int count = 0;
    for (int y = controlBounds.top + 2; y < controlBounds.bottom - 2; ++y) {
        for (int x = controlBounds.left + 2; x < controlBounds.right - 2; ++x) {
            const COLORREF c = picture.pixel(x - dialogBounds.left, y - dialogBounds.top);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) {
                ++count;
            }
        }
    }
    return count;
}

void expectGradient(HWND window, const char* name) {
    SCOPED_TRACE(name);
    const Picture picture = Picture::ofWindow(window);
    const POINT origin = clientOrigin(window);
    RECT client{};
    GetClientRect(window, &client);
    const COLORREF top = picture.pixel(origin.x + 2, origin.y);
    const COLORREF bottom = picture.pixel(origin.x + 2, origin.y + client.bottom - 1);
    EXPECT_TRUE(closeColour(top, kGradientTop)) << describeColour(top);
    EXPECT_TRUE(closeColour(bottom, kGradientBottom)) << describeColour(bottom);
}

TEST(Look, MainWindowHasTheGradientAndFramesThatDarkenWithFocus) {
    Program program;
    ASSERT_TRUE(program.start());
    HWND main = program.mainWindow();
    HWND input = GetDlgItem(main, IDE_INPUT_PATH);
    HWND output = GetDlgItem(main, IDE_OUTPUT_DIR);
    Picture::ofWindow(main).saveBmp(paths().shots + "\\main.bmp");

    expectGradient(main, "main window");
    COLORREF frame = framePixel(main, output);
    EXPECT_TRUE(closeColour(frame, kFrameNormal, 0)) << describeColour(frame);

    focusControl(main, output);
    Sleep(200);
    frame = framePixel(main, output);
    EXPECT_TRUE(closeColour(frame, kFrameActive, 0)) << describeColour(frame);
    frame = framePixel(main, input);
    EXPECT_TRUE(closeColour(frame, kFrameNormal, 0)) << describeColour(frame);
    Picture::ofWindow(main).saveBmp(paths().shots + "\\main-output-focused.bmp");

    focusControl(main, GetDlgItem(main, IDB_HELP));
    Sleep(200);
    frame = framePixel(main, output);
    EXPECT_TRUE(closeColour(frame, kFrameNormal, 0)) << describeColour(frame);

    pressKey(GetDlgItem(main, IDB_HELP), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

TEST(Look, MouseOverAFramedBoxDarkensItsFrameUntilTheMouseLeaves) {
    Program program;
    ASSERT_TRUE(program.start());
    HWND main = program.mainWindow();
    HWND input = GetDlgItem(main, IDE_INPUT_PATH);
    setText(input, "C:\\some\\input.txt");
    Sleep(200);
    const int textPixels = darkPixels(main, input);
    EXPECT_GT(textPixels, 30);
    RECT box{};
    GetWindowRect(input, &box);

    SetCursorPos(box.left + 10, box.top + 5);
    Sleep(100);
    SetCursorPos(box.left + 12, box.top + 6);
    COLORREF frame = CLR_INVALID;
    for (int i = 0; i < 40 && !closeColour(frame, kFrameActive, 0); ++i) {
        Sleep(50);
        frame = framePixel(main, input);
    }
    EXPECT_TRUE(closeColour(frame, kFrameActive, 0)) << describeColour(frame);
    Sleep(200);
    EXPECT_EQ(darkPixels(main, input), textPixels);  // repainting the frame keeps the text

    SetCursorPos(box.left + 10, box.bottom + 60);
    for (int i = 0; i < 40 && !closeColour(frame, kFrameNormal, 0); ++i) {
        Sleep(50);
        frame = framePixel(main, input);
    }
    EXPECT_TRUE(closeColour(frame, kFrameNormal, 0)) << describeColour(frame);
    Sleep(200);
    EXPECT_EQ(darkPixels(main, input), textPixels);

    pressKey(input, VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

TEST(Look, ReadOnlyBoxesShowTheirTextOnLightBlue) {
    Program program;
    ASSERT_TRUE(program.start());
    HWND main = program.mainWindow();
    HWND log = GetDlgItem(main, IDE_LOG);
    EXPECT_EQ(pixelsOfColour(main, log, kReadOnlyBackground), 0);
    setText(GetDlgItem(main, IDE_INPUT_PATH), paths().work + "\\missing.txt");
    ASSERT_TRUE(click(GetDlgItem(main, IDB_CONVERT)));
    Sleep(200);
    EXPECT_GT(pixelsOfColour(main, log, kReadOnlyBackground), 100);

    clickLater(GetDlgItem(main, IDB_HELP));
    HWND help = program.waitForWindow("关于", main);
    ASSERT_NE(help, nullptr);
    expectGradient(help, "help window");
    EXPECT_GT(pixelsOfColour(help, GetDlgItem(help, IDE_HELP_TEXT), kReadOnlyBackground), 1000);
    pressKey(program.focus(), VK_ESCAPE);
    EXPECT_TRUE(program.waitUntilGone(help));

    pressKey(GetDlgItem(main, IDE_INPUT_PATH), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

// The log text begins with an empty line; text drawn there is left over from earlier text,
// because the box does not erase its own background.
int pixelsOnTheEmptyFirstLine(HWND main, HWND log) {
    return pixelsOfColour(main, log, kReadOnlyBackground, 1, 10);
}

TEST(Look, LogBoxRepaintsTheBackgroundBehindChangedOrScrolledText) {
    Program program;
    ASSERT_TRUE(program.start());
    HWND main = program.mainWindow();
    HWND log = GetDlgItem(main, IDE_LOG);
    setText(GetDlgItem(main, IDE_INPUT_PATH), paths().data + "\\city.txt");
    setText(GetDlgItem(main, IDE_OUTPUT_DIR), paths().work + "\\look");
    ASSERT_TRUE(click(GetDlgItem(main, IDB_CONVERT)));
    Sleep(200);
    // The conversion's text is there, and nothing stands on the empty first line.
    EXPECT_GT(pixelsOfColour(main, log, kReadOnlyBackground), 1000);
    EXPECT_EQ(pixelsOnTheEmptyFirstLine(main, log), 0);

    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(log, WM_VSCROLL, SB_BOTTOM, 0, SMTO_NORMAL, 10000, &ignored);
    Sleep(200);
    SendMessageTimeoutW(log, WM_VSCROLL, SB_TOP, 0, SMTO_NORMAL, 10000, &ignored);
    Sleep(200);
    EXPECT_EQ(pixelsOnTheEmptyFirstLine(main, log), 0);
    Picture::ofWindow(main).saveBmp(paths().shots + "\\main-log-scrolled.bmp");

    pressKey(GetDlgItem(main, IDE_INPUT_PATH), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

}  // namespace
