#pragma once
// Scopes of the main window's long jobs and busy steps.

#include "windows/shell/LGMAIN.h"

#include <QApplication>

namespace vxw {

// A long job of the main window: from its start (hourglass, explorer and file list disabled,
// Cancel enabled, the state line busy) to its end, however it ends.
class JobScope {
public:
    explicit JobScope(LGMAIN& window) : window_(window) { window_.BeginJob(); }
    ~JobScope() { window_.EndJob(); }
    JobScope(const JobScope&) = delete;
    JobScope& operator=(const JobScope&) = delete;

private:
    LGMAIN& window_;
};

// The hourglass for one step; nests.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace vxw
