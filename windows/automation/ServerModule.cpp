#include "windows/automation/ServerModule.h"

#include <atomic>

namespace vxw {

namespace {

// Calls arrive on the host's user-interface thread; the counts are atomic all the same, so that
// a host asking DllCanUnloadNow from elsewhere never reads a torn value.
std::atomic<long> objects{0};
std::atomic<long> locks{0};

} // namespace

void ServerObjectCreated() {
    ++objects;
}

void ServerObjectDestroyed() {
    --objects;
}

void ServerLock(bool lock) {
    if (lock) {
        ++locks;
        return;
    }
    long current = locks.load();
    while (current > 0 && !locks.compare_exchange_weak(current, current - 1)) {
    }
}

long ServerObjectCount() {
    return objects.load();
}

long ServerLockCount() {
    return locks.load();
}

} // namespace vxw
