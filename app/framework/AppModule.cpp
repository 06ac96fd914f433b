#include "app/framework/AppModule.h"

#include <cassert>
#include <iterator>

namespace {

// Holds the critical section for one scope.
class LockGuard {
public:
    explicit LockGuard(CRITICAL_SECTION& section) : section_(section) {
        EnterCriticalSection(&section_);
    }
    ~LockGuard() { LeaveCriticalSection(&section_); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

private:
    CRITICAL_SECTION& section_;
};

}  // namespace

AppModule& appModule() {
    static AppModule module;
    return module;
}

void AppModule::initialise(HINSTANCE instance) {
    assert(!initialised_);
    instance_ = instance;
    InitializeCriticalSection(&lock_);
    pending_.clear();
    initialised_ = true;
}

void AppModule::terminate() {
    if (!initialised_) {
        return;
    }
    DeleteCriticalSection(&lock_);
    pending_.clear();
    initialised_ = false;
}

void AppModule::addPending(DialogBase* object) {
    assert(initialised_);
    LockGuard guard(lock_);
    pending_.push_back({object, GetCurrentThreadId()});
}

DialogBase* AppModule::takePending() {
    assert(initialised_);
    const DWORD thread = GetCurrentThreadId();
    LockGuard guard(lock_);
    for (auto entry = pending_.rbegin(); entry != pending_.rend(); ++entry) {
        if (entry->threadId == thread) {
            DialogBase* object = entry->object;
            pending_.erase(std::next(entry).base());
            return object;
        }
    }
    return nullptr;
}

void AppModule::removePending(DialogBase* object) {
    assert(initialised_);
    LockGuard guard(lock_);
    for (auto entry = pending_.rbegin(); entry != pending_.rend(); ++entry) {
        if (entry->object == object) {
            pending_.erase(std::next(entry).base());
            return;
        }
    }
}
