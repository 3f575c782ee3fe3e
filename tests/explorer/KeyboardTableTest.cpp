#include "explorer/KeyboardTable.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

TEST(KeyboardTable, EachKeyRunsItsCommandOnlyWhereTheTableSaysSo) {
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        KeyContext context;
        const char* command;
    };
    const Case cases[] = {
        {Qt::Key_Escape, none, {true, "C", 0}, "cancel"},
        {Qt::Key_Escape, none, {false, "C", 0}, ""}, // Cancel not enabled: the key goes on
        {Qt::Key_O, ctrl, {}, "open"},
        {Qt::Key_S, ctrl, {}, "save"},
        {Qt::Key_W, ctrl | Qt::KeypadModifier, {}, "write"},
        {Qt::Key_W, ctrl | Qt::ShiftModifier, {}, ""},
        {Qt::Key_O, Qt::AltModifier, {}, ""},
        {Qt::Key_A, ctrl, {false, "T", 3}, "mnuLibraryItemSelectAll"},
        {Qt::Key_A, ctrl, {false, "V", 1}, "mnuLibraryItemSelectAll"},
        {Qt::Key_A, ctrl, {false, "S", 0}, ""}, // no rows
        {Qt::Key_A, ctrl, {false, "G", 5}, "mnuPageSelectAll"},
        {Qt::Key_A, ctrl, {false, "C", 5}, "mnuCircuitSelectAll"},
        {Qt::Key_A, ctrl, {false, "P", 5}, ""}, // a project node: nothing
        {Qt::Key_A, ctrl, {false, "", 5}, ""},
        {Qt::Key_I, ctrl, {false, "K", 2}, "mnuLibraryItemInvert"},
        {Qt::Key_I, ctrl, {false, "K", 0}, ""},
        {Qt::Key_I, ctrl, {false, "G", 2}, ""},
        {Qt::Key_F, ctrl, {false, "S", 0}, "mnuLibraryItemFind"},
        {Qt::Key_F, ctrl, {false, "L", 0}, ""},
        {Qt::Key_F1, ctrl, {}, ""}, // help waits for the key to come up
        {Qt::Key_X, ctrl, {false, "T", 3}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyboardCommand(c.key, c.modifiers, KeyPhase::Press, c.context), QLatin1String(c.command))
            << c.key << " " << c.context.nodeKind.toStdString();
    }
    EXPECT_EQ(KeyboardCommand(Qt::Key_F1, ctrl, KeyPhase::Release, {}), QStringLiteral("helptopics"));
    EXPECT_EQ(KeyboardCommand(Qt::Key_F1, ctrl | Qt::ShiftModifier, KeyPhase::Release, {}), QString());
    EXPECT_EQ(KeyboardCommand(Qt::Key_F1, none, KeyPhase::Release, {}), QString());
    EXPECT_EQ(KeyboardCommand(Qt::Key_O, ctrl, KeyPhase::Release, {}), QString());
}

} // namespace
} // namespace vxw
