#include "listgen/ListGenerator.h"

#include "kernel/Kernel.h"
#include "kernel/KernelWalk.h"
#include "listgen/DesignReports.h"
#include "listgen/ExplorerLevels.h"
#include "listgen/LayoutReport.h"
#include "listgen/ListDocument.h"
#include "listgen/NetReport.h"
#include "listgen/ReportContext.h"
#include "shell/UserInterface.h"
#include "suite/SuiteServices.h"

#include <algorithm>

namespace vxw {

namespace {

// Panel 3 carries the progress of the running list.
constexpr int kProgressPanel = 3;

// Clears the progress panel however the report leaves.
class ProgressPanel {
public:
    ProgressPanel(UserInterface& ui, const QString& text) : ui_(ui) {
        if (!text.isEmpty()) {
            ui_.SetStatus(kProgressPanel, text);
            ui_.ProcessEvents();
        }
    }
    ~ProgressPanel() { ui_.SetStatus(kProgressPanel, QString()); }
    ProgressPanel(const ProgressPanel&) = delete;
    ProgressPanel& operator=(const ProgressPanel&) = delete;

private:
    UserInterface& ui_;
};

} // namespace

ListStatusText StatusTextOfKind(int kind, bool circuitSelectAll, bool pageSelectAll) {
    switch (kind) {
    case ListProject:
        return {"31100", "Generating project details..."};
    case ListCircuit:
        return circuitSelectAll ? ListStatusText{"31101", "Generating all circuit details..."}
                                : ListStatusText{"31102", "Generating circuit details..."};
    case ListDiagram:
        return {"31103", "Generating diagram details..."};
    case ListPage:
        return pageSelectAll ? ListStatusText{"31104", "Generating all page details..."}
                             : ListStatusText{"31105", "Generating page details..."};
    case ListLayout:
        return {"31106", "Generating layout details..."};
    case ListNets:
        return {"31107", "Generating net details..."};
    case ListHierarchy:
        return {"31108", "Generating hierarchy details..."};
    default:
        return {nullptr, nullptr};
    }
}

ListGenerator::ListGenerator(Kernel& kernel, const ExplorerLevels& levels, const SuiteServices& suite,
                             UserInterface& ui)
    : kernel_(kernel), levels_(levels), suite_(suite), ui_(ui) {}

QString ListGenerator::GenerateList(const QString& nodeKey, const QString& secondKey, int kind,
                                    const ListOptions& options) {
    const ListStatusText status = StatusTextOfKind(kind, options.CircuitSelectAll, options.PageSelectAll);
    // The list is built in place behind its heading: a large design's list runs to tens of
    // megabytes, and every copy of it costs as much as writing it.
    QString text = AddListHeading(options.Title, QString());
    const qsizetype headingEnd = text.size();
    text.reserve(headingEnd + EstimatedBodyLength(kind, options));
    text += NetFormatHeader(options.Format, options.SelectedKind);
    const qsizetype bodyStart = text.size();
    {
        const ProgressPanel panel(
            ui_, status.Id ? suite_.GetMessageText(QLatin1String(status.Default), QLatin1String(status.Id))
                           : QString());
        AppendBody(text, nodeKey, secondKey, kind, options);
    }
    if (kind == ListHierarchy) {
        return QString();
    }
    if (text.size() == bodyStart) {
        text.truncate(headingEnd); // the legend only heads a list that has a body
    }
    text.squeeze();
    return text;
}

qsizetype ListGenerator::EstimatedBodyLength(int kind, const ListOptions& options) {
    if (kind < ListProject || kind > ListNets || (kind == ListPage && !options.PageSelectAll)) {
        return 0;
    }
    // A generous guess from the sizes of the circuits involved; pages reserved and never
    // written are never touched, and the text is squeezed to its length at the end.
    constexpr qsizetype kPerSchematicComponent = 80;
    constexpr qsizetype kPerLayoutComponent = 64;
    constexpr qsizetype kPerNet = 320;
    const CurrentCircuitGuard guard(kernel_);
    qsizetype length = 0;
    WalkMap(kernel_, kernel_.DB_HierarchyMap(), [&](int32_t circuit) {
        kernel_.DB_SetCurHier(circuit);
        length += kPerSchematicComponent * kernel_.OM_GetCount(kernel_.DB_SchCompMap()) +
                  kPerLayoutComponent * kernel_.OM_GetCount(kernel_.DB_LayCompMap()) +
                  kPerNet * kernel_.OM_GetCount(kernel_.DB_NetMap());
    });
    // Beyond this the text simply grows as it goes.
    constexpr qsizetype kMostReserved = qsizetype(256) * 1024 * 1024;
    return std::min(length, kMostReserved);
}

void ListGenerator::AppendBody(QString& out, const QString& nodeKey, const QString& secondKey, int kind,
                               const ListOptions& options) {
    const ReportContext context{kernel_, fields_, ui_};
    if (kind == ListProject) {
        fields_.Prepare(levels_.ProjectLevel.Profiles);
        AppendProjectReport(out, context, label_);
        return;
    }
    if (kind >= ListPartFiles && kind <= ListPadstackFiles) {
        if (views_.ShowLibraryFiles) {
            views_.ShowLibraryFiles(kind - ListPartFiles + 1);
        }
        return;
    }
    if (kind == ListCircuit && options.CircuitSelectAll) {
        AppendAllCircuitsReport(out, context, fields_, levels_);
        return;
    }
    if (kind < ListCircuit || kind > ListHierarchy) {
        return;
    }

    const int circuitIndex = FindCircuit(levels_, nodeKey);
    if (circuitIndex < 0) {
        return;
    }
    const CircuitEntry& circuit = levels_.Circuits[static_cast<std::size_t>(circuitIndex)];
    const QString& circuitName = circuit.Circuit.Name;
    switch (kind) {
    case ListCircuit:
        fields_.Prepare(circuit.Circuit.Profiles);
        AppendCircuitReport(out, context, circuitName, circuitIndex + 1);
        break;
    case ListDiagram:
        fields_.Prepare(circuit.Diagram.Profiles);
        AppendDiagramReport(out, context, circuitName);
        break;
    case ListPage: {
        // The page lists leave the circuit (and the page reported last) current.
        int32_t selected = 0;
        SelectCircuit(context, circuitName, selected);
        if (options.PageSelectAll) {
            out += AllPagesReport(context, fields_, levels_, circuitIndex, selected);
            break;
        }
        const int pageIndex = FindPage(levels_, circuitIndex, secondKey);
        if (pageIndex >= 0) {
            const LevelRecord& page = circuit.Pages[static_cast<std::size_t>(pageIndex)];
            fields_.Prepare(page.Profiles);
            out += PageReport(context, selected, page.Name, pageIndex + 1);
        }
        break;
    }
    case ListLayout:
        fields_.Prepare(circuit.Layout.Profiles);
        AppendLayoutReport(out, context, circuitName,
                           [&context](QString& text, int mode) { AppendNetsSection(text, context, mode); });
        break;
    case ListNets:
        fields_.Prepare(circuit.Nets.Profiles);
        AppendNetReport(out, context, circuitName);
        break;
    case ListHierarchy:
        if (views_.ShowHierarchy) {
            views_.ShowHierarchy(circuitName);
        }
        break;
    default:
        break;
    }
}

} // namespace vxw
