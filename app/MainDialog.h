#pragma once

#include "app/LogBox.h"
#include "app/look/FramedEdit.h"
#include "app/look/PaintedDialog.h"
#include "app/look/TransparentLabel.h"
#include "core/LogSink.h"
#include "core/RouteDatabase.h"

// The main window: the two path boxes with their choosers, the convert command and the log
// box that shows every message of the conversion. It owns the program's one database.
class MainDialog : public PaintedDialog, public LogSink {
public:
    MainDialog() : PaintedDialog(Reflection::On) {}
    ~MainDialog() override;

    // Runs the window modally; returns 1 (IDOK), 2 (IDCANCEL) or -1 (no window).
    INT_PTR run(HWND owner);

    // Appends a message to the log box with the prefix of its level.
    void log(LogLevel level, const char* message) override;

    RouteDatabase& database() { return database_; }

protected:
    bool onInit(HWND window) override;
    bool onCommand(WORD id, WORD notification, HWND control) override;

private:
    void showHelp();
    void chooseInputFile();
    void chooseOutputDir();
    void convert();
    void edit();

    FramedEdit inputPathBox_;
    FramedEdit outputDirBox_;
    TransparentLabel inputLabel_;
    LogBox logBox_;
    RouteDatabase database_;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
};
