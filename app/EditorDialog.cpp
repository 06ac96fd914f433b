#include "app/EditorDialog.h"

#include <string>

#include "app/look/Repaint.h"
#include "editor/ValueLists.h"
#include "res/resource.h"

namespace {

void addEntries(HWND combo, const std::vector<std::string>& values) {
    for (const std::string& value : values) {
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value.c_str()));
    }
}

}  // namespace

EditorDialog::EditorDialog(RouteDatabase& database)
    : PaintedDialog(Reflection::On), database_(&database), editor_(database, form_) {}

INT_PTR EditorDialog::run(HWND owner) {
    return runModal(IDD_EDITOR, owner);
}

bool EditorDialog::onInit(HWND window) {
    form_.setDialog(window);
    upStationsBox_.attach(GetDlgItem(window, IDE_UP_STATIONS));
    downStationsBox_.attach(GetDlgItem(window, IDE_DOWN_STATIONS));
    startLabel_.attach(GetDlgItem(window, IDE_START_LABEL));
    terminalLabel_.attach(GetDlgItem(window, IDE_TERMINAL_LABEL));
    nameBox_.attach(GetDlgItem(window, IDE_ROUTE_NAME));
    fillValueLists();
    editor_.refreshRouteList();
    form_.selectRoute(0);
    editor_.showRoute();
    return true;  // the system puts the focus on the first tab stop, the route list
}

// The choices of the value boxes, collected once: a blank entry, then every value in use.
// The boxes sort their lists themselves, so the blank entry comes first.
void EditorDialog::fillValueLists() {
    HWND window = handle();
    const ValueLists lists = collectValueLists(*database_);
    for (int id : {IDC_START_FIRST_BUS, IDC_START_LAST_BUS, IDC_TERMINAL_FIRST_BUS,
                   IDC_TERMINAL_LAST_BUS, IDC_LINE_TYPE}) {
        HWND combo = GetDlgItem(window, id);
        SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    }
    addEntries(GetDlgItem(window, IDC_START_FIRST_BUS), lists.firstBus);
    addEntries(GetDlgItem(window, IDC_TERMINAL_FIRST_BUS), lists.firstBus);
    addEntries(GetDlgItem(window, IDC_START_LAST_BUS), lists.lastBus);
    addEntries(GetDlgItem(window, IDC_TERMINAL_LAST_BUS), lists.lastBus);
    addEntries(GetDlgItem(window, IDC_LINE_TYPE), lists.lineTypes);
}

bool EditorDialog::onCommand(WORD id, WORD notification, HWND /*control*/) {
    if (id == IDOK || id == IDCANCEL) {
        if (editor_.mayClose()) {
            endDialog(id);
        }
        return true;
    }
    if (id == IDL_ROUTE_LIST) {
        if (notification != LBN_SELCHANGE) {
            return false;
        }
        editor_.routeSelectionChanged();
        return true;
    }
    if (notification != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDB_NEXT_ROUTE:
            editor_.nextRoute();
            return true;
        case IDB_IMPORT_DOWN:
            editor_.importDownStations();
            return true;
        case IDB_STORE_ROUTE:
            editor_.storeRoute();
            return true;
        case IDB_PREVIOUS_ROUTE:
            editor_.previousRoute();
            return true;
        case IDB_NEW_ROUTE:
            editor_.newRoute();
            return true;
        case IDB_DELETE_ROUTE:
            editor_.deleteRoute();
            return true;
        case IDB_SAVE_TO_FILE:
            editor_.saveToFile();
            return true;
        case IDB_DATA_INFO:
            editor_.showDataInfo();
            return true;
        default:
            return false;
    }
}

void EditorDialog::log(LogLevel level, const char* message) {
    HWND status = GetDlgItem(handle(), IDT_STATUS_LINE);
    if (status == nullptr) {
        return;
    }
    const std::string text = std::string(levelPrefix(level)) + message;
    SetWindowTextA(status, text.c_str());
    // The line stands on the bitmap: repaint behind it, at once, while a save still runs.
    repaintBehind(status);
}
