#pragma once

#include <windows.h>

#include "editor/EditorForm.h"

// The editor's form over the controls of the editor window.
class DialogEditorForm : public EditorForm {
public:
    void setDialog(HWND dialog) { dialog_ = dialog; }

    int selectedRoute() const override;
    void selectRoute(int index) override;
    int routeCount() const override;
    void showRouteNames(const std::vector<std::string>& names) override;
    void appendRouteName(const std::string& name) override;
    void removeRouteEntry(int index) override;

    std::string text(FormText box) const override;
    void setText(FormText box, const std::string& text) override;
    std::string value(FormValue box) const override;
    void showValue(FormValue box, const std::string& value) override;

    void showMessage(const char* text, const char* caption) override;
    Answer ask(const char* question, const char* caption) override;
    void enableSaveCommands(bool enabled) override;

private:
    HWND routeList() const;

    HWND dialog_ = nullptr;
};

// The whole text of a window, however long.
std::string windowText(HWND window);
