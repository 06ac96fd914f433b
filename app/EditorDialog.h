#pragma once

#include "app/DialogEditorForm.h"
#include "app/look/FramedEdit.h"
#include "app/look/PaintedDialog.h"
#include "core/LogSink.h"
#include "core/RouteDatabase.h"
#include "editor/RouteEditor.h"

// The editor window: the route list, the form of one route, the command buttons and a status
// line that shows the last message of the database.
class EditorDialog : public PaintedDialog, public LogSink {
public:
    explicit EditorDialog(RouteDatabase& database);

    INT_PTR run(HWND owner);

    // Shows the message, with the prefix of its level, in the status line.
    void log(LogLevel level, const char* message) override;

protected:
    bool onInit(HWND window) override;
    bool onCommand(WORD id, WORD notification, HWND control) override;

private:
    void fillValueLists();

    FramedEdit upStationsBox_;
    FramedEdit downStationsBox_;
    FramedEdit startLabel_;
    FramedEdit terminalLabel_;
    FramedEdit nameBox_;
    RouteDatabase* database_;
    DialogEditorForm form_;
    RouteEditor editor_;
};
