#include "app/OpenEditor.h"

#include "app/EditorDialog.h"

void openEditor(const std::string& databaseDir, RouteDatabase& database, LogSink& mainSink) {
    if (!database.load(databaseDir)) {
        return;
    }
    EditorDialog editor(database);
    database.logSink = &editor;
    editor.run(GetActiveWindow());
    database.logSink = &mainSink;
}
