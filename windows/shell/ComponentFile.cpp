#include "windows/shell/ComponentFile.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace vxw {

namespace {
// Any address inside this library names it.
const char kAnchor = 0;
} // namespace

QString ComponentFile() {
    Dl_info info{};
    if (dladdr(&kAnchor, &info) == 0 || info.dli_fname == nullptr) {
        return QString();
    }
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

QString ComponentFolder() {
    const QString file = ComponentFile();
    return file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
}

} // namespace vxw
