// Any bytes given to the design loader end in a design or a message. A design that loads
// writes out to a text that loads again to the same text. Read through a window of a few bytes,
// handed out in pieces, the bytes give the same design or the same message.

#include "kernel/DesignFile.h"
#include "kernel/FileTextSource.h"
#include "kernel/MemoryTextSource.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vxw::DesignFileResult result = vxw::LoadDesignBytes(bytes, QStringLiteral("fuzz.vxd"));
    if (result.Ok() == !result.error.isEmpty()) {
        std::abort(); // exactly one of design and message
    }
    std::string_view text(reinterpret_cast<const char*>(data), size);
    text.remove_prefix(vxw::ByteOrderMarkSize(text));
    vxw::MemoryTextSource source(text, 1 + size % 7);
    const vxw::DesignFileResult windowed =
        vxw::LoadDesignText(source, QStringLiteral("fuzz.vxd"), {1 + size % 13, 1 + size % 5});
    if (windowed.error != result.error ||
        (result.Ok() && vxw::DesignToJson(*windowed.design) != vxw::DesignToJson(*result.design))) {
        std::abort();
    }
    if (!result.Ok()) {
        return 0;
    }
    QString error;
    const QByteArray json = vxw::DesignToJson(*result.design, &error);
    const vxw::DesignFileResult again = vxw::LoadDesignBytes(json, QStringLiteral("again.vxd"));
    if (json.isEmpty() || !again.Ok() || vxw::DesignToJson(*again.design) != json) {
        std::abort();
    }
    return 0;
}
