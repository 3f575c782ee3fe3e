#pragma once
// What every report works with: the kernel, the field table prepared for the object reported
// on, and the user interface through which kernel errors (23, 26, ...) are reported. Reports
// append to one text buffer and return it; they never touch a window.

#include "listgen/FieldProfile.h"

namespace vxw {

class Kernel;
class UserInterface;

struct ReportContext {
    Kernel& kernel;
    const FieldTable& fields;
    UserInterface& ui;

    bool Shown(int16_t fieldId) const { return fields.IsFieldShown(fieldId); }
};

// Line end of every list.
inline constexpr char kCrLf[] = "\r\n";

} // namespace vxw
