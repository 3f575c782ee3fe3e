#include "kernel/DesignOpen.h"

#include "kernel/kicad/KicadImport.h"

namespace vxw {

DesignFileResult LoadDesign(const QString& path) {
    return kicad::IsKicadPath(path) ? kicad::ImportKicad(path) : LoadDesignFile(path);
}

} // namespace vxw
