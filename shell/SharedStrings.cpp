#include "shell/SharedStrings.h"

#include "kernel/KernelAccess.h"
#include "kernel/KernelText.h"
#include "suite/SuiteServices.h"

#include <stdexcept>

namespace vxw {

QString ReadSharedString(Kernel& kernel, const QString& key) {
    const QByteArray latin1Key = ToAnsi(key);
    return SuiteServices::TextFromPointer(kernel.E_GetString(latin1Key.constData()));
}

int WriteSharedString(Kernel& kernel, const QString& key, const QString& value) {
    const QByteArray latin1Key = ToAnsi(key);
    const QByteArray latin1Value = ToAnsi(value);
    return kernel.E_SetString(latin1Key.constData(), latin1Value.constData());
}

QString ProductName(Kernel& kernel) {
    return ReadSharedString(kernel, QLatin1String(kProductNameKey));
}

QString MakerName(Kernel& kernel) {
    return ReadSharedString(kernel, QLatin1String(kMakerNameKey));
}

namespace {

// TheKernel() throws when nothing is installed; titles then simply stay empty.
QString FromInstalledKernel(QString (*read)(Kernel&)) {
    try {
        return read(TheKernel());
    } catch (const std::logic_error&) {
        return QString();
    }
}

} // namespace

QString ProductName() {
    return FromInstalledKernel(static_cast<QString (*)(Kernel&)>(&ProductName));
}

QString MakerName() {
    return FromInstalledKernel(static_cast<QString (*)(Kernel&)>(&MakerName));
}

} // namespace vxw
