#include "kernel/kicad/SchematicNets.h"

#include "kernel/kicad/SegmentIndex.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace vxw::kicad {
namespace {

struct PointHash {
    size_t operator()(const Point& p) const { return std::hash<int64_t>()(p.x * 1000003 + p.y); }
};

// Whether p lies on the segment a-b (ends included), in exact integer arithmetic.
bool OnSegment(Point p, Point a, Point b) {
    const int64_t cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    return cross == 0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) &&
           p.y >= std::min(a.y, b.y) && p.y <= std::max(a.y, b.y);
}

// Connection work a sheet may cost: far more than any drawn sheet needs.
constexpr int64_t WorkBudget = int64_t{1} << 26;

// Priority of what names a net, as KiCad ranks it: global labels and power pins, then local
// labels, hierarchical labels, sheet pins.
enum Priority { ByPin = 0, BySheetPin = 1, ByHierarchical = 2, ByLocal = 3, ByGlobal = 4 };

} // namespace

std::vector<size_t> ShownPins(const Sheet& sheet, const PlacedSymbol& symbol, const LibSymbol*& library) {
    library = sheet.LibraryOf(symbol);
    // A derived symbol that the file holds without pins of its own takes its parent's.
    for (int step = 0; library && library->pins.empty() && !library->extends.empty() && step < 8; ++step) {
        const auto parent = sheet.libIndex.find(library->extends);
        if (parent == sheet.libIndex.end()) {
            const size_t colon = library->name.find(':');
            const auto qualified =
                colon == std::string::npos
                    ? sheet.libIndex.end()
                    : sheet.libIndex.find(library->name.substr(0, colon + 1) + library->extends);
            library = qualified == sheet.libIndex.end() ? library : &sheet.libSymbols[qualified->second];
            if (qualified == sheet.libIndex.end()) {
                break;
            }
        } else {
            library = &sheet.libSymbols[parent->second];
        }
    }
    std::vector<size_t> shown;
    if (!library) {
        return shown;
    }
    for (size_t k = 0; k < library->pins.size(); ++k) {
        const LibPin& pin = library->pins[k];
        if ((pin.unit == 0 || pin.unit == symbol.unit) &&
            (pin.convert == 0 || pin.convert == symbol.convert)) {
            shown.push_back(k);
        }
    }
    return shown;
}

SheetNets BuildSheetNets(const Sheet& sheet, const std::vector<std::string>& references) {
    SheetNets result;
    std::vector<const LibSymbol*> libraries(sheet.symbols.size(), nullptr);
    std::vector<std::string> powerNames; // per pin; empty when the pin is no power pin
    result.symbolPins.push_back(0);
    for (size_t s = 0; s < sheet.symbols.size(); ++s) {
        const PlacedSymbol& symbol = sheet.symbols[s];
        for (const size_t k : ShownPins(sheet, symbol, libraries[s])) {
            const LibPin& pin = libraries[s]->pins[k];
            result.pins.push_back(SheetPinRef{s, k, symbol.PinPosition(pin.at), -1, false});
            // Hidden power inputs, and the pins of power symbols, join the net their name names.
            powerNames.push_back(pin.powerIn && (pin.hidden || libraries[s]->power) ? pin.name
                                                                                    : std::string());
        }
        result.symbolPins.push_back(result.pins.size());
    }

    // Nodes: wires, pins, sheet pins, labels, junctions.
    const size_t wireBase = 0;
    const size_t pinBase = wireBase + sheet.wires.size();
    const size_t sheetPinBase = pinBase + result.pins.size();
    std::vector<std::pair<size_t, size_t>> sheetPins;
    for (size_t c = 0; c < sheet.sheets.size(); ++c) {
        for (size_t p = 0; p < sheet.sheets[c].pins.size(); ++p) {
            sheetPins.emplace_back(c, p);
        }
    }
    const size_t labelBase = sheetPinBase + sheetPins.size();
    const size_t junctionBase = labelBase + sheet.labels.size();
    DisjointSets sets(junctionBase + sheet.junctions.size());

    std::unordered_map<Point, size_t, PointHash> firstAt;
    auto meet = [&](Point p, size_t node) {
        const auto [found, inserted] = firstAt.emplace(p, node);
        if (!inserted) {
            sets.Join(found->second, node);
        }
    };
    for (size_t w = 0; w < sheet.wires.size(); ++w) {
        meet(sheet.wires[w].a, wireBase + w);
        meet(sheet.wires[w].b, wireBase + w);
    }
    for (size_t p = 0; p < result.pins.size(); ++p) {
        meet(result.pins[p].at, pinBase + p);
    }
    for (size_t i = 0; i < sheetPins.size(); ++i) {
        meet(sheet.sheets[sheetPins[i].first].pins[sheetPins[i].second].at, sheetPinBase + i);
    }
    for (size_t l = 0; l < sheet.labels.size(); ++l) {
        meet(sheet.labels[l].at, labelBase + l);
    }
    for (size_t j = 0; j < sheet.junctions.size(); ++j) {
        meet(sheet.junctions[j], junctionBase + j);
    }

    // Junctions and labels also join the wires they sit on between the wires' ends.
    BoxGrid grid(25400); // 2.54 mm, KiCad's usual grid
    for (size_t w = 0; w < sheet.wires.size(); ++w) {
        Rect box;
        box.Add(sheet.wires[w].a);
        box.Add(sheet.wires[w].b);
        grid.Insert(w, box);
    }
    int64_t budget = WorkBudget;
    auto joinWiresUnder = [&](Point p, size_t node) {
        grid.Query(p, budget, [&](size_t w) {
            if (OnSegment(p, sheet.wires[w].a, sheet.wires[w].b)) {
                sets.Join(node, wireBase + w);
            }
        });
    };
    for (size_t l = 0; l < sheet.labels.size(); ++l) {
        joinWiresUnder(sheet.labels[l].at, labelBase + l);
    }
    for (size_t j = 0; j < sheet.junctions.size(); ++j) {
        joinWiresUnder(sheet.junctions[j], junctionBase + j);
    }

    // Labels of one name are one net: local and hierarchical labels within the sheet (both name
    // the sheet's own nets), global labels and power pins under one name space.
    std::map<std::pair<int, std::string>, size_t> named;
    auto joinName = [&](int space, const std::string& name, size_t node) {
        const auto [found, inserted] = named.emplace(std::make_pair(space, name), node);
        if (!inserted) {
            sets.Join(found->second, node);
        }
    };
    for (size_t l = 0; l < sheet.labels.size(); ++l) {
        const Label& label = sheet.labels[l];
        joinName(label.kind == LabelKind::Global ? 0 : 1, label.text, labelBase + l);
    }
    for (size_t p = 0; p < result.pins.size(); ++p) {
        if (!powerNames[p].empty()) {
            joinName(0, powerNames[p], pinBase + p);
        }
    }

    // One net per set that holds a pin or a sheet pin.
    struct Draft {
        std::vector<size_t> pins;
        std::vector<size_t> sheetPins;
        int priority = -1;
        std::string name;
        bool power = false, ports = false;
        bool labelled = false; // a label names it: nets of one name meet elsewhere, also through buses
    };
    std::unordered_map<size_t, size_t> draftOf; // set root -> draft
    std::vector<Draft> drafts;
    auto draftFor = [&](size_t node) -> Draft& {
        const auto [found, inserted] = draftOf.emplace(sets.Find(node), drafts.size());
        if (inserted) {
            drafts.emplace_back();
        }
        return drafts[found->second];
    };
    auto offer = [](Draft& draft, int priority, const std::string& name) {
        if (priority > draft.priority || (priority == draft.priority && name < draft.name)) {
            draft.priority = priority;
            draft.name = name;
        }
    };
    for (size_t p = 0; p < result.pins.size(); ++p) {
        Draft& draft = draftFor(pinBase + p);
        draft.pins.push_back(p);
        if (!powerNames[p].empty()) {
            draft.power = true;
            offer(draft, ByGlobal, powerNames[p]);
        }
    }
    for (size_t i = 0; i < sheetPins.size(); ++i) {
        Draft& draft = draftFor(sheetPinBase + i);
        draft.sheetPins.push_back(i);
        draft.ports = true;
        // Named after the sheet and its pin, since two uses of one sheet have pins of one name.
        const SheetSymbol& child = sheet.sheets[sheetPins[i].first];
        offer(draft, BySheetPin, child.name + "/" + child.pins[sheetPins[i].second].name);
    }
    for (size_t l = 0; l < sheet.labels.size(); ++l) {
        const auto found = draftOf.find(sets.Find(labelBase + l));
        if (found == draftOf.end()) {
            continue; // a label on nothing with a pin
        }
        Draft& draft = drafts[found->second];
        const Label& label = sheet.labels[l];
        draft.labelled = true;
        offer(draft,
              label.kind == LabelKind::Global  ? ByGlobal
              : label.kind == LabelKind::Local ? ByLocal
                                               : ByHierarchical,
              label.text);
    }

    std::unordered_set<Point, PointHash> noConnect(sheet.noConnects.begin(), sheet.noConnects.end());
    std::vector<size_t> order(drafts.size());
    for (size_t d = 0; d < drafts.size(); ++d) {
        Draft& draft = drafts[d];
        order[d] = d;
        if (draft.priority < 0) {
            // No label: named after its first pin, as "Net-(R1-Pad2)"; a pin alone, as
            // "unconnected-(R1-Pad2)".
            const char* prefix = draft.pins.size() + draft.sheetPins.size() > 1 ? "Net-(" : "unconnected-(";
            std::string best;
            for (const size_t p : draft.pins) {
                const SheetPinRef& pin = result.pins[p];
                const std::string& reference = references[pin.symbol];
                const std::string candidate =
                    prefix + reference + "-Pad" + libraries[pin.symbol]->pins[pin.libPin].number + ")";
                if (best.empty() || candidate < best) {
                    best = candidate;
                }
            }
            draft.name = best;
        }
    }
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return drafts[a].name < drafts[b].name; });
    for (const size_t d : order) {
        Draft& draft = drafts[d];
        SheetNet net;
        net.name = draft.name;
        net.kind = draft.power                    ? NetClass::Power
                   : draft.priority >= BySheetPin ? NetClass::Named
                                                  : NetClass::Unnamed;
        const int index = static_cast<int>(result.nets.size());
        const bool reaches =
            draft.pins.size() + draft.sheetPins.size() > 1 || draft.ports || draft.power || draft.labelled;
        for (const size_t p : draft.pins) {
            SheetPinRef& pin = result.pins[p];
            pin.net = index;
            pin.connected = reaches && !noConnect.count(pin.at);
        }
        net.pins = std::move(draft.pins);
        for (const size_t i : draft.sheetPins) {
            net.sheetPins.push_back(sheetPins[i]);
        }
        result.nets.push_back(std::move(net));
    }
    return result;
}

} // namespace vxw::kicad
