// The editor window as a user meets it: opened from the main window on converted data, paged,
// changed, saved into the data files and read back with velorin-cli dump.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/app/driver/Driver.h"

using namespace driver;

namespace {

using Texts = std::vector<std::string>;

const char kEditorCaption[] = "编辑界面";
const char kWarningCaption[] = "警告";
const char kQuestionCaption[] = "提示";
const char kStoreQuestion[] = "当前线路已修改，是否保存到内存?";
const char kSaveQuestion[] = "线路数据已修改但还没有保存到文件，是否先保存到文件?";
const int kValueBoxes[] = {IDC_START_FIRST_BUS, IDC_START_LAST_BUS, IDC_TERMINAL_FIRST_BUS,
                           IDC_TERMINAL_LAST_BUS, IDC_LINE_TYPE};

HWND item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

Texts linesOf(const std::string& text) {
    Texts lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The lines after "[datasection]".
Texts dataLines(const Texts& lines) {
    const auto marker = std::find(lines.begin(), lines.end(), "[datasection]");
    return marker == lines.end() ? Texts{} : Texts(marker + 1, lines.end());
}

std::string field(const std::string& line, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = line.find(',', start) + 1;
    }
    return line.substr(start, line.find(',', start) - start);
}

Texts exampleLines() {
    std::string text;
    EXPECT_TRUE(readFile(paths().example, text));
    Texts lines;
    for (const std::string& line : dataLines(linesOf(text))) {
        if (line.size() >= 2) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The entries of a list box or a combo box, read with the Unicode messages.
Texts entriesOf(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    Texts entries;
    const LRESULT count = SendMessageW(control, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(control, lengthMessage, i, 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(control, textMessage, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        entries.push_back(toGbk(text));
    }
    return entries;
}

Texts routeNames(HWND editor) {
    return entriesOf(item(editor, IDL_ROUTE_LIST), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

Texts valueEntries(HWND editor, int id) {
    return entriesOf(item(editor, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int selectedRoute(HWND editor) {
    return static_cast<int>(SendMessageW(item(editor, IDL_ROUTE_LIST), LB_GETCURSEL, 0, 0));
}

// A click on entry `index` of the route list: the list selects it and tells the window. The
// window handles it before this returns; pickRouteLater() does not wait, for a click that
// asks a question.
void pickRoute(HWND editor, int index) {
    HWND list = item(editor, IDL_ROUTE_LIST);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(editor, WM_COMMAND, MAKEWPARAM(IDL_ROUTE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void pickRouteLater(HWND editor, int index) {
    HWND list = item(editor, IDL_ROUTE_LIST);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    PostMessageW(editor, WM_COMMAND, MAKEWPARAM(IDL_ROUTE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

// The text of a message box: its static text control.
std::string messageText(HWND box) {
    HWND child = nullptr;
    while ((child = FindWindowExW(box, child, L"Static", nullptr)) != nullptr) {
        const std::string text = textOf(child);
        if (!text.empty()) {
            return text;
        }
    }
    return {};
}

// Runs velorin-cli.exe with the arguments; its exit status, or -1 when it did not run.
int runCli(const std::string& arguments) {
    std::string commandLine = "\"" + paths().cli + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(paths().cli.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << paths().cli;
        return -1;
    }
    DWORD status = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &status);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return static_cast<int>(status);
}

// Runs velorin-cli.exe dump on a directory and returns the text's lines.
Texts dump(const std::string& directory) {
    const std::string output = paths().work + "\\dump.txt";
    DeleteFileA(output.c_str());
    runCli("dump \"" + directory + "\" -o \"" + output + "\"");
    std::string text;
    EXPECT_TRUE(readFile(output, text)) << "dump wrote nothing";
    return linesOf(text);
}

struct DataFiles {
    std::string bytes[5];
    static DataFiles of(const std::string& directory) {
        DataFiles files;
        const char* names[] = {"readme.txt", "s.i", "s.d", "t.i", "t.d"};
        for (int i = 0; i < 5; ++i) {
            readFile(directory + "\\" + names[i], files.bytes[i]);
        }
        return files;
    }
    bool operator==(const DataFiles& other) const {
        return std::equal(std::begin(bytes), std::end(bytes), std::begin(other.bytes));
    }
};

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start()) << "the main window did not appear";
        main = program.mainWindow();
    }

    // Converts the example city into a fresh directory of the work directory.
    std::string convertExample(const std::string& name) {
        const std::string directory = paths().work + "\\" + name;
        emptyDirectory(directory);
        setText(item(main, IDE_INPUT_PATH), paths().example);
        setText(item(main, IDE_OUTPUT_DIR), directory);
        EXPECT_TRUE(click(item(main, IDB_CONVERT)));
        const std::string log = textOf(item(main, IDE_LOG));
        EXPECT_NE(log.find("大功告成"), std::string::npos) << log;
        return directory;
    }

    // Presses "编辑..." with `directory` in the output box; the editor window, or null.
    HWND openEditor(const std::string& directory, DWORD milliseconds = 10000) {
        setText(item(main, IDE_OUTPUT_DIR), directory);
        clickLater(item(main, IDB_EDIT));
        editor = program.waitForWindow(kEditorCaption, main, milliseconds);
        return editor;
    }

    // Presses a button of the editor that shows a message box; the box, or null.
    HWND pressForMessage(int id, const char* caption) {
        clickLater(item(editor, id));
        return program.waitForWindow(caption, editor);
    }

    // Answers a message box with one of its buttons (IDOK, IDYES, IDNO or IDCANCEL).
    void answer(HWND box, int button) {
        ASSERT_NE(box, nullptr);
        clickLater(item(box, button));
        EXPECT_TRUE(program.waitUntilGone(box));
        settle(editor);
    }

    // Presses Escape in the editor; the question it asks, or null when it just closed.
    HWND escapeEditor() {
        pressKey(item(editor, IDL_ROUTE_LIST), VK_ESCAPE);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 10000) {
            if (!IsWindow(editor)) {
                return nullptr;
            }
            if (HWND box = program.waitForWindow(kQuestionCaption, editor, 100)) {
                return box;
            }
        }
        ADD_FAILURE() << "the editor neither closed nor asked";
        return nullptr;
    }

    void closeEditor() {
        EXPECT_EQ(escapeEditor(), nullptr) << "closing asked a question";
        EXPECT_TRUE(program.waitUntilGone(editor));
    }

    void quit() {
        pressKey(item(main, IDE_INPUT_PATH), VK_ESCAPE);
        EXPECT_EQ(program.waitForExit(), 2);
    }

    std::string shown(int id) const { return textOf(item(editor, id)); }

    Program program;
    HWND main = nullptr;
    HWND editor = nullptr;
};

TEST_F(EditorTest, OpensOnTheConvertedExampleWithTheFirstLineShown) {
    const std::string directory = convertExample("open");
    ASSERT_NE(openEditor(directory), nullptr);
    const Texts lines = exampleLines();

    Texts names;
    std::set<std::string> firstBus{""}, lastBus{""}, lineTypes{""};
    for (const std::string& line : lines) {
        names.push_back(field(line, 0));
        firstBus.insert(field(line, 2));
        lastBus.insert(field(line, 3));
        // The files keep the terminal's times only for lines with a down direction.
        const std::string down = field(line, 9);
        if (!down.empty() && down != "无") {
            firstBus.insert(field(line, 5));
            lastBus.insert(field(line, 6));
        }
        lineTypes.insert(field(line, 7));
    }
    EXPECT_EQ(routeNames(editor), names);
    EXPECT_EQ(selectedRoute(editor), 0);
    EXPECT_EQ(program.focus(), item(editor, IDL_ROUTE_LIST));

    // The first line: 1路,火车站,6:00,22:00,云溪大学,6:20,22:30,空调,<up>,<down>,票价2元
    const std::string& first = lines[0];
    EXPECT_EQ(shown(IDE_ROUTE_NAME), field(first, 0));
    EXPECT_EQ(shown(IDE_UP_STATIONS), field(first, 8));
    EXPECT_EQ(shown(IDE_DOWN_STATIONS), field(first, 9));
    EXPECT_EQ(shown(IDE_START_LABEL), "首站[" + field(first, 1) + "]时间:");
    EXPECT_EQ(shown(IDE_TERMINAL_LABEL), "末站[" + field(first, 4) + "]时间:");
    const int fieldOfBox[] = {2, 3, 5, 6, 7};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(shown(kValueBoxes[i]), field(first, fieldOfBox[i])) << kValueBoxes[i];
    }

    // Each value box offers a blank entry first, then every value of its kind once.
    const std::set<std::string>* expected[] = {&firstBus, &lastBus, &firstBus, &lastBus,
                                               &lineTypes};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(kValueBoxes[i]);
        const Texts entries = valueEntries(editor, kValueBoxes[i]);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries.front(), "");
        EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()), *expected[i]);
        EXPECT_EQ(entries.size(), expected[i]->size());
    }
    Picture::ofWindow(editor).saveBmp(paths().shots + "\\editor.bmp");
    closeEditor();
    quit();
}

TEST_F(EditorTest, PagingToBothEndsShowsTheWarnings) {
    ASSERT_NE(openEditor(convertExample("paging")), nullptr);
    const Texts names = routeNames(editor);
    ASSERT_GE(names.size(), 3u);

    HWND box = pressForMessage(IDB_PREVIOUS_ROUTE, kWarningCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageText(box), "已经是第一个");
    answer(box, IDOK);
    EXPECT_EQ(selectedRoute(editor), 0);

    for (std::size_t i = 1; i < names.size(); ++i) {
        ASSERT_TRUE(click(item(editor, IDB_NEXT_ROUTE)));
        EXPECT_EQ(selectedRoute(editor), static_cast<int>(i));
        EXPECT_EQ(shown(IDE_ROUTE_NAME), names[i]);
    }
    box = pressForMessage(IDB_NEXT_ROUTE, kWarningCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(messageText(box), "已经是最后一个");
    answer(box, IDOK);
    EXPECT_EQ(shown(IDE_ROUTE_NAME), names.back());

    ASSERT_TRUE(click(item(editor, IDB_PREVIOUS_ROUTE)));
    EXPECT_EQ(shown(IDE_ROUTE_NAME), names[names.size() - 2]);
    closeEditor();
    quit();
}

TEST_F(EditorTest, ChangedLineIsSavedAndDumpShowsExactlyThatChange) {
    const std::string directory = convertExample("change");
    const Texts before = dump(directory);
    ASSERT_NE(openEditor(directory), nullptr);

    ASSERT_TRUE(click(item(editor, IDB_NEXT_ROUTE)));
    ASSERT_TRUE(click(item(editor, IDB_NEXT_ROUTE)));  // the third line, 3路
    Texts names = routeNames(editor);
    setText(item(editor, IDE_ROUTE_NAME), "3路快线");
    setText(item(editor, IDE_UP_STATIONS), "北站-科技园-工业园");
    ASSERT_TRUE(click(item(editor, IDB_STORE_ROUTE)));
    names[2] = "3路快线";
    EXPECT_EQ(routeNames(editor), names);
    EXPECT_EQ(selectedRoute(editor), 2);

    ASSERT_TRUE(click(item(editor, IDB_SAVE_TO_FILE)));
    EXPECT_EQ(shown(IDT_STATUS_LINE), "[信息]:\t大功告成");
    EXPECT_TRUE(IsWindowEnabled(item(editor, IDB_SAVE_TO_FILE)));
    closeEditor();

    const Texts after = dump(directory);
    ASSERT_EQ(after.size(), before.size());
    Texts changed;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] != before[i]) {
            changed.push_back(after[i]);
        }
    }
    EXPECT_EQ(changed,
              Texts{"3路快线,北站,6:30,20:00,工业园,,,空调,北站-科技园-工业园,无,早晚高峰加密"});
    quit();
}

// A city longer than the route list shows: storing a line keeps the list where it was.
TEST_F(EditorTest, StoringALineKeepsTheListScrolledWhereItWas) {
    std::string input = "[city]\n长城\n[datasection]\n";
    for (int i = 1; i <= 80; ++i) {
        input += std::to_string(i) + "路,东站,6:00,22:00,西站,6:00,22:00,空调,东站-西站,反向\n";
    }
    const std::string inputPath = paths().work + "\\eighty-lines.txt";
    const std::string directory = paths().work + "\\eighty-lines";
    ASSERT_TRUE(writeFile(inputPath, input));
    emptyDirectory(directory);
    ASSERT_EQ(runCli("convert \"" + inputPath + "\" \"" + directory + "\""), 0);
    ASSERT_NE(openEditor(directory), nullptr);

    HWND list = item(editor, IDL_ROUTE_LIST);
    pickRoute(editor, 70);
    SendMessageW(list, LB_SETTOPINDEX, 50, 0);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    ASSERT_GT(top, 0) << "the list does not scroll";
    Texts names = routeNames(editor);
    setText(item(editor, IDE_ROUTE_NAME), "71路快线");
    ASSERT_TRUE(click(item(editor, IDB_STORE_ROUTE)));
    names[70] = "71路快线";
    EXPECT_EQ(routeNames(editor), names);
    EXPECT_EQ(selectedRoute(editor), 70);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), top);

    HWND question = escapeEditor();
    ASSERT_NE(question, nullptr);
    answer(question, IDNO);
    EXPECT_TRUE(program.waitUntilGone(editor));
    quit();
}

TEST_F(EditorTest, NewLineThenSaveGivesOneLineMore) {
    const std::string directory = convertExample("new");
    const std::size_t lines = dataLines(dump(directory)).size();
    ASSERT_NE(openEditor(directory), nullptr);
    const std::size_t count = routeNames(editor).size();

    ASSERT_TRUE(click(item(editor, IDB_NEW_ROUTE)));
    const Texts names = routeNames(editor);
    ASSERT_EQ(names.size(), count + 1);
    EXPECT_EQ(names.back(), "新建路线");
    EXPECT_EQ(selectedRoute(editor), static_cast<int>(count));
    EXPECT_EQ(shown(IDE_ROUTE_NAME), "新建路线");
    EXPECT_EQ(shown(IDE_UP_STATIONS), "");
    EXPECT_EQ(shown(IDE_START_LABEL), "首站时间:");
    EXPECT_EQ(shown(IDE_TERMINAL_LABEL), "末站时间:");

    // A line without stations is never written: the status line says which one to fill in.
    const DataFiles before = DataFiles::of(directory);
    ASSERT_TRUE(click(item(editor, IDB_SAVE_TO_FILE)));
    EXPECT_EQ(shown(IDT_STATUS_LINE),
              "[错误]:\t第" + std::to_string(count + 1) +
                  "条线路[新建路线]没有上行站点，请填写后再保存，没有写入任何文件");
    EXPECT_TRUE(DataFiles::of(directory) == before);

    setText(item(editor, IDE_UP_STATIONS), "新站甲-新站乙");
    ASSERT_TRUE(click(item(editor, IDB_SAVE_TO_FILE)));
    closeEditor();
    const Texts data = dataLines(dump(directory));
    EXPECT_EQ(data.size(), lines + 1);
    EXPECT_EQ(data.back().substr(0, data.back().find(',')), "新建路线");
    quit();
}

TEST_F(EditorTest, DeleteSelectsTheEntryAfterTheNextOne) {
    ASSERT_NE(openEditor(convertExample("delete")), nullptr);
    const Texts names = routeNames(editor);
    ASSERT_GE(names.size(), 4u);

    ASSERT_TRUE(click(item(editor, IDB_DELETE_ROUTE)));  // the first line
    Texts expected(names.begin() + 1, names.end());
    EXPECT_EQ(routeNames(editor), expected);
    EXPECT_EQ(selectedRoute(editor), 1);
    EXPECT_EQ(shown(IDE_ROUTE_NAME), names[2]);

    // The last entry: the first is selected afterwards.
    pickRoute(editor, static_cast<int>(expected.size()) - 1);
    EXPECT_EQ(shown(IDE_ROUTE_NAME), expected.back());
    ASSERT_TRUE(click(item(editor, IDB_DELETE_ROUTE)));
    expected.pop_back();
    EXPECT_EQ(routeNames(editor), expected);
    EXPECT_EQ(selectedRoute(editor), 0);
    EXPECT_EQ(shown(IDE_ROUTE_NAME), expected.front());

    HWND question = escapeEditor();  // two lines are gone from memory only
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(messageText(question), kSaveQuestion);
    answer(question, IDNO);
    EXPECT_TRUE(program.waitUntilGone(editor));
    quit();
}

TEST_F(EditorTest, ImportDownReversesTheUpStationsIntoTheDownBoxOnly) {
    ASSERT_NE(openEditor(convertExample("import")), nullptr);
    const std::string up = shown(IDE_UP_STATIONS);
    setText(item(editor, IDE_UP_STATIONS), "甲-乙-丙");
    ASSERT_TRUE(click(item(editor, IDB_IMPORT_DOWN)));
    EXPECT_EQ(shown(IDE_DOWN_STATIONS), "丙-乙-甲");
    EXPECT_EQ(shown(IDE_UP_STATIONS), "甲-乙-丙");

    // Nothing was stored: dropping the typed text brings the line back as it was.
    HWND question = pressForMessage(IDB_NEXT_ROUTE, kQuestionCaption);
    ASSERT_NE(question, nullptr);
    answer(question, IDNO);
    ASSERT_TRUE(click(item(editor, IDB_PREVIOUS_ROUTE)));
    EXPECT_EQ(shown(IDE_UP_STATIONS), up);
    closeEditor();
    quit();
}

TEST_F(EditorTest, DirectoryWithoutDataOpensNothing) {
    const std::string directory = paths().work + "\\empty";
    emptyDirectory(directory);
    setText(item(main, IDE_LOG), "");
    EXPECT_EQ(openEditor(directory, 3000), nullptr);
    const std::string log = textOf(item(main, IDE_LOG));
    EXPECT_NE(log.find("[错误]:\t没有找到车站索引文件s.i"), std::string::npos) << log;
    EXPECT_TRUE(IsWindowEnabled(main));

    // The database still reports to the main window: a conversion logs there.
    convertExample("after-empty");
    quit();
}

TEST_F(EditorTest, DatabaseWithoutStationsSaysWhyItDidNotOpen) {
    const std::string directory = convertExample("no-stations");
    ASSERT_TRUE(writeFile(directory + "\\s.i", std::string(2, '\0')));
    setText(item(main, IDE_LOG), "");
    EXPECT_EQ(openEditor(directory, 3000), nullptr);
    const std::string log = textOf(item(main, IDE_LOG));
    EXPECT_EQ(log, "\r\n[错误]:\t车站索引文件中没有任何车站，数据库是空的，没有打开: " + directory +
                       "\\s.i\r\n");
    quit();
}

// A save killed the way the earlier one-by-one swap left it: s.d already replaced, s.i moved
// aside, its new file still staged. The previous files go back before the editor opens.
TEST_F(EditorTest, InterruptedSaveIsUndoneBeforeTheEditorOpens) {
    const std::string directory = convertExample("interrupted");
    const DataFiles before = DataFiles::of(directory);
    const std::string sd = directory + "\\s.d", si = directory + "\\s.i";
    ASSERT_TRUE(MoveFileA(sd.c_str(), (sd + ".velorin-old").c_str()));
    ASSERT_TRUE(writeFile(sd, "new s.d"));
    ASSERT_TRUE(MoveFileA(si.c_str(), (si + ".velorin-old").c_str()));
    ASSERT_TRUE(writeFile(si + ".velorin-new", "new s.i"));

    setText(item(main, IDE_LOG), "");
    ASSERT_NE(openEditor(directory), nullptr);
    const std::string log = textOf(item(main, IDE_LOG));
    EXPECT_EQ(log.find("\r\n[警告]:\t发现上次没有完成的保存，已放回原有的数据文件并删除临时文件"),
              0u)
        << log;
    EXPECT_NE(log.find("加载完成!"), std::string::npos) << log;
    EXPECT_EQ(routeNames(editor).size(), exampleLines().size());
    closeEditor();
    EXPECT_TRUE(DataFiles::of(directory) == before);
    for (const char* leftover : {"\\s.d.velorin-old", "\\s.i.velorin-old", "\\s.i.velorin-new"}) {
        EXPECT_EQ(GetFileAttributesA((directory + leftover).c_str()), INVALID_FILE_ATTRIBUTES)
            << leftover;
    }
    quit();
}

// A directory where the command-line tool expects a file is reported like a missing file.
TEST(CommandLineTool, DirectoryInPlaceOfAFileIsAnErrorNotACrash) {
    const std::string directory = paths().work + "\\not-a-file";
    emptyDirectory(directory);
    EXPECT_EQ(runCli("convert \"" + directory + "\" \"" + paths().work + "\\none\""), 1);
    CreateDirectoryA((directory + "\\s.i").c_str(), nullptr);
    CreateDirectoryA((directory + "\\readme.txt").c_str(), nullptr);
    EXPECT_EQ(runCli("dump \"" + directory + "\" -o \"" + paths().work + "\\none.txt\""), 1);
    EXPECT_EQ(runCli("check \"" + directory + "\""), 1);
}

TEST_F(EditorTest, AfterTheEditorClosesAConversionLogsIntoTheMainWindowAgain) {
    const std::string directory = convertExample("sink");
    ASSERT_NE(openEditor(directory), nullptr);
    const std::string logWhileOpen = textOf(item(main, IDE_LOG));
    EXPECT_NE(logWhileOpen.find("加载完成!"), std::string::npos);
    ASSERT_TRUE(click(item(editor, IDB_SAVE_TO_FILE)));
    EXPECT_EQ(shown(IDT_STATUS_LINE), "[信息]:\t大功告成");
    EXPECT_EQ(textOf(item(main, IDE_LOG)), logWhileOpen);  // the save reported in the editor
    closeEditor();

    ASSERT_TRUE(click(item(main, IDB_CONVERT)));
    const std::string log = textOf(item(main, IDE_LOG));
    EXPECT_EQ(log.find("\r\n[信息]:\t加载资源文件."), 0u) << log;
    EXPECT_NE(log.find("大功告成"), std::string::npos) << log;
    EXPECT_EQ(log.find("加载完成!"), std::string::npos) << log;
    quit();
}

TEST_F(EditorTest, TypedChangesAskBeforeTheyAreReplaced) {
    ASSERT_NE(openEditor(convertExample("questions")), nullptr);
    const Texts names = routeNames(editor);

    // Cancel: the command does not run and the typed name stays.
    setText(item(editor, IDE_ROUTE_NAME), "改名");
    HWND question = pressForMessage(IDB_NEXT_ROUTE, kQuestionCaption);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(messageText(question), kStoreQuestion);
    answer(question, IDCANCEL);
    EXPECT_EQ(selectedRoute(editor), 0);
    EXPECT_EQ(shown(IDE_ROUTE_NAME), "改名");

    // No: the command runs and the line keeps its name.
    answer(pressForMessage(IDB_NEXT_ROUTE, kQuestionCaption), IDNO);
    EXPECT_EQ(selectedRoute(editor), 1);
    EXPECT_EQ(routeNames(editor), names);

    // Yes: the typed name is stored first.
    setText(item(editor, IDE_ROUTE_NAME), "改名");
    answer(pressForMessage(IDB_PREVIOUS_ROUTE, kQuestionCaption), IDYES);
    EXPECT_EQ(selectedRoute(editor), 0);
    EXPECT_EQ(routeNames(editor)[1], "改名");

    // A click on another line asks too; Cancel keeps the selection where it was.
    setText(item(editor, IDE_UP_STATIONS), "甲-乙");
    pickRouteLater(editor, 2);
    question = program.waitForWindow(kQuestionCaption, editor);
    answer(question, IDCANCEL);
    EXPECT_EQ(selectedRoute(editor), 0);
    EXPECT_EQ(shown(IDE_UP_STATIONS), "甲-乙");
    answer(pressForMessage(IDB_NEXT_ROUTE, kQuestionCaption), IDNO);

    answer(escapeEditor(), IDNO);  // the stored name is only in memory
    EXPECT_TRUE(program.waitUntilGone(editor));
    quit();
}

TEST_F(EditorTest, ClosingWithChangesOnlyInMemoryAsksToSaveThem) {
    const std::string directory = convertExample("closing");
    const DataFiles converted = DataFiles::of(directory);
    ASSERT_NE(openEditor(directory), nullptr);
    setText(item(editor, IDE_ROUTE_NAME), "1路夜班");
    ASSERT_TRUE(click(item(editor, IDB_STORE_ROUTE)));

    HWND question = escapeEditor();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(messageText(question), kSaveQuestion);
    answer(question, IDCANCEL);
    EXPECT_TRUE(IsWindow(editor));

    answer(escapeEditor(), IDNO);
    EXPECT_TRUE(program.waitUntilGone(editor));
    EXPECT_TRUE(DataFiles::of(directory) == converted);

    // The change is still in memory, but the next edit loads the files again.
    ASSERT_NE(openEditor(directory), nullptr);
    EXPECT_EQ(shown(IDE_ROUTE_NAME), "1路");
    setText(item(editor, IDE_ROUTE_NAME), "1路夜班");
    ASSERT_TRUE(click(item(editor, IDB_STORE_ROUTE)));
    answer(escapeEditor(), IDYES);
    EXPECT_TRUE(program.waitUntilGone(editor));
    const Texts data = dataLines(dump(directory));
    ASSERT_FALSE(data.empty());
    EXPECT_EQ(field(data[0], 0), "1路夜班");
    quit();
}

TEST_F(EditorTest, SaveIntoAReadOnlyDirectoryKeepsTheFilesAndSaysSo) {
    if (paths().readOnly.empty()) {
        GTEST_SKIP() << "no read-only directory was prepared";
    }
    const DataFiles before = DataFiles::of(paths().readOnly);
    ASSERT_NE(openEditor(paths().readOnly), nullptr);
    setText(item(editor, IDE_ROUTE_NAME), "改名");
    ASSERT_TRUE(click(item(editor, IDB_SAVE_TO_FILE)));
    EXPECT_EQ(shown(IDT_STATUS_LINE), "[错误]:\t数据文件没有生成，目录中原有的文件保持不变");
    EXPECT_TRUE(IsWindowEnabled(item(editor, IDB_SAVE_TO_FILE)));
    Picture::ofWindow(editor).saveBmp(paths().shots + "\\editor-save-failed.bmp");
    EXPECT_TRUE(DataFiles::of(paths().readOnly) == before);

    // The change could not be written: closing asks, and a second failed save keeps it open.
    HWND question = escapeEditor();
    ASSERT_NE(question, nullptr);
    answer(question, IDYES);
    EXPECT_TRUE(IsWindow(editor));
    answer(escapeEditor(), IDNO);
    EXPECT_TRUE(program.waitUntilGone(editor));
    EXPECT_TRUE(DataFiles::of(paths().readOnly) == before);
    quit();
}

}  // namespace
