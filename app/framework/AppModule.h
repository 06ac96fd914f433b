#pragma once

#include <windows.h>

#include <vector>

class DialogBase;

// Process-wide state of the window framework: the instance handle that every resource is
// loaded from and the dialog objects waiting for their window. A dialog
// object is added here right before its window is created; the window's first message takes
// it out again (DialogBase::startProcedure). The list is guarded by a critical section and
// matched by thread id, so a window never takes another thread's object.
class AppModule {
public:
    void initialise(HINSTANCE instance);
    void terminate();

    HINSTANCE instance() const { return instance_; }

    // Adds the object for the current thread, in front of the earlier ones.
    void addPending(DialogBase* object);
    // Takes out the object added last for the current thread; null when there is none.
    DialogBase* takePending();
    // Takes out the object if it is still waiting (its window was never created).
    void removePending(DialogBase* object);

private:
    struct PendingEntry {
        DialogBase* object;
        DWORD threadId;
    };

    HINSTANCE instance_ = nullptr;
    bool initialised_ = false;
    CRITICAL_SECTION lock_{};
    std::vector<PendingEntry> pending_;  // the front of the list is the back of the vector
};

// The one module of the process.
AppModule& appModule();
