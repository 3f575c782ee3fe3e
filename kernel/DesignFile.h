#pragma once
// Design files (".vxd"): the versioned JSON text form of a DesignData, described in
// docs/design-format.md. Loading checks the whole file (types, ranges and every reference
// between objects) and answers either the complete design or one message; nothing
// half-loaded is ever handed out.

#include "kernel/DesignData.h"
#include "kernel/JsonPullReader.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vxw {

constexpr const char* DesignFormatName = "vxw-design";
constexpr int DesignFormatVersion = 1;
constexpr qint64 MaxDesignFileSize = qint64(512) << 20;

struct DesignFileResult {
    std::optional<DesignData> design; // set only when the whole file was read and checked
    QString error;                    // "FILE: PLACE (line L, column C): cause" otherwise
    bool Ok() const { return design.has_value(); }
};

DesignFileResult LoadDesignFile(const QString& path);
// nameForMessages stands for the file at the start of an error message.
DesignFileResult LoadDesignBytes(const QByteArray& bytes, const QString& nameForMessages);
// The text as `source` hands it out, through a window of the given size (a file's loading;
// tests use a small window to see every way a token can meet the window's end).
DesignFileResult LoadDesignText(TextSource& source, const QString& nameForMessages, ReadWindow window = {});

// The text of the design file (UTF-8 JSON). Answers an empty array and sets *error when the
// data cannot be written (an angle that is not a finite number).
QByteArray DesignToJson(const DesignData& design, QString* error = nullptr);
// Writes the file atomically; answers an empty text on success, else the cause with the path.
QString SaveDesignFile(const DesignData& design, const QString& path);

} // namespace vxw
