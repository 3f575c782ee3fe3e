#include "libreports/PadstackDetail.h"

#include "libreports/LibraryCatalog.h"

#include "kernel/Kernel.h"
#include "kernel/KernelText.h"
#include "libreports/ProjectLibrary.h"
#include "listgen/FieldProfile.h"
#include "listgen/ReportContext.h"
#include "shell/Units.h"
#include "suite/NumberFormat.h"
#include "suite/TextRules.h"

#include <QStringList>

#include <vector>

namespace vxw {
namespace {

const QString kBreak = QString::fromLatin1(kCrLf);
// Item arrays hold at most this many items worth reading; far above any real padstack.
constexpr int32_t kMaxPadItems = 100000;

// Whole text a decimal number: optional sign, digits with an optional point, optional exponent.
bool IsNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digits = [&] {
        const qsizetype start = i;
        while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
            ++i;
        }
        return i - start;
    };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        ++i;
    }
    qsizetype mantissa = digits();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == n;
}

QString Angle(Kernel& kernel, double degrees) {
    return QString::number(kernel.G_AngleAdj(degrees), 'g', 15);
}

QString Length(int32_t value) {
    return FormatLength(static_cast<double>(value));
}

// Removes the temporary symbol when the reading is done, however it ends.
class TemporarySymbol {
public:
    TemporarySymbol(Kernel& kernel, int32_t id) : kernel_(kernel), id_(id) {}
    ~TemporarySymbol() {
        if (id_ > 0) {
            kernel_.OM_Delete(kernel_.DB_SymbMap(), id_);
        }
    }
    TemporarySymbol(const TemporarySymbol&) = delete;
    TemporarySymbol& operator=(const TemporarySymbol&) = delete;
    int32_t Id() const { return id_; }

private:
    Kernel& kernel_;
    int32_t id_;
};

// A symbol name that no symbol of the design carries: the number is raised until the name is
// free.
QByteArray FreeSymbolName(Kernel& kernel) {
    const int32_t map = kernel.DB_SymbMap();
    for (int attempt = 1; attempt <= 10000; ++attempt) {
        const QByteArray name = QByteArray("~LG_PADSTACK_") + QByteArray::number(attempt);
        if (kernel.S_Symbol(name.constData()) <= 0 && kernel.OM_FindName(map, name.constData()) <= 0) {
            return name;
        }
    }
    return {};
}

// The items of an item array, in stored order.
void ReadItems(Kernel& kernel, int32_t array, std::vector<ItemRecord>& items) {
    if (array <= 0) {
        return;
    }
    const int32_t count = std::min(kernel.OA_GetCount(array), kMaxPadItems);
    for (int32_t index = 1; index <= count; ++index) {
        const int32_t item = kernel.OA_Object(array, index);
        ItemRecord record;
        if (item > 0 && kernel.I_ReadItem(item, &record) > 0) {
            record.text = nullptr; // kernel storage; not kept
            items.push_back(record);
        }
    }
}

// The first padstack of a symbol's padstack map, 0 when it has none.
int32_t FirstPadStack(Kernel& kernel, int32_t symbol) {
    const int32_t map = kernel.S_SymbolPadStackMap(symbol);
    if (map <= 0) {
        return 0;
    }
    int32_t cursor = kernel.OM_GetFirst(map);
    const int32_t id = kernel.OM_SearchMask(map, &cursor, 0, 0);
    return id > 0 ? kernel.OM_Object(map, id) : 0;
}

QStringList LayerNames(Kernel& kernel) {
    QStringList names;
    const int32_t array = kernel.DB_LayerArray();
    const int32_t count = array > 0 ? std::min(kernel.OA_GetCount(array), kMaxPadItems) : 0;
    for (int32_t index = 1; index <= count; ++index) {
        names.append(ObjectName(kernel, kernel.OA_Object(array, index)));
    }
    return names;
}

bool IsPadShape(int32_t kind) {
    return kind == ItemLine || kind == ItemRectangle || kind == ItemCircle || kind == ItemArc;
}

// One row of the item table: header and values cell by cell.
struct TableRow {
    QString header;
    QString values;
    void Add(const char* title, const QString& value, int width) {
        header += PadCell(QLatin1String(title), width);
        values += PadCell(value, width);
    }
};

TableRow ItemRow(Kernel& kernel, const ItemRecord& item, const QStringList& layers) {
    const bool hrf = (item.flags & ItemHrf) != 0;
    // A filled shape has no outline, so the pen width means nothing for it: its column is left
    // out (the table header shows which columns a row has).
    const bool filled =
        (item.flags & ItemFilled) != 0 && (item.kind == ItemRectangle || item.kind == ItemCircle);
    TableRow row;
    if (!hrf) {
        const bool known = item.layer >= 0 && item.layer < layers.size();
        row.Add("Layer", known ? layers[item.layer] : QString(), 17);
    }
    QString shape;
    switch (item.kind) {
    case ItemLine:
        shape = QStringLiteral("LINE");
        break;
    case ItemRectangle:
        shape = filled ? QStringLiteral("FILLED RECTANGLE") : QStringLiteral("RECTANGLE");
        break;
    case ItemCircle:
        shape = filled ? QStringLiteral("FILLED CIRCLE") : QStringLiteral("CIRCLE");
        break;
    default:
        shape = QStringLiteral("ARC");
        break;
    }
    row.Add("Shape", shape, 18);
    row.Add("Status", hrf ? QStringLiteral("Hrf item") : QStringLiteral("Normal"), 10);
    row.Add("X", Length(item.x), 10);
    row.Add("Y", Length(item.y), 10);
    if (!filled) {
        row.Add("Width", Length(item.width), 10);
    }
    row.Add("Gap", Length(item.gap), 10);
    switch (item.kind) {
    case ItemLine:
        row.Add("dX", Length(item.dx), 10);
        row.Add("dY", Length(item.dy), 10);
        break;
    case ItemRectangle:
        row.Add("dX", Length(item.dx), 10);
        row.Add("dY", Length(item.dy), 10);
        row.Add("Rt", Angle(kernel, item.rotation), 8);
        break;
    case ItemCircle:
        row.Add("Dm", Length(item.diameter), 10);
        break;
    default:
        row.Add("Rd", Length(item.radius), 10);
        row.Add("Alfa", Angle(kernel, item.startAngle), 8);
        row.Add("Beta", Angle(kernel, item.endAngle), 8);
        break;
    }
    return row;
}

} // namespace

QString PadCell(const QString& text, int width) {
    QString cell = TrimBlanks(text);
    if (IsNumber(cell)) {
        cell = FormatNumber(QStringLiteral("#0.####"), cell.toDouble());
    }
    if (cell.size() < width) {
        cell += QString(width - cell.size(), QLatin1Char(' '));
    }
    return cell;
}

QString PadstackSymbolGeometry(const LibraryReportContext& context, int32_t symbol) {
    Kernel& kernel = context.kernel;
    const FieldTable& fields = context.fields;
    const int32_t handle = kernel.S_Symbol(symbol);
    if (handle <= 0) {
        return QString();
    }
    FrameRect frame;
    if (kernel.S_FrameSymbolItems(handle, MaskDrawnItem, &frame) <= 0) {
        frame = FrameRect{};
    }
    PadStackRecord hole;
    const int32_t padStack = FirstPadStack(kernel, symbol);
    if (padStack <= 0 || kernel.S_ReadPadStack(padStack, &hole) <= 0) {
        hole = PadStackRecord{};
    }

    QString text;
    if (fields.IsFieldShown(66)) {
        text += QStringLiteral("SizeX: ") + PadCell(FormatLength(double(frame.x2) - double(frame.x1)), 10) +
                kBreak;
    }
    if (fields.IsFieldShown(67)) {
        text += QStringLiteral("SizeY: ") + PadCell(FormatLength(double(frame.y2) - double(frame.y1)), 10) +
                kBreak;
    }
    if (fields.IsFieldShown(68)) {
        text += QStringLiteral("Hole Category: ") + QString::number(hole.holeCategory) + kBreak;
    }
    if (fields.IsFieldShown(69)) {
        text += QStringLiteral("Hole Diameter: ") + PadCell(Length(hole.holeDiameter), 10) + kBreak;
    }
    if (fields.IsFieldShown(70)) {
        // The pads may sit in the symbol's own items or in its padstack's.
        std::vector<ItemRecord> items;
        ReadItems(kernel, kernel.S_SymbolItemArray(symbol), items);
        if (padStack > 0) {
            ReadItems(kernel, kernel.S_PadStackItemArray(padStack), items);
        }
        const QStringList layers = LayerNames(kernel);
        text += kBreak + QStringLiteral("LAYER INFORMATION:") + kBreak + kBreak;
        QString lastHeader;
        for (const ItemRecord& item : items) {
            if (!IsPadShape(item.kind)) {
                continue;
            }
            const TableRow row = ItemRow(kernel, item, layers);
            if (row.header != lastHeader) {
                text += row.header + kBreak + QString(row.header.size(), QLatin1Char('=')) + kBreak;
                lastHeader = row.header;
            }
            text += row.values + kBreak;
        }
    }
    return text;
}

QString PadstackGeometryText(const LibraryReportContext& context, const QString& path, const QString& name) {
    Kernel& kernel = context.kernel;
    const QByteArray temporaryName = FreeSymbolName(kernel);
    if (temporaryName.isEmpty()) {
        return QString();
    }
    if (!path.isEmpty()) {
        const int32_t library = kernel.E_OpenLibrary(ToAnsi(path).constData(), kLibraryAccessTag, 0);
        if (library <= 0) {
            return QString();
        }
        int32_t loaded = 0;
        if (kernel.E_OpenLibToRead(library, ToAnsi(name).constData()) > 0) {
            loaded = kernel.S_LoadSymbol(library, temporaryName.constData());
        }
        kernel.E_CloseLibrary(library);
        const TemporarySymbol copy(kernel, loaded);
        return loaded > 0 ? PadstackSymbolGeometry(context, copy.Id()) : QString();
    }

    // A project padstack is measured on a copy built item by item, as a library padstack is.
    const int32_t source = FindProjectPadstack(kernel, name);
    if (source <= 0) {
        return QString();
    }
    const TemporarySymbol copy(kernel, kernel.S_CreateSymbol(temporaryName.constData(), SymbolPadstack));
    if (copy.Id() <= 0) {
        return QString();
    }
    const int32_t sourcePadStack = FirstPadStack(kernel, source);
    PadStackRecord hole;
    if (sourcePadStack > 0 && kernel.S_ReadPadStack(sourcePadStack, &hole) > 0) {
        const int32_t padStack = kernel.S_MakePadStack(copy.Id(), hole.name ? hole.name : "");
        if (padStack > 0) {
            kernel.S_ChangePadStackHole(padStack, hole.holeCategory, hole.holeDiameter);
        }
    }
    const int32_t target = kernel.S_SymbolItemArray(copy.Id());
    for (const int32_t array : {kernel.S_SymbolItemArray(source),
                                sourcePadStack > 0 ? kernel.S_PadStackItemArray(sourcePadStack) : 0}) {
        if (array <= 0) {
            continue;
        }
        const int32_t count = std::min(kernel.OA_GetCount(array), kMaxPadItems);
        for (int32_t index = 1; index <= count; ++index) {
            ItemRecord record;
            const int32_t item = kernel.OA_Object(array, index);
            if (item <= 0 || kernel.I_ReadItem(item, &record) <= 0) {
                continue;
            }
            const int32_t made = record.kind == ItemText || record.kind == ItemValueText
                                     ? kernel.I_MakeText(&record, record.text)
                                     : kernel.I_MakeItem(&record);
            if (made > 0) {
                kernel.OA_Add(target, made);
            }
        }
    }
    return PadstackSymbolGeometry(context, copy.Id());
}

QString BuildPadstackDetail(const LibraryReportContext& context, const QString& name,
                            const QString& libraryText, const TokenList& tokens, const QString& path) {
    const FieldTable& fields = context.fields;
    QString text = QStringLiteral("PAD: ") + name + kBreak;
    if (fields.IsFieldShown(22)) {
        text += QStringLiteral("LIBRARY: ") + libraryText + kBreak;
    }
    if (fields.IsFieldShown(47)) {
        text += QStringLiteral("TYPE: ") + tokens.Token(2) + kBreak;
    }
    if (fields.IsFieldShown(10)) {
        text += QStringLiteral("DESCRIPTION: ") + tokens.Token(1) + kBreak;
    }
    if (fields.IsFieldShown(41)) {
        text += QStringLiteral("SHAPE: ") + tokens.Token(3) + kBreak;
    }
    return text + PadstackGeometryText(context, path, name);
}

} // namespace vxw
