// The profile parser on arbitrary bytes; the first line of the input doubles as the saved
// flags text, so the flag cursor is exercised as well.
#include "listgen/FieldProfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype newline = bytes.indexOf('\n');
    const QString flags = QString::fromLatin1(newline < 0 ? QByteArray() : bytes.left(newline));
    const vxw::FieldProfileParse parse = vxw::ParseFieldProfile(bytes, flags);
    for (const vxw::FieldProfileSection& section : parse.profile.sections) {
        vxw::FieldGroups groups = section.groups;
        vxw::ApplyFieldFlags(groups, section.counts, {0, 1, 2, 70000});
        (void)vxw::IsFieldShown(vxw::PrepareFieldTable(groups), 1);
        (void)vxw::FieldFlagsString({&groups});
    }
    return 0;
}
