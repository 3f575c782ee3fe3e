#pragma once
// The kernel of the project the host has open. The component reaches it only through
// TheKernel(); the host and tests install the instance.

#include "kernel/Kernel.h"

#include <memory>

namespace vxw {

// The installed kernel. Installing an empty one is allowed; TheKernel() then answers an empty
// design (no hierarchies, no library).
Kernel& TheKernel();

// Installs a kernel for the whole process and answers the previous one.
std::unique_ptr<Kernel> InstallKernel(std::unique_ptr<Kernel> kernel);

// Installs a kernel for one scope (tests) and puts the previous one back afterwards.
class ScopedKernel {
public:
    explicit ScopedKernel(std::unique_ptr<Kernel> kernel) : previous_(InstallKernel(std::move(kernel))) {}
    ~ScopedKernel() { InstallKernel(std::move(previous_)); }
    ScopedKernel(const ScopedKernel&) = delete;
    ScopedKernel& operator=(const ScopedKernel&) = delete;

private:
    std::unique_ptr<Kernel> previous_;
};

} // namespace vxw
