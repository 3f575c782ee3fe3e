#include "listgen/PartsUsedReport.h"

#include "kernel/KernelText.h"
#include "listgen/ComponentLookup.h"

#include <QHash>

#include <vector>

namespace vxw {
namespace {

// Device kinds of the device record.
constexpr int32_t kSymbolOnlyDevice = 0;
constexpr int32_t kPartDevice = 1;
constexpr int32_t kPackageOnlyDevice = 2;

// Part names in order of first use with their use counts. Names are compared exactly, so two
// names that differ only in case are two entries.
class PartTally {
public:
    void Add(const QString& name) {
        const auto found = index_.constFind(name);
        if (found != index_.constEnd()) {
            ++entries_[static_cast<std::size_t>(*found)].count;
            return;
        }
        index_.insert(name, static_cast<int>(entries_.size()));
        entries_.push_back({name, 1});
    }

    bool IsEmpty() const { return entries_.empty(); }

    // One line per entry, numbered from 1: CRLF, number, ". ", name and " (n nos.)" when used
    // more than once.
    void AppendLines(QString& out) const {
        int number = 0;
        for (const Entry& entry : entries_) {
            out += QLatin1String(kCrLf) + QString::number(++number) + QStringLiteral(". ") + entry.name;
            if (entry.count > 1) {
                out += QStringLiteral(" (") + QString::number(entry.count) + QStringLiteral(" nos.)");
            }
        }
    }

private:
    struct Entry {
        QString name;
        qint64 count = 0;
    };
    std::vector<Entry> entries_;
    QHash<QString, int> index_;
};

void AppendGroup(QString& out, const char* title, const PartTally& tally) {
    out += QLatin1String(kCrLf) + QLatin1String(title) + QLatin1String(kCrLf) + QLatin1String(kCrLf);
    tally.AppendLines(out);
    out += QLatin1String(kCrLf) + QLatin1String(kCrLf);
}

} // namespace

QString PartsUsedReport(const ReportContext& context) {
    Kernel& kernel = context.kernel;
    PartTally parts;
    PartTally packageOnly;
    PartTally symbolOnly;

    WalkMap(kernel, kernel.DB_LayCompMap(), [&](int32_t id) {
        LayCompRecord component;
        if (kernel.L_ReadComponent(id, &component) <= 0 || component.device == 0) {
            return;
        }
        const int32_t device = kernel.D_Device(component.device);
        DeviceRecord record;
        if (device <= 0 || kernel.D_ReadDevice(device, &record) <= 0) {
            return;
        }
        const QString partName = ObjectName(kernel, device);
        switch (record.kind) {
        case kSymbolOnlyDevice:
            symbolOnly.Add(partName);
            break;
        case kPartDevice:
            parts.Add(partName);
            break;
        case kPackageOnlyDevice:
            packageOnly.Add(partName);
            break;
        default:
            break;
        }
    });

    // Schematic components whose device has status 0 are symbol-only uses.
    WalkMap(kernel, kernel.DB_SchCompMap(), [&](int32_t id) {
        SchCompRecord component;
        if (kernel.C_ReadComponent(id, &component) <= 0 || component.device == 0) {
            return;
        }
        // A device value that names no device is not a use of anything.
        const int32_t device = kernel.D_Device(component.device);
        if (device > 0 && kernel.O_GetStatus(device) == 0) {
            symbolOnly.Add(ObjectName(kernel, device));
        }
    });

    QString out;
    out.reserve(256);
    if (parts.IsEmpty()) {
        out += QLatin1String(kCrLf) + QStringLiteral("!!LIST OF PARTS USED: None!!") + QLatin1String(kCrLf) +
               QLatin1String(kCrLf);
    } else {
        AppendGroup(out, "**LIST OF PARTS USED**", parts);
    }
    if (!packageOnly.IsEmpty()) {
        AppendGroup(out, "**LIST OF PACKAGE ONLY PARTS USED**", packageOnly);
    }
    if (!symbolOnly.IsEmpty()) {
        AppendGroup(out, "**LIST OF SYMBOL ONLY PARTS USED**", symbolOnly);
    }
    return out;
}

} // namespace vxw
