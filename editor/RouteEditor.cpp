#include "editor/RouteEditor.h"

#include <algorithm>

#include "core/FieldReader.h"
#include "editor/EditorTexts.h"

namespace {

struct ValueField {
    FormValue box;
    std::string RouteEnd::*time;
    bool start;
};

constexpr ValueField kTimeFields[] = {
    {FormValue::StartFirstBus, &RouteEnd::firstBus, true},
    {FormValue::StartLastBus, &RouteEnd::lastBus, true},
    {FormValue::TerminalFirstBus, &RouteEnd::firstBus, false},
    {FormValue::TerminalLastBus, &RouteEnd::lastBus, false},
};

std::string& timeOf(Route& route, const ValueField& field) {
    return (field.start ? route.start : route.terminal).*field.time;
}

const std::string& timeOf(const Route& route, const ValueField& field) {
    return (field.start ? route.start : route.terminal).*field.time;
}

}  // namespace

void RouteEditor::showRoute() {
    const int selected = form_.selectedRoute();
    if (selected < 0 || selected >= static_cast<int>(database_.routes.size())) {
        return;
    }
    currentRoute_ = database_.routes[selected].get();
    if (currentRoute_ != nullptr) {
        fillForm(*currentRoute_);
    }
}

void RouteEditor::fillForm(const Route& route) {
    form_.setText(FormText::Name, route.name);
    for (const ValueField& field : kTimeFields) {
        form_.showValue(field.box, timeOf(route, field));
    }
    form_.showValue(FormValue::LineType, route.lineType);
    form_.setText(FormText::UpStations, joinStations(route.upStations));
    form_.setText(FormText::DownStations, joinStations(route.downStations));
    if (route.upStations.empty()) {
        form_.setText(FormText::StartLabel, editorTexts::kStartLabelEmpty);
        form_.setText(FormText::TerminalLabel, editorTexts::kTerminalLabelEmpty);
    } else {
        form_.setText(
            FormText::StartLabel,
            editorTexts::kStartLabelBefore + route.upStations.front() + editorTexts::kLabelAfter);
        form_.setText(
            FormText::TerminalLabel,
            editorTexts::kTerminalLabelBefore + route.upStations.back() + editorTexts::kLabelAfter);
    }
}

void RouteEditor::nextRoute() {
    const int next = form_.selectedRoute() + 1;
    if (next >= form_.routeCount()) {
        form_.showMessage(editorTexts::kAlreadyLast, editorTexts::kWarningCaption);
        return;
    }
    if (settleTypedChanges()) {
        form_.selectRoute(next);
        showRoute();
    }
}

void RouteEditor::previousRoute() {
    const int previous = form_.selectedRoute() - 1;
    if (previous < 0) {
        form_.showMessage(editorTexts::kAlreadyFirst, editorTexts::kWarningCaption);
        return;
    }
    if (settleTypedChanges()) {
        form_.selectRoute(previous);
        showRoute();
    }
}

void RouteEditor::newRoute() {
    if (!settleTypedChanges()) {
        return;
    }
    auto route = std::make_unique<Route>();
    route->name = editorTexts::kNewRouteName;
    currentRoute_ = route.get();
    database_.routes.push_back(std::move(route));
    unsavedChanges_ = true;
    form_.appendRouteName(currentRoute_->name);
    form_.selectRoute(form_.routeCount() - 1);
    showRoute();
}

void RouteEditor::deleteRoute() {
    if (currentRoute_ == nullptr || !settleTypedChanges()) {
        return;
    }
    auto& routes = database_.routes;
    routes.erase(std::find_if(routes.begin(), routes.end(),
                              [&](const auto& route) { return route.get() == currentRoute_; }));
    currentRoute_ = nullptr;
    unsavedChanges_ = true;

    const int selected = form_.selectedRoute();
    if (selected < 0) {
        return;
    }
    form_.removeRouteEntry(selected);
    form_.selectRoute(selected + 1 < form_.routeCount() ? selected + 1 : 0);
    showRoute();
}

void RouteEditor::storeRoute() {
    if (currentRoute_ == nullptr) {
        return;
    }
    if (formDiffersFromRoute()) {
        unsavedChanges_ = true;
    }
    copyFormInto(*currentRoute_);
    refreshRouteList();
}

void RouteEditor::copyFormInto(Route& route) const {
    route.upStations.clear();
    splitStations(form_.text(FormText::UpStations), route.upStations);
    route.downStations.clear();
    splitStations(form_.text(FormText::DownStations), route.downStations);
    route.name = form_.text(FormText::Name);
    for (const ValueField& field : kTimeFields) {
        timeOf(route, field) = form_.value(field.box);
    }
    route.lineType = form_.value(FormValue::LineType);
}

void RouteEditor::refreshRouteList() {
    const int selected = form_.selectedRoute();
    std::vector<std::string> names;
    names.reserve(database_.routes.size());
    for (const auto& route : database_.routes) {
        if (route) {
            names.push_back(route->name);
        }
    }
    form_.showRouteNames(names);
    form_.selectRoute(selected);
}

void RouteEditor::importDownStations() {
    std::vector<std::string> stations;
    splitStations(form_.text(FormText::UpStations), stations);
    std::reverse(stations.begin(), stations.end());
    form_.setText(FormText::DownStations, joinStations(stations));
}

bool RouteEditor::saveToFile() {
    form_.enableSaveCommands(false);
    if (currentRoute_ != nullptr) {
        if (formDiffersFromRoute()) {
            unsavedChanges_ = true;
        }
        copyFormInto(*currentRoute_);
    }
    refreshRouteList();
    const bool saved = database_.generate("");
    if (saved) {
        unsavedChanges_ = false;
    }
    form_.enableSaveCommands(true);
    return saved;
}

void RouteEditor::showDataInfo() {
    form_.showMessage(editorTexts::kDataInfo, editorTexts::kInformationCaption);
}

void RouteEditor::routeSelectionChanged() {
    if (settleTypedChanges()) {
        showRoute();
    } else {
        form_.selectRoute(indexOfCurrentRoute());
    }
}

bool RouteEditor::mayClose() {
    if (!settleTypedChanges()) {
        return false;
    }
    if (!unsavedChanges_) {
        return true;
    }
    switch (form_.ask(editorTexts::kSaveBeforeClosing, editorTexts::kQuestionCaption)) {
        case Answer::Yes:
            return saveToFile();  // a failed save keeps the window open with its error shown
        case Answer::No:
            return true;
        case Answer::Cancel:
            return false;
    }
    return false;
}

bool RouteEditor::formDiffersFromRoute() const {
    if (currentRoute_ == nullptr) {
        return false;
    }
    Route typed = *currentRoute_;
    copyFormInto(typed);
    const Route& route = *currentRoute_;
    bool same = typed.name == route.name && typed.upStations == route.upStations &&
                typed.downStations == route.downStations && typed.lineType == route.lineType;
    for (const ValueField& field : kTimeFields) {
        same = same && timeOf(typed, field) == timeOf(route, field);
    }
    return !same;
}

// Asks what to do with what the user typed before a command replaces the form: Yes stores it,
// No puts the route's values back into the form. False when the user cancelled the command.
bool RouteEditor::settleTypedChanges() {
    if (!formDiffersFromRoute()) {
        return true;
    }
    switch (form_.ask(editorTexts::kStoreChangedRoute, editorTexts::kQuestionCaption)) {
        case Answer::Yes:
            storeRoute();
            return true;
        case Answer::No:
            fillForm(*currentRoute_);
            return true;
        case Answer::Cancel:
            return false;
    }
    return false;
}

int RouteEditor::indexOfCurrentRoute() const {
    const auto& routes = database_.routes;
    for (std::size_t i = 0; i < routes.size(); ++i) {
        if (routes[i].get() == currentRoute_) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
