#pragma once
// Qt's side of the automation boundary: texts, variants and class ids to and from QString.

#include "shell/AutomationAbi.h"

#include <QString>
#include <QUuid>

#include <optional>

namespace vxw {

// A null text is the empty text.
inline QString FromVxlString(const char16_t* text) {
    return text == nullptr ? QString() : QString::fromUtf16(text);
}

// A new text the receiver frees with VxlStringFree; null when memory ran out.
inline VxlString ToVxlString(const QString& text) {
    return VxlStringAlloc(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

// A variant that owns a copy of the text (clear it with VxlVariantClear).
inline VxlVariant StringVariant(const QString& text) {
    VxlVariant variant{};
    variant.type = kVariantString;
    variant.value.string = ToVxlString(text);
    return variant;
}

inline VxlVariant ShortVariant(int16_t value) {
    VxlVariant variant{};
    variant.type = kVariantI2;
    variant.value.i2 = value;
    return variant;
}

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
inline QString GuidText(const VxlGuid& guid) {
    const QUuid uuid(guid.data1, guid.data2, guid.data3, guid.data4[0], guid.data4[1], guid.data4[2],
                     guid.data4[3], guid.data4[4], guid.data4[5], guid.data4[6], guid.data4[7]);
    return uuid.toString(QUuid::WithBraces).toUpper();
}

// The id of a text in that form (braces optional, any case); nothing for any other text.
inline std::optional<VxlGuid> GuidFromText(const QString& text) {
    const QUuid uuid = QUuid::fromString(text.trimmed());
    if (uuid.isNull()) {
        return std::nullopt;
    }
    VxlGuid guid{uuid.data1, uuid.data2, uuid.data3, {}};
    for (int i = 0; i < 8; ++i) {
        guid.data4[i] = uuid.data4[i];
    }
    return guid;
}

} // namespace vxw
