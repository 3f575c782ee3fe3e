#pragma once
// What keeps the library in use: the objects it has handed out and the host's locks
// (DllCanUnloadNow answers from these).

namespace vxw {

void ServerObjectCreated();
void ServerObjectDestroyed();
// LockServer: true adds a lock, false takes one away (never below none).
void ServerLock(bool lock);

long ServerObjectCount();
long ServerLockCount();

} // namespace vxw
