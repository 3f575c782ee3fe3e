#include "shell/HostEnvironment.h"

#include "kernel/DesignOpen.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "shell/SharedStrings.h"
#include "suite/SuiteServices.h"

namespace vxw {

QString OpenDesign(const QString& path) {
    DesignFileResult loaded = LoadDesign(path);
    if (!loaded.Ok()) {
        return loaded.error;
    }
    InstallKernel(MemoryKernel::FromData(std::move(*loaded.design)));
    return QString();
}

void PublishHostStrings(Kernel& kernel, const SuiteServices& suite, int mainWidthTwips) {
    WriteSharedString(kernel, QString::fromLatin1(kProductNameKey), QString::fromLatin1(kHostProductName));
    WriteSharedString(kernel, QString::fromLatin1(kMakerNameKey), QString::fromLatin1(kHostMakerName));
    WriteSharedString(kernel, QString::fromLatin1(kLanguagePathKey), suite.Location().languageDir);
    WriteSharedString(kernel, QString::fromLatin1(kMainWidthKey), QString::number(mainWidthTwips));
}

} // namespace vxw
