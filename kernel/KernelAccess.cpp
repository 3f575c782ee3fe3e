#include "kernel/KernelAccess.h"

#include "kernel/MemoryKernel.h"

namespace vxw {
namespace {
std::unique_ptr<Kernel>& Slot() {
    static std::unique_ptr<Kernel> kernel;
    return kernel;
}
} // namespace

Kernel& TheKernel() {
    // Without an installed kernel the component sees an empty design rather than failing.
    if (!Slot()) {
        Slot() = std::make_unique<MemoryKernel>();
    }
    return *Slot();
}

std::unique_ptr<Kernel> InstallKernel(std::unique_ptr<Kernel> kernel) {
    std::swap(Slot(), kernel);
    return kernel;
}

} // namespace vxw
