// The suite settings file is edited by hand and rewritten by the component. Any bytes read as a
// settings file; a value stored under a key is then found again as it was stored (on one line),
// and every other key keeps its value.

#include "suite/IniFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const char* const kSections[] = {"LIST GENERATOR", "Vexil2K", "list generator", "VEXIL2K"};
const char* const kKeys[] = {"PROPERTY", "JobDir", "UnitScale", "jobdir"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte picks what is stored; the rest is the file.
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    vxw::IniFile file = vxw::IniFile::FromText(bytes);
    const QString section = QString::fromLatin1(kSections[data[0] & 3]);
    const QString key = QString::fromLatin1(kKeys[(data[0] >> 2) & 3]);
    const QString other = QString::fromLatin1(kKeys[((data[0] >> 2) + 1) & 3]);
    // The value: a piece of the file's own text, blanks, quotes and line ends included.
    const QString value = QString::fromLatin1(bytes.left(data[0] >> 4));
    const std::optional<QString> before = file.Find(section, other);

    file.SetValue(section, key, value);
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (file.Find(section, key) != oneLine) {
        std::abort();
    }
    if (other.compare(key, Qt::CaseInsensitive) != 0 && file.Find(section, other) != before) {
        std::abort();
    }
    // What is written reads back to the same values.
    const vxw::IniFile again = vxw::IniFile::FromText(file.ToText());
    if (again.Find(section, key) != oneLine) {
        std::abort();
    }
    return 0;
}
