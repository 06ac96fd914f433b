#pragma once

#include <memory>

#include "core/RouteDatabase.h"
#include "editor/EditorForm.h"

// The editor's commands on the loaded database and the form that shows one route of it.
// Every command that would replace what the user typed first asks whether to keep it, and
// closing asks whether to write changes that are only in memory.
class RouteEditor {
public:
    RouteEditor(RouteDatabase& database, EditorForm& form) : database_(database), form_(form) {}

    const Route* currentRoute() const { return currentRoute_; }
    bool hasUnsavedChanges() const { return unsavedChanges_; }

    void showRoute();
    void nextRoute();
    void previousRoute();
    void newRoute();
    void deleteRoute();
    void storeRoute();
    void refreshRouteList();
    void importDownStations();
    // Writes the database into the loaded directory; false when the generator logged an error.
    bool saveToFile();
    void showDataInfo();

    // The user picked another entry of the route list.
    void routeSelectionChanged();
    // Whether the window may close now; asks about typed and unsaved changes first.
    bool mayClose();

    bool formDiffersFromRoute() const;

private:
    bool settleTypedChanges();
    void fillForm(const Route& route);
    void copyFormInto(Route& route) const;
    int indexOfCurrentRoute() const;

    RouteDatabase& database_;
    EditorForm& form_;
    Route* currentRoute_ = nullptr;
    bool unsavedChanges_ = false;
};
