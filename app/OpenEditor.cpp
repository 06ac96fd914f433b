#include "app/OpenEditor.h"

#include "app/EditorDialog.h"
#include "datafiles/Loader.h"

void openEditor(const std::string& databaseDir, RouteDatabase& database, LogSink& mainSink,
                LogBox& mainLog) {
    if (!openDatabase(database, databaseDir)) {
        return;
    }
    // What the load reported stands in the main window while the editor is open.
    mainLog.flush();
    EditorDialog editor(database);
    database.logSink = &editor;
    editor.run(GetActiveWindow());
    database.logSink = &mainSink;
}
