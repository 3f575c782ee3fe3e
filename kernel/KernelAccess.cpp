#include "kernel/KernelAccess.h"

#include <stdexcept>

namespace vxw {
namespace {
std::unique_ptr<Kernel>& Slot() {
    static std::unique_ptr<Kernel> kernel;
    return kernel;
}
} // namespace

Kernel& TheKernel() {
    if (!Slot()) {
        throw std::logic_error("no kernel installed");
    }
    return *Slot();
}

std::unique_ptr<Kernel> InstallKernel(std::unique_ptr<Kernel> kernel) {
    std::swap(Slot(), kernel);
    return kernel;
}

} // namespace vxw
