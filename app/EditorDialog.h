#pragma once

#include "app/DialogEditorForm.h"
#include "app/framework/DialogBase.h"
#include "app/look/BitmapBackground.h"
#include "app/look/FramedEdit.h"
#include "core/LogSink.h"
#include "core/RouteDatabase.h"
#include "editor/RouteEditor.h"

// The editor window: the route list, the form of one route, the command buttons and a status
// line that shows the last message of the database.
class EditorDialog : public DialogBase, public BitmapBackground, public LogSink {
public:
    explicit EditorDialog(RouteDatabase& database);

    INT_PTR run(HWND owner);

    // Shows the message, with the prefix of its level, in the status line.
    void log(LogLevel level, const char* message) override;

protected:
    bool processMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override;

private:
    void initialise(HWND window);
    void fillValueLists();
    bool command(WORD id, WORD notification);

    FramedEdit upStationsBox_;
    FramedEdit downStationsBox_;
    FramedEdit startLabel_;
    FramedEdit terminalLabel_;
    FramedEdit nameBox_;
    RouteDatabase* database_;
    DialogEditorForm form_;
    RouteEditor editor_;
};
