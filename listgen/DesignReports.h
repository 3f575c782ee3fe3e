#pragma once
// The reports on the design itself: the project (label and every circuit), one or all
// circuits, a schematic diagram, and one or all pages of a circuit. Each returns plain text;
// the caller adds the heading. A report that changes the kernel's current circuit or page puts
// them back, except where noted.

#include "listgen/ProjectLabel.h"
#include "listgen/ReportContext.h"
#include "listgen/SchematicComponents.h"

#include <QString>

#include <cstdint>

namespace vxw {

struct ExplorerLevels;
class FieldTable;

// The reports that can grow to megabytes come in two forms: one that writes onto the end of a
// text (Append...), so a list is built in place, and one that returns the text alone.

// Project name, designer and revision, every circuit, then the project's symbol summary.
// `label` receives the label record read (or created) for the report.
void AppendProjectReport(QString& out, const ReportContext& context, ProjectLabel& label);
QString ProjectReport(const ReportContext& context, ProjectLabel& label);

// Every circuit of the design with its pages, layout, parts and nets, preceded by the total.
void AppendCircuitsSummary(QString& out, const ReportContext& context);
QString CircuitsSummary(const ReportContext& context);

// Every page of the current circuit with its components, preceded by the total. Leaves the
// last page current: the caller restores it.
void AppendPagesSummary(QString& out, const ReportContext& context);
QString PagesSummary(const ReportContext& context);

// Makes the circuit of that name current and keeps its id in `selectedCircuit` for the page
// reports; answers whether the circuit could be made current.
bool SelectCircuit(const ReportContext& context, const QString& circuitName, int32_t& selectedCircuit);

void AppendCircuitReport(QString& out, const ReportContext& context, const QString& circuitName,
                         int circuitNumber);
QString CircuitReport(const ReportContext& context, const QString& circuitName, int circuitNumber);

// CircuitReport for each circuit of the explorer's list, each with the field table prepared
// from that circuit's copy (the report runs with `fields`, not context.fields).
void AppendAllCircuitsReport(QString& out, const ReportContext& context, FieldTable& fields,
                             const ExplorerLevels& levels);
QString AllCircuitsReport(const ReportContext& context, FieldTable& fields, const ExplorerLevels& levels);

void AppendDiagramReport(QString& out, const ReportContext& context, const QString& circuitName);
QString DiagramReport(const ReportContext& context, const QString& circuitName);

// The page of that name of the selected circuit; leaves both current.
QString PageReport(const ReportContext& context, int32_t selectedCircuit, const QString& pageName,
                   int pageNumber);

// PageReport for each page of circuit `circuitIndex` of the explorer's list, each with the field
// table prepared from that page's copy. Leaves the last page current.
QString AllPagesReport(const ReportContext& context, FieldTable& fields, const ExplorerLevels& levels,
                       int circuitIndex, int32_t selectedCircuit);

} // namespace vxw
