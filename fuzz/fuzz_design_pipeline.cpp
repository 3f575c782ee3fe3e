// A design file as the user opens it, through everything `listgen list` does with it: the design
// is loaded into the in-memory kernel and installed, the component starts on it, and every node
// of the explorer produces its list (the hierarchy list included), with the select-all boxes off
// and on and formatting on. Any design the loader takes must list without a fault.

#include "FuzzSuite.h"
#include "cli/NodeList.h"
#include "component/ComponentState.h"
#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "shell/HostEnvironment.h"
#include "shell/TerminalInterface.h"
#include "shell/Units.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Larger designs only take longer; the lists' faults show on small ones.
constexpr size_t kMaxInput = 64 * 1024;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vxw::fuzz::PrepareSuite();
    if (size > kMaxInput) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vxw::DesignFileResult loaded = vxw::LoadDesignBytes(bytes, QStringLiteral("fuzz.vxd"));
    if (!loaded.Ok()) {
        return 0;
    }
    vxw::ScopedKernel installed(vxw::MemoryKernel::FromData(*loaded.design));
    vxw::Kernel& kernel = vxw::TheKernel();
    const vxw::SuiteServices& suite = vxw::Suite();
    vxw::PublishHostStrings(kernel, suite);
    vxw::SetCurrentUnit(vxw::kUnitInch);
    vxw::TerminalInterface ui([](const QString&) {});
    vxw::ComponentState state;
    if (!state.Start(kernel, suite, ui)) {
        std::abort(); // the profile is the sample one and must always load
    }
    const int count = state.Model().NodeCount();
    for (int index = 1; index <= count; ++index) {
        for (const bool selectAll : {false, true}) {
            (void)vxw::NodeListText(kernel, state, suite, ui, index, {selectAll, true});
        }
    }
    return 0;
}
