#pragma once
// The one place where text crosses between the component (QString) and the kernel (8-bit
// Latin-1 C strings). Convert at each call; never keep a kernel pointer.

#include "kernel/Kernel.h"

#include <QByteArray>
#include <QLatin1String>
#include <QString>

#include <optional>

namespace vxw {

// Latin-1 bytes; every character outside Latin-1 (a surrogate pair counts as one) becomes '?'.
QByteArray ToAnsi(const QString& text);
// A kernel text; null gives the empty string.
QString FromAnsi(const char* text);
// A kernel text seen in place, for a caller that copies it out before the kernel changes (a
// list row): no conversion and no allocation. Null gives the empty string.
inline QLatin1String KernelText(const char* text) {
    return text ? QLatin1String(text) : QLatin1String();
}

// The name of an object, empty when the handle is not an object.
QString ObjectName(Kernel& kernel, int32_t handle);
// OM_FindName with a wide name.
int32_t FindByName(Kernel& kernel, int32_t map, const QString& name);
// A shared string, nothing when the key is unknown.
std::optional<QString> SharedString(Kernel& kernel, const QString& key);
bool SetSharedString(Kernel& kernel, const QString& key, const QString& value);

} // namespace vxw
