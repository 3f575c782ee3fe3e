// Reading of KiCad schematic sheet files. As for boards, only what the design data holds is
// taken and every other list is skipped whole.

#include "kernel/kicad/KicadSchematic.h"

#include "kernel/kicad/KicadRead.h"

#include <charconv>

namespace vxw::kicad {
namespace {

using Token = SExprReader::Token;

// "Name_2_1" -> unit 2, body style 1; anything else leaves both 0.
void UnitOfSubSymbol(std::string_view name, int& unit, int& convert) {
    unit = convert = 0;
    const size_t last = name.rfind('_');
    if (last == std::string_view::npos || last == 0) {
        return;
    }
    const size_t before = name.rfind('_', last - 1);
    if (before == std::string_view::npos) {
        return;
    }
    const std::string_view unitText = name.substr(before + 1, last - before - 1);
    const std::string_view convertText = name.substr(last + 1);
    int u = 0, c = 0;
    if (std::from_chars(unitText.data(), unitText.data() + unitText.size(), u).ptr !=
            unitText.data() + unitText.size() ||
        std::from_chars(convertText.data(), convertText.data() + convertText.size(), c).ptr !=
            convertText.data() + convertText.size()) {
        return;
    }
    if (u >= 0 && u <= 100000 && c >= 0 && c <= 2) {
        unit = u;
        convert = c;
    }
}

void ReadLibPin(SExprReader& reader, LibSymbol& symbol, int unit, int convert) {
    LibPin pin;
    pin.unit = unit;
    pin.convert = convert;
    if (reader.Peek() != Token::Open) {
        pin.powerIn = reader.Text() == "power_in";
    }
    Children(
        reader,
        [&](std::string_view head) {
            if (head == "at") {
                pin.at = ReadPoint(reader);
            } else if (head == "name") {
                pin.name = std::string(reader.Text());
            } else if (head == "number") {
                pin.number = std::string(reader.Text());
            } else if (head == "hide") {
                pin.hidden = ReadYesNo(reader);
            }
        },
        [&](std::string_view word) {
            if (word == "hide") {
                pin.hidden = true;
            }
        });
    symbol.pins.push_back(std::move(pin));
    if (unit > symbol.unitCount) {
        symbol.unitCount = unit;
    }
}

// The body of a library symbol or of one of its unit sub-symbols.
void ReadLibSymbolBody(SExprReader& reader, LibSymbol& symbol, int unit, int convert, int depth) {
    Children(reader, [&](std::string_view head) {
        if (head == "pin") {
            ReadLibPin(reader, symbol, unit, convert);
        } else if (head == "power") {
            symbol.power = true;
        } else if (head == "extends") {
            symbol.extends = std::string(reader.Text());
        } else if (head == "symbol" && depth == 0) {
            int subUnit = 0, subConvert = 0;
            UnitOfSubSymbol(reader.Text(), subUnit, subConvert);
            ReadLibSymbolBody(reader, symbol, subUnit, subConvert, depth + 1);
        }
    });
}

void ReadLibSymbols(SExprReader& reader, Sheet& sheet) {
    Children(reader, [&](std::string_view head) {
        if (head != "symbol") {
            return;
        }
        LibSymbol symbol;
        symbol.name = std::string(reader.Text());
        ReadLibSymbolBody(reader, symbol, 0, 0, 0);
        sheet.libIndex.emplace(symbol.name, sheet.libSymbols.size());
        sheet.libSymbols.push_back(std::move(symbol));
    });
}

// (property "KEY" "VALUE" (id N) ...): the mandatory fields are known by their id, since
// KiCad writes their keys in the user's language; without an id, by the English key.
// Answers the field's id (0 first) or -1 for any other field.
int ReadField(SExprReader& reader, const char* const* keys, int keyCount, std::string& value) {
    const std::string key(reader.Text());
    value = std::string(reader.Text());
    int id = -1;
    bool hasId = false;
    Children(reader, [&](std::string_view head) {
        if (head == "id") {
            id = static_cast<int>(reader.Integer(-1000000, 1000000));
            hasId = true;
        }
    });
    if (!hasId) {
        for (int k = 0; k < keyCount; ++k) {
            if (key == keys[k]) {
                id = k;
            }
        }
    }
    return id < keyCount ? id : -1;
}

void ReadPlacedSymbol(SExprReader& reader, Sheet& sheet) {
    PlacedSymbol symbol;
    symbol.offset = reader.ListOffset();
    Children(reader, [&](std::string_view head) {
        if (head == "lib_id") {
            symbol.libId = std::string(reader.Text());
        } else if (head == "lib_name") {
            symbol.libName = std::string(reader.Text());
        } else if (head == "at") {
            symbol.at = ReadPoint(reader);
            if (reader.Peek() == Token::Atom) {
                reader.Peek();
                const size_t offset = reader.TokenOffset();
                const double angle = ReadAngle(reader);
                if (angle != 0 && angle != 90 && angle != 180 && angle != 270) {
                    reader.Fail(offset, "a symbol turns by 0, 90, 180 or 270 degrees");
                }
                symbol.orientation = static_cast<int>(angle);
            }
        } else if (head == "mirror") {
            const std::string_view axis = reader.Text();
            symbol.mirror = axis == "x" ? 'x' : axis == "y" ? 'y' : 0;
        } else if (head == "unit") {
            symbol.unit = static_cast<int>(reader.Integer(1, 100000));
        } else if (head == "convert") {
            symbol.convert = static_cast<int>(reader.Integer(0, 2));
        } else if (head == "on_board") {
            symbol.onBoard = ReadYesNo(reader);
        } else if (head == "uuid") {
            symbol.uuid = std::string(reader.Text());
        } else if (head == "property") {
            static constexpr const char* Keys[] = {"Reference", "Value", "Footprint"};
            std::string value;
            switch (ReadField(reader, Keys, 3, value)) {
            case 0:
                symbol.reference = std::move(value);
                break;
            case 1:
                symbol.value = std::move(value);
                break;
            case 2:
                symbol.footprint = std::move(value);
                break;
            default:
                break;
            }
        }
    });
    sheet.symbols.push_back(std::move(symbol));
}

void ReadSheetSymbol(SExprReader& reader, Sheet& sheet) {
    SheetSymbol child;
    child.offset = reader.ListOffset();
    Children(reader, [&](std::string_view head) {
        if (head == "uuid") {
            child.uuid = std::string(reader.Text());
        } else if (head == "property") {
            static constexpr const char* Keys[] = {"Sheet name", "Sheet file"};
            std::string value;
            const int id = ReadField(reader, Keys, 2, value);
            if (id == 0) {
                child.name = std::move(value);
            } else if (id == 1) {
                child.file = std::move(value);
            }
        } else if (head == "pin") {
            SheetPin pin;
            pin.name = std::string(reader.Text());
            Children(reader, [&](std::string_view inner) {
                if (inner == "at") {
                    pin.at = ReadPoint(reader);
                }
            });
            child.pins.push_back(std::move(pin));
        }
    });
    sheet.sheets.push_back(std::move(child));
}

void ReadLabel(SExprReader& reader, Sheet& sheet, LabelKind kind) {
    Label label;
    label.kind = kind;
    label.text = std::string(reader.Text());
    Children(reader, [&](std::string_view head) {
        if (head == "at") {
            label.at = ReadPoint(reader);
        }
    });
    sheet.labels.push_back(std::move(label));
}

// The point of (at x y ...) within a list such as a junction.
Point ReadAt(SExprReader& reader) {
    Point at;
    Children(reader, [&](std::string_view head) {
        if (head == "at") {
            at = ReadPoint(reader);
        }
    });
    return at;
}

void ReadWire(SExprReader& reader, Sheet& sheet) {
    std::vector<Point> points;
    Children(reader, [&](std::string_view head) {
        if (head == "pts") {
            Children(reader, [&](std::string_view inner) {
                if (inner == "xy") {
                    points.push_back(ReadPoint(reader));
                }
            });
        }
    });
    for (size_t i = 1; i < points.size(); ++i) {
        sheet.wires.push_back(Segment{points[i - 1], points[i]});
    }
}

void ReadSymbolInstances(SExprReader& reader, Sheet& sheet) {
    Children(reader, [&](std::string_view head) {
        if (head != "path") {
            return;
        }
        SymbolInstance instance;
        instance.path = std::string(reader.Text());
        Children(reader, [&](std::string_view inner) {
            if (inner == "reference") {
                instance.reference = std::string(reader.Text());
            } else if (inner == "unit") {
                instance.unit = static_cast<int>(reader.Integer(1, 100000));
            } else if (inner == "value") {
                instance.value = std::string(reader.Text());
                instance.hasValue = true;
            } else if (inner == "footprint") {
                instance.footprint = std::string(reader.Text());
                instance.hasFootprint = true;
            }
        });
        sheet.instances.push_back(std::move(instance));
    });
}

} // namespace

Point PlacedSymbol::PinPosition(Point p) const {
    // The library's y axis points up, the sheet's down; then the symbol's turn, then its mirror.
    int x1 = 1, y1 = 0, x2 = 0, y2 = -1;
    switch (orientation) {
    case 90:
        x1 = 0, y1 = -1, x2 = -1, y2 = 0;
        break;
    case 180:
        x1 = -1, y1 = 0, x2 = 0, y2 = 1;
        break;
    case 270:
        x1 = 0, y1 = 1, x2 = 1, y2 = 0;
        break;
    default:
        break;
    }
    if (mirror == 'x') {
        x2 = -x2, y2 = -y2;
    } else if (mirror == 'y') {
        x1 = -x1, y1 = -y1;
    }
    return Point{at.x + x1 * p.x + y1 * p.y, at.y + x2 * p.x + y2 * p.y};
}

const LibSymbol* Sheet::LibraryOf(const PlacedSymbol& symbol) const {
    const auto found = libIndex.find(symbol.libName.empty() ? symbol.libId : symbol.libName);
    return found == libIndex.end() ? nullptr : &libSymbols[found->second];
}

Sheet ReadSheet(SExprReader& reader) {
    Sheet sheet;
    reader.Peek();
    const size_t start = reader.TokenOffset();
    if (reader.Peek() != Token::Open || reader.Open() != "kicad_sch") {
        reader.Fail(start, "not a KiCad schematic: the file does not begin with \"(kicad_sch\"");
    }
    bool versionSeen = false;
    Children(reader, [&](std::string_view head) {
        if (!versionSeen && head != "version") {
            reader.Fail(reader.ListOffset(), "the schematic names no format version before \"" +
                                                 std::string(head.substr(0, 40)) + "\"");
        }
        if (head == "version") {
            reader.Peek();
            const size_t offset = reader.TokenOffset();
            sheet.version = reader.Integer(0, 99999999);
            versionSeen = true;
            if (sheet.version > NewestSchematicVersion) {
                reader.Fail(offset, "the schematic is in a newer format (version " +
                                        std::to_string(sheet.version) +
                                        ", KiCad 7 or later); this program reads KiCad 6 schematics (up to "
                                        "version " +
                                        std::to_string(NewestSchematicVersion) + ")");
            }
        } else if (head == "uuid") {
            sheet.uuid = std::string(reader.Text());
        } else if (head == "title_block") {
            ReadTitleBlock(reader, sheet.title);
        } else if (head == "lib_symbols") {
            ReadLibSymbols(reader, sheet);
        } else if (head == "symbol") {
            ReadPlacedSymbol(reader, sheet);
        } else if (head == "sheet") {
            ReadSheetSymbol(reader, sheet);
        } else if (head == "wire") {
            ReadWire(reader, sheet);
        } else if (head == "junction") {
            sheet.junctions.push_back(ReadAt(reader));
        } else if (head == "no_connect") {
            sheet.noConnects.push_back(ReadAt(reader));
        } else if (head == "label") {
            ReadLabel(reader, sheet, LabelKind::Local);
        } else if (head == "global_label") {
            ReadLabel(reader, sheet, LabelKind::Global);
        } else if (head == "hierarchical_label") {
            ReadLabel(reader, sheet, LabelKind::Hierarchical);
        } else if (head == "symbol_instances") {
            ReadSymbolInstances(reader, sheet);
        }
    });
    reader.ExpectEnd();
    return sheet;
}

} // namespace vxw::kicad
