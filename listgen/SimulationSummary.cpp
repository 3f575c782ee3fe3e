#include "listgen/SimulationSummary.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "suite/TextRules.h"
#include "suite/TokenList.h"

#include <QSet>

namespace vxw {
namespace {

constexpr int16_t kFieldMixedTotal = 6;
constexpr int16_t kFieldMixedUnsimulatable = 50;
constexpr int16_t kFieldMixedNames = 51;
constexpr int16_t kFieldSpiceTotal = 54;
constexpr int16_t kFieldSpiceUnsimulatable = 55;
constexpr int16_t kFieldSpiceNames = 56;

constexpr int kTokenMixedFunction = 3;
constexpr int kTokenElementCode = 4;

bool IsBlankOr(const QString& token, QLatin1String none) {
    const QStringView value = TrimBlanks(QStringView(token));
    return value.isEmpty() || value.compare(none, Qt::CaseInsensitive) == 0;
}

// One simulator's tally while the symbols are walked.
struct SimulatorTally {
    int unsimulatable = 0;
    QString names;

    void Add(const QString& name, bool listNames) {
        ++unsimulatable;
        if (listNames) {
            names += QLatin1Char('*') + name + QLatin1String(kCrLf);
        }
    }
};

QString SummaryText(const ReportContext& context, QLatin1String title, int symbols,
                    const SimulatorTally& tally, int16_t totalField, QLatin1String totalLabel,
                    int16_t countField, int16_t namesField) {
    const QString crLf = QLatin1String(kCrLf);
    QString text;
    text.reserve(title.size() + 64 + tally.names.size());
    text += title;
    if (context.Shown(totalField)) {
        text += totalLabel + QString::number(symbols);
    }
    if (context.Shown(countField)) {
        text += QLatin1String("    [Unsimulatable(*) ") + QString::number(tally.unsimulatable) +
                QLatin1Char(']') + crLf + crLf;
    }
    if (context.Shown(namesField)) {
        text += tally.names;
    }
    text += crLf + crLf;
    return text;
}

} // namespace

SimulationSummaryTexts SimulationSummary(const ReportContext& context) {
    Kernel& kernel = context.kernel;
    const CurrentCircuitGuard guard(kernel);

    const bool listMixed = context.Shown(kFieldMixedNames);
    const bool listSpice = context.Shown(kFieldSpiceNames);
    SimulatorTally mixed;
    SimulatorTally spice;
    QSet<QString> seen;
    int symbols = 0;

    const int32_t map = kernel.DB_SymbMap();
    if (map > 0) {
        int32_t cursor = kernel.OM_GetFirst(map);
        // Bounded by the map's size, so a cursor that never ends cannot hang us.
        const int32_t count = kernel.OM_GetCount(map);
        for (int32_t visited = 0; visited < count; ++visited) {
            const int32_t symbol = kernel.OM_SearchMask(map, &cursor, MaskSchematicSymbol, 3);
            if (symbol <= 0) {
                break;
            }
            SymbolRecord record;
            if (kernel.S_ReadSymbol(symbol, &record) <= 0) {
                continue;
            }
            const QString name = FromAnsi(record.name);
            if (seen.contains(name)) {
                continue;
            }
            seen.insert(name);
            ++symbols;
            const TokenList tokens(FromAnsi(record.attributes), kAttributeSeparator);
            if (IsBlankOr(tokens.Token(kTokenMixedFunction), QLatin1String("None"))) {
                mixed.Add(name, listMixed);
            }
            if (IsBlankOr(tokens.Token(kTokenElementCode), QLatin1String("SPL0"))) {
                spice.Add(name, listSpice);
            }
        }
    }

    SimulationSummaryTexts texts;
    texts.mixedMode =
        SummaryText(context, QLatin1String("Mixed Mode Simulation    "), symbols, mixed, kFieldMixedTotal,
                    QLatin1String(" Total Symbols: "), kFieldMixedUnsimulatable, kFieldMixedNames);
    texts.circuitSimulator =
        SummaryText(context, QLatin1String("VxSpice Simulation    "), symbols, spice, kFieldSpiceTotal,
                    QLatin1String("Total Symbols: "), kFieldSpiceUnsimulatable, kFieldSpiceNames);

    return texts;
}

} // namespace vxw
