#pragma once
// Synthetic library folders: part, symbol, package and padstack files whose parts refer to
// symbols and packages spread over all the other files, with names found in several files,
// names found nowhere, "none" packages and package-only parts, so that the cross-reference
// and usage reports have work of every kind. The same sizes and seed give the same bytes.

#include "kernel/LibraryFile.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace vxw::gen {

struct ParsedCommand;

struct LibrarySizes {
    uint64_t seed = 1;
    int64_t partFiles = 3;
    int64_t partsPerFile = 10;
    int64_t symbolFiles = 3;
    int64_t symbolsPerFile = 10;
    int64_t packageFiles = 3;
    int64_t packagesPerFile = 10;
    int64_t padstackFiles = 2;
    int64_t padstacksPerFile = 5;
    int64_t bigPartFile = 0;    // parts of big.PART
    int64_t bigSymbolFile = 0;  // symbols of big.SYMBOL
    int64_t bigPackageFile = 0; // packages of big.PACKAGE

    static LibrarySizes FromCommand(const ParsedCommand& command);
};

struct GeneratedLibrary {
    std::string fileName; // without folder
    LibraryContents contents;
};

// Empty when the sizes can be generated; otherwise why not (a usage error).
std::string CheckLibrarySizes(const LibrarySizes& sizes);

// Every library file, in a fixed order: symbols, packages, padstacks, then parts.
std::vector<GeneratedLibrary> GenerateLibraries(const LibrarySizes& sizes);

// Writes the files into the folder (made when missing). Answers an empty text on success,
// otherwise the cause.
QString WriteLibraries(const std::vector<GeneratedLibrary>& libraries, const QString& folder);

} // namespace vxw::gen
