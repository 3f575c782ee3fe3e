#include "cli/BatchCommand.h"

#include <algorithm>

namespace vxw {

const std::vector<BatchCommand>& BatchCommands() {
    static const std::vector<BatchCommand> commands = {
        {"info", "info                      what the design holds: circuits, pages, counts, project library",
         true, RunInfoCommand},
        {"tree", "tree                      the explorer's nodes: index, key, kind letter, text", true,
         RunTreeCommand},
        {"list",
         "list NODEKEY [--select-all] [--format] [--unit inch|mm]\n"
         "                            the list of an explorer node, as the preview shows it",
         true, RunListCommand},
        {"hierarchy",
         "hierarchy CIRCUIT         the hierarchy view of a circuit: type, text, picture and colour of each "
         "node",
         true, RunHierarchyCommand},
        {"library",
         "library KIND FILE|--project [PATTERN] [--unit inch|mm]\n"
         "                            the details report of a library file's matching items, as the preview "
         "shows it",
         true, RunLibraryCommand},
        {"search",
         "search KIND PATTERN [--scope all|checked|unchecked] [--checked NAME,...]\n"
         "                            the library search report",
         true, RunSearchCommand},
        {"files", "files KIND                the library file list of a kind, one entry a line", true,
         RunFilesCommand},
        {"properties",
         "properties NODEKEY [--select-all] [--set ID=0|1[,...]]\n"
         "                            the property grid of a node; --set ticks or clears fields and saves "
         "them",
         true, RunPropertiesCommand},
        {"book",
         "book                      List Book operations read from standard input, one a line:\n"
         "                            file NODEKEY [--select-all] NAME, merge ROWS NAME, delete ROWS,\n"
         "                            search PATTERN, save ROW PATH, view ROW, text ROW, print",
         true, RunBookCommand},
    };
    return commands;
}

void WriteText(QTextStream& out, const QString& text) {
    constexpr qsizetype Piece = qsizetype{1} << 16;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype length = std::min(Piece, text.size() - at);
        // A surrogate pair stays in one piece so that it converts as one character.
        if (at + length < text.size() && text[at + length - 1].isHighSurrogate()) {
            ++length;
        }
        out << QStringView(text).mid(at, length);
        out.flush();
        at += length;
    }
}

} // namespace vxw
