#include "app/DialogEditorForm.h"

#include "res/resource.h"

namespace {

int textBoxId(FormText box) {
    switch (box) {
        case FormText::Name:
            return IDE_ROUTE_NAME;
        case FormText::UpStations:
            return IDE_UP_STATIONS;
        case FormText::DownStations:
            return IDE_DOWN_STATIONS;
        case FormText::StartLabel:
            return IDE_START_LABEL;
        case FormText::TerminalLabel:
            return IDE_TERMINAL_LABEL;
    }
    return 0;
}

int valueBoxId(FormValue box) {
    switch (box) {
        case FormValue::StartFirstBus:
            return IDC_START_FIRST_BUS;
        case FormValue::StartLastBus:
            return IDC_START_LAST_BUS;
        case FormValue::TerminalFirstBus:
            return IDC_TERMINAL_FIRST_BUS;
        case FormValue::TerminalLastBus:
            return IDC_TERMINAL_LAST_BUS;
        case FormValue::LineType:
            return IDC_LINE_TYPE;
    }
    return 0;
}

// The seven buttons that a save disables, in the order it disables them.
constexpr int kSaveCommandIds[] = {IDB_SAVE_TO_FILE,   IDB_NEW_ROUTE,  IDB_DELETE_ROUTE,
                                   IDB_PREVIOUS_ROUTE, IDB_NEXT_ROUTE, IDB_STORE_ROUTE,
                                   IDB_IMPORT_DOWN};

std::string comboEntry(HWND combo, int index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) {
        return {};
    }
    std::string entry(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return entry;
}

std::string listEntry(HWND list, int index) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::string entry(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return entry;
}

}  // namespace

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

HWND DialogEditorForm::routeList() const {
    return GetDlgItem(dialog_, IDL_ROUTE_LIST);
}

int DialogEditorForm::selectedRoute() const {
    const LRESULT selected = SendMessageA(routeList(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void DialogEditorForm::selectRoute(int index) {
    SendMessageA(routeList(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DialogEditorForm::routeCount() const {
    return static_cast<int>(SendMessageA(routeList(), LB_GETCOUNT, 0, 0));
}

// The list draws nothing until the end: under Wine every change of a visible list box
// repaints it, which made storing one line of a big city take half a minute.
void DialogEditorForm::showRouteNames(const std::vector<std::string>& names) {
    HWND list = routeList();
    const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    const int wanted = static_cast<int>(names.size());
    int count = routeCount();
    while (count > wanted) {
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(--count), 0);
    }
    for (int i = 0; i < count; ++i) {
        if (listEntry(list, i) != names[i]) {
            SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
            SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(names[i].c_str()));
        }
    }
    for (int i = count; i < wanted; ++i) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i].c_str()));
    }
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top == LB_ERR ? 0 : top), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void DialogEditorForm::appendRouteName(const std::string& name) {
    SendMessageA(routeList(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void DialogEditorForm::removeRouteEntry(int index) {
    SendMessageA(routeList(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

std::string DialogEditorForm::text(FormText box) const {
    return windowText(GetDlgItem(dialog_, textBoxId(box)));
}

void DialogEditorForm::setText(FormText box, const std::string& text) {
    SetDlgItemTextA(dialog_, textBoxId(box), text.c_str());
}

std::string DialogEditorForm::value(FormValue box) const {
    return windowText(GetDlgItem(dialog_, valueBoxId(box)));
}

// Selects the entry that is exactly the value; a value that is not in the list is put into
// the box's edit field as it stands, so that the form always shows what the route holds.
void DialogEditorForm::showValue(FormValue box, const std::string& value) {
    HWND combo = GetDlgItem(dialog_, valueBoxId(box));
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (comboEntry(combo, i) == value) {
            SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(combo, value.c_str());
}

void DialogEditorForm::showMessage(const char* text, const char* caption) {
    MessageBoxA(dialog_, text, caption, MB_OK);
}

Answer DialogEditorForm::ask(const char* question, const char* caption) {
    switch (MessageBoxA(dialog_, question, caption, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void DialogEditorForm::enableSaveCommands(bool enabled) {
    for (int id : kSaveCommandIds) {
        EnableWindow(GetDlgItem(dialog_, id), enabled ? TRUE : FALSE);
    }
}
