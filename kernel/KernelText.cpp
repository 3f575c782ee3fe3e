#include "kernel/KernelText.h"

#include <algorithm>

namespace vxw {

QByteArray ToAnsi(const QString& text) {
    // Most texts are Latin-1 throughout, and the library converts those a block at a time.
    const bool latin1 = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    if (latin1) {
        return text.toLatin1();
    }
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // one character, one '?'
            bytes.append('?');
        } else if (c.unicode() <= 0xFF) {
            bytes.append(static_cast<char>(c.unicode()));
        } else {
            bytes.append('?');
        }
    }
    return bytes;
}

QString FromAnsi(const char* text) {
    return text ? QString::fromLatin1(text) : QString();
}

QString ObjectName(Kernel& kernel, int32_t handle) {
    return FromAnsi(kernel.O_GetName(handle));
}

int32_t FindByName(Kernel& kernel, int32_t map, const QString& name) {
    return kernel.OM_FindName(map, ToAnsi(name).constData());
}

std::optional<QString> SharedString(Kernel& kernel, const QString& key) {
    const char* value = kernel.E_GetString(ToAnsi(key).constData());
    if (!value) {
        return std::nullopt;
    }
    return FromAnsi(value);
}

bool SetSharedString(Kernel& kernel, const QString& key, const QString& value) {
    return kernel.E_SetString(ToAnsi(key).constData(), ToAnsi(value).constData()) > 0;
}

} // namespace vxw
