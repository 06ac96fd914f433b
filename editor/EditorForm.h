#pragma once

#include <string>
#include <vector>

// The controls of the editor window as the editor's commands see them: the route list, the
// text boxes and the value boxes of one route, message boxes and the command buttons. The
// window implements it with its controls; the tests with plain fields.

enum class FormText { Name, UpStations, DownStations, StartLabel, TerminalLabel };
enum class FormValue { StartFirstBus, StartLastBus, TerminalFirstBus, TerminalLastBus, LineType };
enum class Answer { Yes, No, Cancel };

class EditorForm {
public:
    // Route list: entry i names route i.
    virtual int selectedRoute() const = 0;  // -1 when nothing is selected
    virtual void selectRoute(int index) = 0;
    virtual int routeCount() const = 0;
    // Makes the list hold exactly `names`, in order, changing only the entries that differ;
    // the scroll position stays. The selection may be lost.
    virtual void showRouteNames(const std::vector<std::string>& names) = 0;
    virtual void appendRouteName(const std::string& name) = 0;
    virtual void removeRouteEntry(int index) = 0;

    // Whole texts, however long.
    virtual std::string text(FormText box) const = 0;
    virtual void setText(FormText box, const std::string& text) = 0;

    // Value boxes: pick one of the values collected when the window opened, or type another.
    virtual std::string value(FormValue box) const = 0;
    virtual void showValue(FormValue box, const std::string& value) = 0;

    virtual void showMessage(const char* text, const char* caption) = 0;
    virtual Answer ask(const char* question, const char* caption) = 0;
    // The seven buttons that a save disables while it runs.
    virtual void enableSaveCommands(bool enabled) = 0;

protected:
    ~EditorForm() = default;
};
