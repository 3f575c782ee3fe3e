#pragma once
// A library lookup for the detail tests: symbol and package files given by name, part files
// given by their entries, and a count of the look-ups made.

#include "libreports/LibraryEntries.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

namespace vxw {

class FakeLookup : public LibraryLookup {
public:
    // Files of kind 1 (symbols) or 2 (packages) and the item names each holds, in list order.
    std::vector<std::pair<QString, QStringList>> symbolFiles;
    std::vector<std::pair<QString, QStringList>> packageFiles;
    QStringList partFiles;
    std::map<QString, std::vector<PartInfo>> partEntries;
    QStringList asked; // "kind:name" of every FilesHolding call

    QString FilesHolding(int kind, const QString& name) override {
        asked.append(QString::number(kind) + QLatin1Char(':') + name);
        QString text;
        for (const auto& [file, names] : kind == 1 ? symbolFiles : packageFiles) {
            if (names.contains(name)) {
                text += QLatin1Char('\t') + file + QStringLiteral("\r\n");
            }
        }
        return text;
    }
    QString PartFolder() const override { return QStringLiteral("/lib/"); }
    const QStringList& PartFiles() const override { return partFiles; }
    const std::vector<PartInfo>& PartEntries(const QString& fileName) override {
        return partEntries[fileName];
    }

    // A part file entry: the package, a blank, then the ten tokens separated by byte 128.
    void AddPart(const QString& file, const std::string& name, const std::string& package,
                 const std::string& symbols) {
        if (!partFiles.contains(file)) {
            partFiles.append(file);
        }
        std::string attributes = package + " desc";
        for (int n = 2; n <= 9; ++n) {
            attributes += '\x80';
        }
        attributes += '\x80' + symbols;
        partEntries[file].push_back(PartInfo{name, {}, attributes});
    }
};

// Attribute tokens joined by byte 128 as the kernel gives them (Latin-1).
inline QString Tokens(std::initializer_list<const char*> tokens) {
    QString text;
    bool first = true;
    for (const char* token : tokens) {
        if (!first) {
            text += kAttributeSeparator;
        }
        text += QString::fromLatin1(token);
        first = false;
    }
    return text;
}

} // namespace vxw
