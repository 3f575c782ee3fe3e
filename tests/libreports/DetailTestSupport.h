#pragma once
// A library lookup for the detail tests: symbol and package files given by name, part files
// given by their entries, and a count of the look-ups made; attribute texts joined as stored.

#include "libreports/LibraryEntries.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace vxw {

// Attribute tokens joined by byte 128 as the kernel gives them (Latin-1).
inline std::string Joined(std::initializer_list<std::string> tokens) {
    std::string text;
    for (const std::string& token : tokens) {
        text += (&token == tokens.begin() ? "" : "\x80") + token;
    }
    return text;
}

inline QString Tokens(std::initializer_list<std::string> tokens) {
    return QString::fromLatin1(QByteArray::fromStdString(Joined(tokens)));
}

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
        partEntries[file].push_back(
            PartInfo{name, {}, package + ' ' + Joined({"desc", "", "", "", "", "", "", "", "", symbols})});
    }
};

} // namespace vxw
