// KiCad projects, boards and schematics as design data. Reading (files, formats, the sheet
// hierarchy) is here; what each KiCad object becomes is in KicadDesign.cpp.

#include "kernel/kicad/KicadImport.h"

#include "kernel/BoundedFileRead.h"
#include "kernel/kicad/KicadDesign.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <string_view>
#include <unordered_map>

namespace vxw::kicad {
namespace {

struct ImportFailure {
    QString message;
};

[[noreturn]] void Refuse(const QString& message) {
    throw ImportFailure{message};
}

QString Where(int line, int column) {
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

size_t ByteOrderMark(std::string_view text) {
    return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

std::string_view Start(std::string_view text) {
    text.remove_prefix(ByteOrderMark(text));
    while (!text.empty() &&
           (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' || text.front() == '\n')) {
        text.remove_prefix(1);
    }
    return text;
}

// The first line, up to 60 characters, for a message.
std::string FirstLine(std::string_view text) {
    const size_t end = std::min(text.find_first_of("\r\n"), std::min<size_t>(text.size(), 60));
    std::string line(text.substr(0, end));
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
            c = '?';
        }
    }
    return line;
}

// What a file that this program does not read is, when its first line tells: the cause of
// the refusal. Nothing for anything else.
std::optional<QString> ForeignFormat(std::string_view text, const QString& suffix) {
    const std::string_view start = Start(text);
    auto starts = [&](std::string_view word) { return start.substr(0, word.size()) == word; };
    const QString first = QString::fromLatin1(FirstLine(start));
    if (starts("EESchema Schematic File Version")) {
        return QStringLiteral("a KiCad 5 (legacy) schematic (\"%1\"); this program reads KiCad 6 schematics "
                              "(.kicad_sch): open the project in KiCad 6, which converts it, and save it")
            .arg(first);
    }
    if (starts("PCBNEW-BOARD Version") || starts("PCBNEW-LibModule")) {
        return QStringLiteral("a legacy KiCad board (\"%1\", KiCad 4 or earlier); this program reads KiCad 6 "
                              "boards (.kicad_pcb): open it in KiCad 6 and save it")
            .arg(first);
    }
    if (starts("EESchema-LIBRARY") || starts("(kicad_symbol_lib")) {
        return QStringLiteral("a KiCad symbol library (\"%1\"), not a design").arg(first);
    }
    if (starts("(footprint") || starts("(module")) {
        return QStringLiteral("a KiCad footprint (\"%1\"), not a board").arg(first);
    }
    if (suffix == QLatin1String("pro") || suffix == QLatin1String("kicad_pro")) {
        if (starts("update=") || starts("version=") || starts("last_client=") || starts("[")) {
            return QStringLiteral(
                       "a KiCad 5 (legacy) project file (\"%1\"); this program reads KiCad 6 projects "
                       "(.kicad_pro): open the project in KiCad 6 and save it")
                .arg(first);
        }
    }
    return std::nullopt;
}

std::string ReadBytes(const QString& path) {
    std::string bytes;
    const FileReadResult read = ReadFileBounded(path, MaxKicadFileSize, bytes);
    if (!read.Ok()) {
        Refuse(path + QStringLiteral(": ") + read.error);
    }
    return bytes;
}

// Runs `read` over the s-expression text; a fault becomes "NAME: PLACE (line L, column C): cause".
template <typename Read> auto Parse(const QString& name, const std::string& bytes, Read read) {
    if (const auto foreign = ForeignFormat(bytes, QFileInfo(name).suffix().toLower())) {
        Refuse(name + QStringLiteral(": ") + Where(1, 1) + QStringLiteral(": ") + *foreign);
    }
    const size_t base = ByteOrderMark(bytes);
    SExprReader reader(bytes.data() + base, bytes.size() - base);
    try {
        return read(reader);
    } catch (const SExprError& error) {
        int line = 0, column = 0;
        reader.LineColumn(error.offset, line, column);
        const QString place = QString::fromUtf8(reader.Place());
        Refuse(name + QStringLiteral(": ") +
               (place.isEmpty() ? Where(line, column)
                                : place + QStringLiteral(" (") + Where(line, column) + ')') +
               QStringLiteral(": ") + QString::fromUtf8(error.cause));
    }
}

// A project file is JSON; only its form is checked (KiCad keeps settings there, nothing the
// design data holds).
class JsonCheck {
public:
    explicit JsonCheck(std::string_view text) : text_(text) {}

    // The offset and cause of the first fault, nothing for a well-formed object.
    std::optional<std::pair<size_t, std::string>> Fault() {
        try {
            pos_ = ByteOrderMark(text_);
            Space();
            if (!Is('{')) {
                Fail("a project file is a JSON object and begins with \"{\"");
            }
            Value(0);
            Space();
            if (pos_ < text_.size()) {
                Fail("more text follows the project's settings");
            }
        } catch (const std::pair<size_t, std::string>& fault) {
            return fault;
        }
        return std::nullopt;
    }

private:
    [[noreturn]] void Fail(const char* cause) const { throw std::make_pair(pos_, std::string(cause)); }
    bool Is(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    void Space() {
        while (pos_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
    }
    void Value(int depth) {
        Space();
        if (pos_ >= text_.size()) {
            Fail("the file ends too soon (is it cut short?)");
        }
        const char c = text_[pos_];
        if (c == '{' || c == '[') {
            Container(c == '{' ? '}' : ']', c == '{', depth);
        } else if (c == '"') {
            String();
        } else {
            const size_t start = pos_;
            while (pos_ < text_.size() &&
                   std::string_view("+-.0123456789eEtruefalsn").find(text_[pos_]) != std::string_view::npos) {
                ++pos_;
            }
            const std::string_view word = text_.substr(start, pos_ - start);
            if (word.empty() || ((word[0] < '0' || word[0] > '9') && word[0] != '-' && word != "true" &&
                                 word != "false" && word != "null")) {
                pos_ = start;
                Fail("expected a value");
            }
        }
    }
    void Container(char close, bool keys, int depth) {
        if (depth >= 64) {
            Fail("settings nest more than 64 deep");
        }
        ++pos_;
        Space();
        if (Is(close)) {
            ++pos_;
            return;
        }
        while (true) {
            if (keys) {
                Space();
                if (!Is('"')) {
                    Fail(pos_ >= text_.size() ? "the file ends too soon (is it cut short?)"
                                              : "expected a key in quotes");
                }
                String();
                Space();
                if (!Is(':')) {
                    Fail("expected \":\" after a key");
                }
                ++pos_;
            }
            Value(depth + 1);
            Space();
            if (Is(',')) {
                ++pos_;
                continue;
            }
            if (Is(close)) {
                ++pos_;
                return;
            }
            Fail(pos_ >= text_.size() ? "the file ends too soon (is it cut short?)"
                                      : "expected \",\" or the end of the list");
        }
    }
    void String() {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            pos_ += text_[pos_] == '\\' ? 2 : 1;
        }
        if (pos_ >= text_.size()) {
            pos_ = text_.size();
            Fail("the file ends inside a text (is it cut short?)");
        }
        ++pos_;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

void CheckProjectFile(const QString& path) {
    const std::string bytes = ReadBytes(path);
    if (const auto foreign = ForeignFormat(bytes, QStringLiteral("kicad_pro"))) {
        Refuse(path + QStringLiteral(": ") + Where(1, 1) + QStringLiteral(": ") + *foreign);
    }
    if (const auto fault = JsonCheck(bytes).Fault()) {
        int line = 1, column = 1;
        for (size_t i = 0; i < fault->first && i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        Refuse(path + QStringLiteral(": ") + Where(line, column) + QStringLiteral(": ") +
               QString::fromStdString(fault->second));
    }
}

// A sheet used more than once may show a multi-unit part's other unit in each use: the root's
// list of instances says which. The sheet's symbols take the units of its first use.
void TakeUnitsOfFirstUse(Sheet& sheet, const std::string& instancePath,
                         const std::unordered_map<std::string, const SymbolInstance*>& instances) {
    for (PlacedSymbol& symbol : sheet.symbols) {
        const auto found = instances.find(instancePath + "/" + symbol.uuid);
        if (found != instances.end()) {
            symbol.unit = found->second->unit;
        }
    }
}

// Loads the sheet hierarchy from its root file, each sheet file once, depth first in the order
// the sheet symbols stand.
class HierarchyLoader {
public:
    explicit HierarchyLoader(std::vector<SheetFile>& files) : files_(files) {}

    void Load(const QString& rootPath) {
        rootFolder_ = QFileInfo(rootPath).absolutePath();
        LoadFile(rootPath, std::string(), 0);
    }

private:
    int LoadFile(const QString& path, const std::string& instancePath, int depth) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        for (size_t i = 0; i < files_.size(); ++i) {
            if (files_[i].canonical == canonical) {
                return static_cast<int>(i);
            }
        }
        const std::string bytes = ReadBytes(path);
        SheetFile file;
        file.path = path;
        file.canonical = canonical;
        file.instancePath = instancePath;
        file.sheet = Parse(path, bytes, [](SExprReader& reader) { return ReadSheet(reader); });
        if (files_.empty()) {
            for (const SymbolInstance& instance : file.sheet.instances) {
                instances_.emplace(instance.path, &instance);
            }
        }
        TakeUnitsOfFirstUse(file.sheet, instancePath, instances_);
        const int index = static_cast<int>(files_.size());
        files_.push_back(std::move(file));
        stack_.push_back(canonical);
        const QString folder = QFileInfo(path).absolutePath();
        // The sheet symbols are read by index: loading a child may move the vector.
        const size_t children = files_[static_cast<size_t>(index)].sheet.sheets.size();
        for (size_t c = 0; c < children; ++c) {
            const SheetSymbol child = files_[static_cast<size_t>(index)].sheet.sheets[c];
            const QString childPath = Resolve(folder, QString::fromUtf8(child.file));
            auto refuse = [&](const QString& cause) {
                int line = 0, column = 0;
                LineColumnOf(bytes, child.offset, line, column);
                Refuse(path + QStringLiteral(": kicad_sch.sheet (") + Where(line, column) +
                       QStringLiteral("): ") + cause);
            };
            if (child.file.empty()) {
                refuse(QStringLiteral("the sheet \"%1\" names no sheet file")
                           .arg(QString::fromUtf8(child.name)));
            }
            if (stack_.contains(QFileInfo(childPath).canonicalFilePath())) {
                refuse(QStringLiteral("the sheet file \"%1\" holds itself (through this sheet)")
                           .arg(QString::fromUtf8(child.file)));
            }
            if (depth + 1 >= MaxSheetDepth) {
                refuse(QStringLiteral("sheets nest more than %1 deep").arg(MaxSheetDepth));
            }
            if (!QFileInfo::exists(childPath)) {
                refuse(
                    QStringLiteral("the sheet file \"%1\" is not there").arg(QString::fromUtf8(child.file)));
            }
            if (files_.size() >= static_cast<size_t>(MaxSheetFiles) &&
                !Known(QFileInfo(childPath).canonicalFilePath())) {
                refuse(QStringLiteral("the project holds more than %1 sheet files").arg(MaxSheetFiles));
            }
            const int childIndex = LoadFile(childPath, instancePath + "/" + child.uuid, depth + 1);
            files_[static_cast<size_t>(index)].children.push_back(childIndex);
        }
        stack_.removeLast();
        return index;
    }

    bool Known(const QString& canonical) const {
        for (const SheetFile& file : files_) {
            if (file.canonical == canonical) {
                return true;
            }
        }
        return false;
    }

    // KiCad writes a sheet file's name relative to the project folder; a file beside the
    // sheet that names it is found too.
    QString Resolve(const QString& folder, const QString& name) const {
        if (QFileInfo(name).isAbsolute()) {
            return name;
        }
        const QString beside = QDir(folder).filePath(name);
        if (QFileInfo::exists(beside)) {
            return beside;
        }
        return QDir(rootFolder_).filePath(name);
    }

    static void LineColumnOf(const std::string& bytes, size_t offset, int& line, int& column) {
        SExprReader reader(bytes.data(), bytes.size());
        reader.LineColumn(offset + ByteOrderMark(bytes), line, column);
    }

    std::vector<SheetFile>& files_;
    // The root's instances (they point into files_[0], which later loads do not move).
    std::unordered_map<std::string, const SymbolInstance*> instances_;
    QStringList stack_;
    QString rootFolder_;
};

Board LoadBoard(const QString& path) {
    const std::string bytes = ReadBytes(path);
    return Parse(path, bytes, [](SExprReader& reader) { return ReadBoard(reader); });
}

DesignFileResult Run(const QString& name, auto&& work) {
    DesignFileResult result;
    try {
        result.design = work();
    } catch (const ImportFailure& failure) {
        result.error = failure.message;
    } catch (const std::bad_alloc&) {
        result.error = name + QStringLiteral(": not enough memory to load the design");
    }
    return result;
}

} // namespace

bool IsKicadPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("kicad_pro") || suffix == QLatin1String("kicad_pcb") ||
           suffix == QLatin1String("kicad_sch") || suffix == QLatin1String("pro") ||
           suffix == QLatin1String("sch") || suffix == QLatin1String("brd");
}

DesignFileResult ImportKicad(const QString& path) {
    return Run(path, [&]() {
        const QFileInfo info(path);
        const QString suffix = info.suffix().toLower();
        const QString projectName = info.completeBaseName();
        if (suffix == QLatin1String("pro") || suffix == QLatin1String("sch") ||
            suffix == QLatin1String("brd")) {
            const std::string bytes = ReadBytes(path);
            if (const auto foreign = ForeignFormat(bytes, suffix)) {
                Refuse(path + QStringLiteral(": ") + Where(1, 1) + QStringLiteral(": ") + *foreign);
            }
            Refuse(
                path + QStringLiteral(": ") + Where(1, 1) +
                QStringLiteral(": not a design this program reads (KiCad 6 projects, boards and schematics, "
                               "and .vxd design files)"));
        }
        std::vector<SheetFile> sheets;
        std::optional<Board> board;
        QString source;
        if (suffix == QLatin1String("kicad_pro")) {
            CheckProjectFile(path);
            const QString base = QDir(info.absolutePath()).filePath(projectName);
            const QString schematic = base + QStringLiteral(".kicad_sch");
            const QString boardPath = base + QStringLiteral(".kicad_pcb");
            const bool hasSchematic = QFileInfo::exists(schematic);
            const bool hasBoard = QFileInfo::exists(boardPath);
            if (!hasSchematic && !hasBoard) {
                Refuse(path +
                       QStringLiteral(": neither %1.kicad_sch nor %1.kicad_pcb lies beside the project")
                           .arg(projectName));
            }
            if (hasSchematic) {
                HierarchyLoader(sheets).Load(schematic);
            }
            if (hasBoard) {
                board = LoadBoard(boardPath);
            }
            source = QStringLiteral("KiCad project ") + info.fileName();
        } else if (suffix == QLatin1String("kicad_pcb")) {
            board = LoadBoard(path);
            source = QStringLiteral("KiCad board ") + info.fileName();
        } else {
            HierarchyLoader(sheets).Load(path);
            source = QStringLiteral("KiCad schematic ") + info.fileName();
        }
        return BuildDesign(projectName, source, sheets, board ? &*board : nullptr);
    });
}

DesignFileResult ImportKicadBytes(const QByteArray& bytes, const QString& nameForMessages) {
    return Run(nameForMessages, [&]() {
        const QFileInfo info(nameForMessages);
        const std::string text(bytes.constData(), static_cast<size_t>(bytes.size()));
        if (static_cast<qint64>(text.size()) > MaxKicadFileSize) {
            Refuse(nameForMessages + QStringLiteral(": ") + FileTooLargeText(MaxKicadFileSize));
        }
        std::vector<SheetFile> sheets;
        std::optional<Board> board;
        if (info.suffix().toLower() == QLatin1String("kicad_sch")) {
            SheetFile file;
            file.path = nameForMessages;
            file.sheet = Parse(nameForMessages, text, [](SExprReader& reader) { return ReadSheet(reader); });
            std::unordered_map<std::string, const SymbolInstance*> instances;
            for (const SymbolInstance& instance : file.sheet.instances) {
                instances.emplace(instance.path, &instance);
            }
            TakeUnitsOfFirstUse(file.sheet, std::string(), instances);
            file.children.assign(file.sheet.sheets.size(), -1); // not followed
            sheets.push_back(std::move(file));
        } else {
            board = Parse(nameForMessages, text, [](SExprReader& reader) { return ReadBoard(reader); });
        }
        return BuildDesign(info.completeBaseName(), QStringLiteral("KiCad file ") + info.fileName(), sheets,
                           board ? &*board : nullptr);
    });
}

} // namespace vxw::kicad
