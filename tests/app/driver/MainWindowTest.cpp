// velorin.exe as a user meets it: start-up and shut-down, the convert command and its log,
// the choosers and the settings that they keep.
// clang-format off
#include <windows.h>  // before every other Windows header
#include <commctrl.h>
#include <shlobj.h>
// clang-format on
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/app/driver/Driver.h"

using namespace driver;

namespace {

const char kInfo[] = "\r\n[信息]:\t";
const char kWarning[] = "\r\n[警告]:\t";
const char kError[] = "\r\n[错误]:\t";
const char kEnd[] = "\r\n";

// The log of converting data\city.txt: one warning for line 2, whose two directions end at
// different stations, and the generator's progress.
std::string cityLog() {
    return std::string(kInfo) + "加载资源文件." + kEnd + kWarning +
           "上行和下行起始站点不同:\n[东站] vs [东站]\n[西站]vs[南门]\n"
           "2路,西站,5:30,21:00,东站,6:00,21:30,普通,西站-人民广场-东站,东站-人民广场-南门," +
           kEnd + kInfo + "加载完毕" + kEnd + kInfo + "正在生成数据..." + kEnd + kInfo +
           "正在统计数据..." + kEnd + kInfo + "创建s.i成功\n" + kEnd + kInfo + "大功告成" + kEnd;
}

// The log of data\broken.txt, whose second data line has no up-direction stations.
std::string brokenLog() {
    return std::string(kInfo) + "加载资源文件." + kEnd + kError +
           "上行数据为空，请更正错误再试后按任意键重试!" + kEnd + kInfo + "坏线路,甲站,6:00" + kEnd;
}

const char* const kDataFiles[] = {"readme.txt", "s.i", "s.d", "t.i", "t.d"};

HWND item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

std::string dataFile(const char* name) {
    return paths().data + "\\" + name;
}
std::string workDir(const char* name) {
    return paths().work + "\\" + name;
}

// Starts the program and checks that its main window appeared.
#define START(program) ASSERT_TRUE((program).start()) << "the main window did not appear"

TEST(StartAndStop, FirstStartShowsEmptyBoxesCentredWithTheFocusOnHelp) {
    clearSettings();
    Program program;
    START(program);
    HWND main = program.mainWindow();
    EXPECT_EQ(textOf(item(main, IDE_INPUT_PATH)), "");
    EXPECT_EQ(textOf(item(main, IDE_OUTPUT_DIR)), "");
    EXPECT_EQ(textOf(item(main, IDE_LOG)), "");
    EXPECT_EQ(program.focus(), item(main, IDB_HELP));

    RECT window{};
    GetWindowRect(main, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    EXPECT_EQ(window.left, (area.left + area.right) / 2 - (window.right - window.left) / 2);
    EXPECT_EQ(window.top, (area.top + area.bottom) / 2 - (window.bottom - window.top) / 2);

    pressKey(program.focus(), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

TEST(StartAndStop, CloseBoxEndsWithTwoAndEnterInAPathBoxWithOne) {
    {
        Program program;
        START(program);
        PostMessageW(program.mainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(program.waitForExit(), 2);
    }
    for (int box : {IDE_INPUT_PATH, IDE_OUTPUT_DIR}) {
        SCOPED_TRACE(box);
        Program program;
        START(program);
        HWND main = program.mainWindow();
        focusControl(main, item(main, box));
        EXPECT_EQ(program.focus(), item(main, box));
        pressKey(item(main, box), VK_RETURN);
        EXPECT_EQ(program.waitForExit(), 1);
    }
}

TEST(Conversion, ConvertShowsEveryMessageAndWritesWhatTheNativeConverterWrites) {
    // Chinese names on drive C:, as a user in China would have them.
    const std::string folder = "C:\\公交数据";
    const std::string input = folder + "\\测试市线路.txt";
    const std::string output = folder + "\\输出";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(dataFile("city.txt").c_str(), input.c_str(), FALSE));
    emptyDirectory(output);
    RemoveDirectoryA(output.c_str());  // the command creates it

    Program program;
    START(program);
    HWND main = program.mainWindow();
    setText(item(main, IDE_INPUT_PATH), input);
    setText(item(main, IDE_OUTPUT_DIR), output);
    ASSERT_TRUE(click(item(main, IDB_CONVERT)));

    EXPECT_EQ(textOf(item(main, IDE_LOG)), cityLog());
    EXPECT_TRUE(IsWindowEnabled(item(main, IDB_CONVERT)));
    for (const char* name : kDataFiles) {
        SCOPED_TRACE(name);
        std::string written;
        std::string expected;
        ASSERT_TRUE(readFile(output + "\\" + name, written));
        ASSERT_TRUE(readFile(paths().expected + "\\" + name, expected));
        EXPECT_TRUE(written == expected) << "differs from the native converter's file";
    }
    Picture::ofWindow(main).saveBmp(paths().shots + "\\main-after-conversion.bmp");

    // The same city saved by Notepad as UTF-8 gives the same files and says what it read.
    const std::string fromUtf8 = folder + "\\UTF-8";
    emptyDirectory(fromUtf8);
    setText(item(main, IDE_INPUT_PATH), dataFile("city-utf8.txt"));
    setText(item(main, IDE_OUTPUT_DIR), fromUtf8);
    ASSERT_TRUE(click(item(main, IDB_CONVERT)));
    std::string utf8Log = cityLog();
    const std::string loading = std::string(kInfo) + "加载资源文件." + kEnd;
    utf8Log.insert(loading.size(),
                   std::string(kInfo) + "输入文件按UTF-8编码读取，已转换为GBK" + kEnd);
    EXPECT_EQ(textOf(item(main, IDE_LOG)), utf8Log);
    for (const char* name : kDataFiles) {
        std::string fromGbk;
        std::string written;
        EXPECT_TRUE(readFile(output + "\\" + name, fromGbk) &&
                    readFile(fromUtf8 + "\\" + name, written) && written == fromGbk)
            << name;
    }

    // The user clicks into the input box and presses Enter.
    focusControl(main, item(main, IDE_INPUT_PATH));
    pressKey(item(main, IDE_INPUT_PATH), VK_RETURN);
    EXPECT_EQ(program.waitForExit(), 1);
}

TEST(Conversion, FailingParseWritesNothingAndShowsOnlyItsOwnLog) {
    const std::string first = workDir("first");
    const std::string second = workDir("second");
    emptyDirectory(first);
    emptyDirectory(second);

    Program program;
    START(program);
    HWND main = program.mainWindow();
    setText(item(main, IDE_INPUT_PATH), dataFile("city.txt"));
    setText(item(main, IDE_OUTPUT_DIR), first);
    ASSERT_TRUE(click(item(main, IDB_CONVERT)));
    ASSERT_EQ(textOf(item(main, IDE_LOG)), cityLog());

    setText(item(main, IDE_INPUT_PATH), dataFile("broken.txt"));
    setText(item(main, IDE_OUTPUT_DIR), second);
    ASSERT_TRUE(click(item(main, IDB_CONVERT)));
    EXPECT_EQ(textOf(item(main, IDE_LOG)), brokenLog());
    EXPECT_TRUE(filesIn(second).empty());
    EXPECT_TRUE(IsWindowEnabled(item(main, IDB_CONVERT)));

    // A missing input file: only this run's two messages.
    setText(item(main, IDE_INPUT_PATH), workDir("no-such-file.txt"));
    ASSERT_TRUE(click(item(main, IDB_CONVERT)));
    EXPECT_EQ(textOf(item(main, IDE_LOG)), std::string(kInfo) + "加载资源文件." + kEnd + kError +
                                               "[错误]输入文件没有找到." + kEnd);
    EXPECT_TRUE(filesIn(second).empty());

    pressKey(item(main, IDE_OUTPUT_DIR), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

TEST(Conversion, PathLongerThanTheCommandReadsIsRefusedInsteadOfCut) {
    // Cut to 511 bytes this would still name a directory inside the work directory.
    std::string output = workDir("long");
    output += "\\" + std::string(600 - output.size() - 1, 'x');
    Program program;
    START(program);
    HWND main = program.mainWindow();
    setText(item(main, IDE_INPUT_PATH), dataFile("city.txt"));
    setText(item(main, IDE_OUTPUT_DIR), output);
    ASSERT_EQ(textOf(item(main, IDE_OUTPUT_DIR)).size(), 600u);
    ASSERT_TRUE(click(item(main, IDB_CONVERT)));
    EXPECT_EQ(textOf(item(main, IDE_LOG)),
              std::string(kError) + "输出目录的路径太长(最多511字节)，未转换." + kEnd);
    EXPECT_FALSE(fileExists(workDir("long")));
    EXPECT_TRUE(IsWindowEnabled(item(main, IDB_CONVERT)));
    pressKey(item(main, IDE_INPUT_PATH), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

// Writes `text` into the memory of the program, where a message parameter can point to it.
LPVOID copyIntoProgram(const Program& program, const std::string& text) {
    LPVOID remote = VirtualAllocEx(program.processHandle(), nullptr, text.size() + 1,
                                   MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote != nullptr) {
        WriteProcessMemory(program.processHandle(), remote, text.c_str(), text.size() + 1, nullptr);
    }
    return remote;
}

TEST(Settings, ChoosersFillTheBoxesAndOnlyChosenPathsSurviveARestart) {
    clearSettings();
    const std::string chosenFile = dataFile("city.txt");
    // The folder browser of Wine 8 selects paths of drive C: but not of Z:.
    const std::string chosenDir = "C:\\velorin-chosen";
    emptyDirectory(chosenDir);
    {
        Program program;
        START(program);
        HWND main = program.mainWindow();

        clickLater(item(main, IDB_CHOOSE_INPUT));
        HWND fileDialog = program.waitForWindow("", main);
        ASSERT_NE(fileDialog, nullptr) << "no file chooser";
        // The name box is a ComboBoxEx32 (id 0x47C) whose edit field takes the typed name.
        HWND nameBox = GetDlgItem(fileDialog, 0x47C);
        ASSERT_NE(nameBox, nullptr);
        HWND nameField = reinterpret_cast<HWND>(SendMessageW(nameBox, CBEM_GETEDITCONTROL, 0, 0));
        ASSERT_NE(nameField, nullptr);
        setText(nameField, chosenFile);
        Picture::ofWindow(fileDialog).saveBmp(paths().shots + "\\file-chooser.bmp");
        clickLater(GetDlgItem(fileDialog, IDOK));
        ASSERT_TRUE(program.waitUntilGone(fileDialog));
        settle(main);
        EXPECT_EQ(textOf(item(main, IDE_INPUT_PATH)), chosenFile);
        EXPECT_EQ(readSetting("txtfile"), chosenFile);

        clickLater(item(main, IDB_CHOOSE_OUTPUT));
        HWND folderDialog = program.waitForWindow("", main);
        ASSERT_NE(folderDialog, nullptr) << "no folder chooser";
        LPVOID remotePath = copyIntoProgram(program, chosenDir);
        ASSERT_NE(remotePath, nullptr);
        SendMessageW(folderDialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(remotePath));
        settle(folderDialog);
        clickLater(GetDlgItem(folderDialog, IDOK));
        ASSERT_TRUE(program.waitUntilGone(folderDialog));
        settle(main);
        EXPECT_EQ(textOf(item(main, IDE_OUTPUT_DIR)), chosenDir);
        EXPECT_EQ(readSetting("outpath"), chosenDir);

        // Typed paths are not kept.
        setText(item(main, IDE_INPUT_PATH), "C:\\typed.txt");
        setText(item(main, IDE_OUTPUT_DIR), "C:\\typed");
        pressKey(item(main, IDE_INPUT_PATH), VK_ESCAPE);
        EXPECT_EQ(program.waitForExit(), 2);
    }
    {
        Program program;
        START(program);
        HWND main = program.mainWindow();
        EXPECT_EQ(textOf(item(main, IDE_INPUT_PATH)), chosenFile);
        EXPECT_EQ(textOf(item(main, IDE_OUTPUT_DIR)), chosenDir);
        pressKey(item(main, IDE_INPUT_PATH), VK_ESCAPE);
        EXPECT_EQ(program.waitForExit(), 2);
    }
}

TEST(Settings, CancelledChoosersChangeNothing) {
    clearSettings();
    Program program;
    START(program);
    HWND main = program.mainWindow();
    setText(item(main, IDE_INPUT_PATH), "C:\\typed.txt");

    clickLater(item(main, IDB_CHOOSE_INPUT));
    HWND fileDialog = program.waitForWindow("", main);
    ASSERT_NE(fileDialog, nullptr);
    clickLater(GetDlgItem(fileDialog, IDCANCEL));
    ASSERT_TRUE(program.waitUntilGone(fileDialog));

    clickLater(item(main, IDB_CHOOSE_OUTPUT));
    HWND folderDialog = program.waitForWindow("", main);
    ASSERT_NE(folderDialog, nullptr);
    clickLater(GetDlgItem(folderDialog, IDCANCEL));
    ASSERT_TRUE(program.waitUntilGone(folderDialog));
    settle(main);

    EXPECT_EQ(textOf(item(main, IDE_INPUT_PATH)), "C:\\typed.txt");
    EXPECT_EQ(textOf(item(main, IDE_OUTPUT_DIR)), "");
    EXPECT_EQ(readSetting("txtfile"), "");
    EXPECT_EQ(readSetting("outpath"), "");
    pressKey(item(main, IDE_INPUT_PATH), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
}

TEST(Settings, StoredPathComesBackCutTo255Bytes) {
    const std::string longPath = "C:\\" + std::string(297, 'd');
    clearSettings();
    writeSetting("outpath", longPath);
    writeSetting("txtfile", "C:\\数据\\公交.txt");
    Program program;
    START(program);
    HWND main = program.mainWindow();
    EXPECT_EQ(textOf(item(main, IDE_OUTPUT_DIR)), longPath.substr(0, 255));
    EXPECT_EQ(textOf(item(main, IDE_INPUT_PATH)), "C:\\数据\\公交.txt");
    pressKey(item(main, IDE_INPUT_PATH), VK_ESCAPE);
    EXPECT_EQ(program.waitForExit(), 2);
    clearSettings();
}

}  // namespace
