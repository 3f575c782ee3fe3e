// `listgen info`: what the open design holds, read through the kernel as the component reads it.

#include "cli/BatchCommand.h"
#include "kernel/KernelAccess.h"
#include "kernel/KernelText.h"

#include <algorithm>

namespace vxw {
namespace {

// Counts the objects of a map whose mask, taken under bits, equals values.
int32_t CountWalk(Kernel& kernel, int32_t map, int32_t values, int32_t bits) {
    int32_t count = 0;
    int32_t cursor = kernel.OM_GetFirst(map);
    while (kernel.OM_SearchMask(map, &cursor, values, bits) > 0) {
        ++count;
    }
    return count;
}

int32_t CountPadstackSymbols(Kernel& kernel) {
    const int32_t map = kernel.DB_SymbMap();
    int32_t count = 0;
    int32_t cursor = kernel.OM_GetFirst(map);
    for (int32_t id; (id = kernel.OM_SearchMask(map, &cursor, 0, 0)) > 0;) {
        SymbolRecord record;
        if (kernel.S_ReadSymbol(id, &record) > 0 && record.kind == SymbolPadstack) {
            ++count;
        }
    }
    return count;
}

void WriteCircuit(Kernel& kernel, QTextStream& out, int number, int32_t circuit) {
    kernel.DB_SetCurHier(circuit);
    out << "Circuit " << number << ": " << FromAnsi(kernel.O_GetName(circuit)) << "\n";
    const int32_t pages = kernel.DB_PageMap();
    const int32_t components = kernel.DB_SchCompMap();
    out << "  Pages: " << kernel.OM_GetCount(pages) << "\n";
    int pageNumber = 0;
    int32_t cursor = kernel.OM_GetFirst(pages);
    for (int32_t page; (page = kernel.OM_SearchMask(pages, &cursor, 0, 0)) > 0;) {
        int32_t onPage = 0;
        int32_t compCursor = kernel.OM_GetFirst(components);
        for (int32_t comp; (comp = kernel.OM_SearchMask(components, &compCursor, 0, 0)) > 0;) {
            onPage += kernel.O_TestPage(comp, page) != 0 ? 1 : 0;
        }
        out << "    Page " << ++pageNumber << ": " << FromAnsi(kernel.O_GetName(page))
            << " (schematic components: " << onPage << ")\n";
    }
    out << "  Schematic components: " << kernel.OM_GetCount(components) << "\n";
    out << "  Layout components: " << kernel.OM_GetCount(kernel.DB_LayCompMap()) << "\n";
    out << "  Nets: " << kernel.OM_GetCount(kernel.DB_NetMap()) << "\n";
    out << "  Traces: " << kernel.OM_GetCount(kernel.DB_TraceMap()) << "\n";
    out << "  Vias: " << kernel.OM_GetCount(kernel.DB_ViaMap()) << "\n";
}

// A design imported from another tool's files carries notes of what was read, as that tool
// counts it (stream "IMPORT", text lines).
void WriteImportNotes(Kernel& kernel, QTextStream& out) {
    const int32_t files = kernel.DB_FileMap();
    const int32_t stream = files > 0 ? kernel.OM_FindName(files, "IMPORT") : 0;
    const int32_t length = stream > 0 ? kernel.F_GetLength(stream) : 0;
    if (length <= 0 || kernel.F_Seek(stream, 0, 0) <= 0) {
        return;
    }
    QByteArray text(std::min(length, 1 << 20), '\0');
    const int32_t read = kernel.F_Read(stream, text.data(), static_cast<int32_t>(text.size()));
    text.truncate(std::max(read, 0));
    out << "Import notes:\n";
    for (const QByteArray& line : text.split('\n')) {
        if (!line.isEmpty()) {
            out << "  " << QString::fromLatin1(line) << "\n";
        }
    }
}

} // namespace

int RunInfoCommand(BatchContext& context) {
    if (!context.arguments.arguments.isEmpty()) {
        context.err << "listgen: info takes no arguments\n";
        return BatchUsage;
    }
    Kernel& kernel = TheKernel();
    QTextStream& out = context.out;
    const int32_t savedCircuit = kernel.DB_CurHier();
    const int32_t savedPage = kernel.DB_CurPage();

    out << "Design: " << context.arguments.designFile << "\n";
    out << "Project: " << FromAnsi(kernel.O_GetName(kernel.DB_DataBase())) << "\n";
    const int32_t circuits = kernel.DB_HierarchyMap();
    out << "Circuits: " << kernel.OM_GetCount(circuits) << "\n";
    int number = 0;
    int32_t cursor = kernel.OM_GetFirst(circuits);
    for (int32_t circuit; (circuit = kernel.OM_SearchMask(circuits, &cursor, 0, 0)) > 0;) {
        WriteCircuit(kernel, out, ++number, circuit);
    }
    kernel.DB_SetCurHier(savedCircuit);
    kernel.DB_SetCurPage(savedPage);

    const int32_t symbols = kernel.DB_SymbMap();
    out << "Project library:\n";
    out << "  Devices: " << kernel.OM_GetCount(kernel.DB_DeviceMap()) << "\n";
    out << "  Schematic symbols: " << CountWalk(kernel, symbols, MaskSchematicSymbol, 3) << "\n";
    out << "  Packages: " << CountWalk(kernel, symbols, MaskPackage, MaskPackage) << "\n";
    out << "  Padstacks: " << CountPadstackSymbols(kernel) << "\n";
    WriteImportNotes(kernel, out);
    return BatchOk;
}

} // namespace vxw
