#include "app/MainDialog.h"

#include <string>

#include "app/AboutDialog.h"
#include "app/AppTexts.h"
#include "app/Choosers.h"
#include "app/OpenEditor.h"
#include "app/Settings.h"
#include "app/framework/AppModule.h"
#include "app/look/Repaint.h"
#include "res/resource.h"

namespace {

// Paths are read from their boxes into 512-byte buffers.
constexpr int kPathBufferSize = 512;

// The box's text; false when it is longer than the path buffer holds.
bool readPath(HWND dialog, int id, std::string& path) {
    HWND box = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthA(box);
    if (length >= kPathBufferSize) {
        return false;
    }
    char buffer[kPathBufferSize] = "";
    GetWindowTextA(box, buffer, sizeof buffer);
    path = buffer;
    return true;
}

HICON loadIcon(int id, int sizeMetricX, int sizeMetricY) {
    return static_cast<HICON>(LoadImageA(appModule().instance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         GetSystemMetrics(sizeMetricX),
                                         GetSystemMetrics(sizeMetricY), 0));
}

}  // namespace

MainDialog::~MainDialog() {
    if (largeIcon_ != nullptr) {
        DestroyIcon(largeIcon_);
    }
    if (smallIcon_ != nullptr) {
        DestroyIcon(smallIcon_);
    }
}

INT_PTR MainDialog::run(HWND owner) {
    return runModal(IDD_MAIN, owner);
}

bool MainDialog::onInit(HWND window) {
    largeIcon_ = loadIcon(IDI_MAIN, SM_CXICON, SM_CYICON);
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_));
    smallIcon_ = loadIcon(IDI_MAIN, SM_CXSMICON, SM_CYSMICON);
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    inputPathBox_.attach(GetDlgItem(window, IDE_INPUT_PATH));
    outputDirBox_.attach(GetDlgItem(window, IDE_OUTPUT_DIR));
    inputLabel_.attach(GetDlgItem(window, IDT_INPUT_LABEL));
    logBox_.attach(GetDlgItem(window, IDE_LOG));
    database_.logSink = this;
    SetDlgItemTextA(window, IDE_OUTPUT_DIR, settings::readOutputDir().c_str());
    SetDlgItemTextA(window, IDE_INPUT_PATH, settings::readInputFile().c_str());
    return true;  // the system puts the focus on the first tab stop
}

bool MainDialog::onCommand(WORD id, WORD notification, HWND control) {
    switch (id) {
        case IDB_HELP:
            showHelp();
            return true;
        case IDOK:
        case IDCANCEL:
            endDialog(id);
            return true;
        case IDB_CHOOSE_INPUT:
            chooseInputFile();
            return true;
        case IDB_CHOOSE_OUTPUT:
            chooseOutputDir();
            return true;
        case IDB_CONVERT:
            convert();
            return true;
        case IDB_EDIT:
            edit();
            return true;
        case IDE_LOG:
            if (notification == EN_VSCROLL) {
                // The box scrolls its text over the background without erasing it.
                invalidateBehind(control);
            }
            return false;
        default:
            return false;
    }
}

void MainDialog::showHelp() {
    AboutDialog about;
    about.run(GetActiveWindow());
}

void MainDialog::chooseInputFile() {
    std::string path;
    if (choosers::chooseInputFile(GetActiveWindow(), path)) {
        SetDlgItemTextA(handle(), IDE_INPUT_PATH, path.c_str());
        settings::writeInputFile(path);
    }
}

void MainDialog::chooseOutputDir() {
    std::string path;
    if (choosers::chooseOutputDir(handle(), path)) {
        SetDlgItemTextA(handle(), IDE_OUTPUT_DIR, path.c_str());
        settings::writeOutputDir(path);
    }
}

void MainDialog::convert() {
    HWND window = handle();
    std::string inputPath;
    std::string outputDir;
    const bool inputFits = readPath(window, IDE_INPUT_PATH, inputPath);
    const bool outputFits = readPath(window, IDE_OUTPUT_DIR, outputDir);
    logBox_.clear();
    HWND convertButton = GetDlgItem(window, IDB_CONVERT);
    const bool buttonHadFocus = GetFocus() == convertButton;
    EnableWindow(convertButton, FALSE);

    if (!inputFits) {
        log(LogLevel::Error, appTexts::kInputPathTooLong);
    } else if (!outputFits) {
        log(LogLevel::Error, appTexts::kOutputPathTooLong);
    } else {
        database_.convert(inputPath, outputDir);
    }
    logBox_.flush();

    EnableWindow(convertButton, TRUE);
    // A disabled button loses the keyboard focus; give it back so that the keyboard works
    // on. SetFocus leaves the dialog's default button as it was.
    if (buttonHadFocus) {
        SetFocus(convertButton);
    }
}

void MainDialog::edit() {
    std::string databaseDir;
    if (!readPath(handle(), IDE_OUTPUT_DIR, databaseDir)) {
        log(LogLevel::Error, appTexts::kDatabasePathTooLong);
    } else {
        openEditor(databaseDir, database_, *this, logBox_);
    }
    logBox_.flush();
}

void MainDialog::log(LogLevel level, const char* message) {
    logBox_.append(level, message);
}
