#include "explorer/KeyboardTable.h"

#include "explorer/NodeActions.h"

namespace vxw {

QString KeyboardCommand(int key, Qt::KeyboardModifiers modifiers, KeyPhase phase, const KeyContext& context) {
    // The keypad flag says where a key sits, not what is held with it.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    const bool ctrlAlone = held == Qt::ControlModifier;
    if (phase == KeyPhase::Release) {
        return key == Qt::Key_F1 && ctrlAlone ? QString::fromLatin1(kHelpKeyCommand) : QString();
    }
    if (key == Qt::Key_Escape) {
        return context.cancelEnabled ? QString::fromLatin1(kCancelKeyCommand) : QString();
    }
    if (!ctrlAlone) {
        return {};
    }
    const bool libraryKind = LibraryKindOfNode(context.nodeKind) > 0;
    const bool libraryRows = libraryKind && context.itemRows > 0;
    switch (key) {
    case Qt::Key_O:
        return QStringLiteral("open");
    case Qt::Key_S:
        return QStringLiteral("save");
    case Qt::Key_W:
        return QStringLiteral("write");
    case Qt::Key_A:
        if (libraryRows) {
            return QStringLiteral("mnuLibraryItemSelectAll");
        }
        if (context.nodeKind == kKindPage) {
            return QStringLiteral("mnuPageSelectAll");
        }
        if (context.nodeKind == kKindCircuit) {
            return QStringLiteral("mnuCircuitSelectAll");
        }
        return {};
    case Qt::Key_I:
        return libraryRows ? QStringLiteral("mnuLibraryItemInvert") : QString();
    case Qt::Key_F:
        return libraryKind ? QStringLiteral("mnuLibraryItemFind") : QString();
    default:
        return {};
    }
}

} // namespace vxw
