#pragma once
// What every report works with: the kernel, the field table prepared for the object reported
// on, and the user interface through which kernel errors (23, 26, ...) are reported. Reports
// append to one text buffer and return it; they never touch a window.

#include "kernel/Kernel.h"
#include "listgen/FieldProfile.h"

namespace vxw {

class UserInterface;

struct ReportContext {
    Kernel& kernel;
    const FieldTable& fields;
    UserInterface& ui;

    bool Shown(int16_t fieldId) const { return fields.IsFieldShown(fieldId); }
};

// Puts the kernel's current circuit and page back when a report leaves.
class CurrentCircuitGuard {
public:
    explicit CurrentCircuitGuard(Kernel& kernel)
        : kernel_(kernel), circuit_(kernel.DB_CurHier()), page_(kernel.DB_CurPage()) {}
    ~CurrentCircuitGuard() {
        kernel_.DB_SetCurHier(circuit_);
        if (page_ > 0) {
            kernel_.DB_SetCurPage(page_);
        }
    }
    CurrentCircuitGuard(const CurrentCircuitGuard&) = delete;
    CurrentCircuitGuard& operator=(const CurrentCircuitGuard&) = delete;

private:
    Kernel& kernel_;
    int32_t circuit_;
    int32_t page_;
};

// Line end of every list.
inline constexpr char kCrLf[] = "\r\n";

} // namespace vxw
