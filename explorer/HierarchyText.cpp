#include "explorer/HierarchyText.h"

#include "explorer/ExplorerModel.h"
#include "explorer/NodeActions.h"
#include "kernel/BoundedFileRead.h"
#include "kernel/KernelText.h"
#include "listgen/NetReport.h"
#include "listgen/ReportContext.h"
#include "suite/TextRules.h"

#include <QSaveFile>

#include <algorithm>

namespace vxw {

namespace {

bool IsRoot(const HierarchyNode& node) {
    return node.Parent == 0 || node.Picture == QLatin1String(kPictureCurrentRoot) ||
           node.Picture == QLatin1String(kPictureOtherRoot);
}

// Writes the bytes as the whole file and reads them back; true when the file holds exactly them.
bool WriteAndReadBack(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) {
        return false;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        return false;
    }
    // A file that grew meanwhile is refused by the cap of what was written.
    QByteArray back;
    return ReadFileBounded(path, bytes.size(), back).Ok() && back == bytes;
}

QString HexColour(const HierarchyRgb& rgb) {
    const auto part = [](int value) {
        return QStringLiteral("%1").arg(std::clamp(value, 0, 255), 2, 16, QLatin1Char('0')).toUpper();
    };
    return QLatin1Char('#') + part(rgb.Red) + part(rgb.Green) + part(rgb.Blue);
}

} // namespace

QString HierarchyText(const HierarchyView& view, const QString& projectName, const QString& date,
                      const QString& circuitText, bool formatOn, const QString& listFilePath) {
    const QLatin1String crLf(kCrLf);
    QString text;
    text += ProjectHeader(projectName, date);
    text += UpperCase(QLatin1String("Output of hierarchy in ") + circuitText + QLatin1Char(':'));
    text += crLf;
    text += crLf;
    if (formatOn) {
        // The legend as such: whether it applies to this list is the caller's decision.
        text += NetFormatHeader(true, kKindNets);
    }

    // Parents come before their children, so one pass in index order knows every node's
    // visibility from its parent's.
    const int count = view.NodeCount();
    std::vector<char> visible(static_cast<std::size_t>(count) + 1, 0);
    for (int index = 1; index <= count; ++index) {
        const HierarchyNode& node = *view.Node(index);
        const bool shown = node.Parent == 0 || (visible[static_cast<std::size_t>(node.Parent)] &&
                                                view.Node(node.Parent)->Expanded);
        visible[static_cast<std::size_t>(index)] = shown ? 1 : 0;
        if (!shown) {
            continue;
        }
        if (!IsRoot(node)) {
            const int parts = std::min(view.PathPartCount(index), kHierarchyIndentLimit);
            const int blanks = 4 * (parts - 1);
            if (view.HasChildren(index)) {
                text += QString(blanks - 3, QLatin1Char(' '));
                text += node.Expanded ? QLatin1String("[-]") : QLatin1String("[+]");
            } else {
                text += QString(blanks, QLatin1Char(' '));
            }
        }
        text += node.Text;
        text += crLf;
    }

    // The list file is 8-bit; the result is the same whether or not the file could be used.
    const QByteArray bytes = ToAnsi(text);
    WriteAndReadBack(listFilePath, bytes);
    QString result = QString::fromLatin1(bytes);
    if (count <= 1) {
        result += crLf;
        result += crLf;
        result += QLatin1String("\t\t!!Empty!!");
    }
    return result;
}

QString HierarchyOutline(const HierarchyView& view) {
    const int count = view.NodeCount();
    std::vector<std::vector<int>> children(static_cast<std::size_t>(count) + 1);
    for (int index = 1; index <= count; ++index) {
        children[static_cast<std::size_t>(view.Node(index)->Parent)].push_back(index);
    }

    const QLatin1String crLf(kCrLf);
    QString text;
    std::vector<int> pending(children[0].rbegin(), children[0].rend());
    while (!pending.empty()) {
        const int index = pending.back();
        pending.pop_back();
        const HierarchyNode& node = *view.Node(index);
        const int level = std::min(view.PathPartCount(index), kHierarchyIndentLimit) - 1;
        text += QString(2 * level, QLatin1Char(' '));
        text += HierarchyTypeWord(node.Type);
        text += QLatin1Char(' ');
        text += ControlsAsBlanks(node.Text);
        text += QLatin1String(" [");
        text += node.Picture;
        if (node.Colour) {
            text += QLatin1Char(' ');
            text += HexColour(*node.Colour);
        }
        text += QLatin1Char(']');
        text += crLf;
        const std::vector<int>& below = children[static_cast<std::size_t>(index)];
        pending.insert(pending.end(), below.rbegin(), below.rend());
    }
    return text;
}

} // namespace vxw
