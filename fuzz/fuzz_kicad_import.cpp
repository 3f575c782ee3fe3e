// Any bytes given to the KiCad reader as a board or a schematic end in a design or in one
// message naming the file and the place. A design that comes out is a valid design file (it
// writes out to a text the design file loader takes, when its component names are unique), and
// every node of the explorer lists from it without a fault.

#include "FuzzSuite.h"
#include "cli/NodeList.h"
#include "component/ComponentState.h"
#include "kernel/DesignFile.h"
#include "kernel/KernelAccess.h"
#include "kernel/MemoryKernel.h"
#include "kernel/kicad/KicadImport.h"
#include "shell/HostEnvironment.h"
#include "shell/TerminalInterface.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

namespace {

// Larger inputs only take longer; the faults show on small ones.
constexpr size_t kMaxInput = 64 * 1024;

bool UniqueComponentNames(const vxw::DesignData& design) {
    for (const vxw::CircuitData& circuit : design.circuits) {
        std::set<std::string> schematic, layout;
        for (const vxw::SchCompData& component : circuit.schComps) {
            if (!schematic.insert(component.name).second) {
                return false;
            }
        }
        for (const vxw::LayCompData& component : circuit.layComps) {
            if (!layout.insert(component.name).second) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vxw::fuzz::PrepareSuite();
    if (size > kMaxInput) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The text decides what it is read as, as a user's file name would.
    const bool schematic = bytes.contains("kicad_sch");
    const QString name = schematic ? QStringLiteral("fuzz.kicad_sch") : QStringLiteral("fuzz.kicad_pcb");
    const vxw::DesignFileResult imported = vxw::kicad::ImportKicadBytes(bytes, name);
    if (imported.Ok() == !imported.error.isEmpty()) {
        std::abort(); // exactly one of design and message
    }
    if (!imported.Ok()) {
        if (!imported.error.startsWith(name + QStringLiteral(": "))) {
            std::abort(); // every message names the file
        }
        return 0;
    }
    // A design file names what a node joins, so it can only say it when the names are unique;
    // KiCad allows two components of one reference (the kernel's data joins them by position).
    QString error;
    const QByteArray json = vxw::DesignToJson(*imported.design, &error);
    if (json.isEmpty() || (UniqueComponentNames(*imported.design) &&
                           !vxw::LoadDesignBytes(json, QStringLiteral("again.vxd")).Ok())) {
        std::abort();
    }

    vxw::ScopedKernel installed(vxw::MemoryKernel::FromData(*imported.design));
    vxw::Kernel& kernel = vxw::TheKernel();
    const vxw::SuiteServices& suite = vxw::Suite();
    vxw::PublishHostStrings(kernel, suite);
    vxw::TerminalInterface ui([](const QString&) {});
    vxw::ComponentState state;
    if (!state.Start(kernel, suite, ui)) {
        std::abort(); // the profile is the sample one and must always load
    }
    const int count = state.Model().NodeCount();
    for (int index = 1; index <= count; ++index) {
        (void)vxw::NodeListText(kernel, state, suite, ui, index, {true, true});
    }
    return 0;
}
