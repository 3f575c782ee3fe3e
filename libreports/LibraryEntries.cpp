#include "libreports/LibraryEntries.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "kernel/LibraryFile.h"
#include "suite/TextRules.h"

#include <QFile>

#include <algorithm>

namespace vxw {

int32_t LibraryEntryCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    if (!file.seek(LibraryCountOffset)) {
        return 0;
    }
    const QByteArray bytes = file.read(4);
    if (bytes.size() != 4) {
        return 0;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto count = static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                                            uint32_t(b[3]) << 24);
    if (count <= 0) {
        return 0;
    }
    // The header's count is a claim: no file holds more entries than its bytes allow.
    const qint64 room = std::max<qint64>(0, file.size() - LibraryHeaderSize) / LibraryMinEntrySize;
    return static_cast<int32_t>(std::min<qint64>(count, room));
}

std::vector<PartInfo> ReadPartEntries(Kernel& kernel, const QString& path) {
    const int32_t count = LibraryEntryCount(path);
    if (count <= 0) {
        return {};
    }
    std::vector<PartInfo> entries(static_cast<std::size_t>(count));
    const int32_t filled = kernel.E_GetPartInfo(ToAnsi(path).constData(), count, entries.data());
    entries.resize(static_cast<std::size_t>(std::clamp(filled, 0, count)));
    return entries;
}

std::vector<SymbolInfo> ReadSymbolEntries(Kernel& kernel, const QString& path) {
    const int32_t count = LibraryEntryCount(path);
    if (count <= 0) {
        return {};
    }
    std::vector<SymbolInfo> entries(static_cast<std::size_t>(count));
    const int32_t filled = kernel.E_GetSymbolInfo(ToAnsi(path).constData(), count, entries.data());
    entries.resize(static_cast<std::size_t>(std::clamp(filled, 0, count)));
    return entries;
}

PartAttributes SplitPartAttributes(const QString& attributes) {
    PartAttributes split;
    const qsizetype blank = attributes.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        split.package = TrimBlanks(attributes);
        split.tokens.SetText(attributes, kAttributeSeparator);
    } else {
        split.package = attributes.left(blank);
        split.tokens.SetText(attributes.mid(blank + 1), kAttributeSeparator);
    }
    return split;
}

} // namespace vxw
