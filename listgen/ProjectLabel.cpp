#include "listgen/ProjectLabel.h"

#include "kernel/Kernel.h"

#include <algorithm>

namespace vxw {
namespace {

constexpr int kDesignerOffset = 12;
constexpr int kDesignerSize = 25;
constexpr int kRevisionOffset = 37;
constexpr int kRevisionSize = 100;
constexpr int kTextStart = 4;
constexpr int kTextEnd = 162; // the last two bytes are reserved

// The text of a field up to its first blank. A NUL ends it too: a label written by another
// tool may pad with NULs, and those must not reach the list.
QString FieldWord(const QByteArray& record, int offset, int size) {
    int end = offset;
    while (end < offset + size && record[end] != ' ' && record[end] != '\0') {
        ++end;
    }
    return QString::fromLatin1(record.constData() + offset, end - offset);
}

} // namespace

ProjectLabel::ProjectLabel() : record_(kProjectLabelSize, '\0') {
    std::fill(record_.begin() + kTextStart, record_.begin() + kTextEnd, ' ');
}

void ProjectLabel::Overlay(const QByteArray& bytes) {
    const qsizetype count = std::min<qsizetype>(bytes.size(), kProjectLabelSize);
    std::copy(bytes.begin(), bytes.begin() + count, record_.begin());
}

QString ProjectLabel::Designer() const {
    return FieldWord(record_, kDesignerOffset, kDesignerSize);
}

QString ProjectLabel::Revision() const {
    return FieldWord(record_, kRevisionOffset, kRevisionSize);
}

ProjectLabel ReadProjectLabel(Kernel& kernel) {
    ProjectLabel label;
    const int32_t files = kernel.DB_FileMap();
    const int32_t stream = files > 0 ? kernel.OM_FindName(files, kProjectLabelStream) : 0;
    if (stream > 0) {
        QByteArray bytes(kProjectLabelSize, '\0');
        kernel.F_Seek(stream, 0, 0);
        const int32_t read = kernel.F_Read(stream, bytes.data(), kProjectLabelSize);
        // A short stream leaves the rest of the record blank.
        bytes.truncate(std::clamp(read, 0, kProjectLabelSize));
        label.Overlay(bytes);
        return label;
    }
    const int32_t created = kernel.F_CreateFile(kProjectLabelStream);
    if (created > 0) {
        kernel.F_Write(created, label.Record().constData(), kProjectLabelSize);
    }
    return label;
}

} // namespace vxw
