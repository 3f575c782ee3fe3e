// Any bytes given to the design loader end in a design or a message. A design that loads
// writes out to a text that loads again to the same text.

#include "kernel/DesignFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vxw::DesignFileResult result = vxw::LoadDesignBytes(bytes, QStringLiteral("fuzz.vxd"));
    if (result.Ok() == !result.error.isEmpty()) {
        std::abort(); // exactly one of design and message
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
