// Reading of KiCad board files. Only what the kernel's design data holds is taken; every other
// list is skipped whole, so a board written by a later KiCad 6 release with lists this reader
// does not know still reads.

#include "kernel/kicad/KicadBoard.h"

#include "kernel/kicad/KicadRead.h"

#include <cmath>

namespace vxw::kicad {
namespace {

using Token = SExprReader::Token;

struct LayerRef {
    int copper = -1; // copper layer, AllCopperLayers, or -1
    bool edgeCuts = false;
};

LayerRef ReadLayerName(SExprReader& reader) {
    const std::string_view name = reader.Text();
    LayerRef ref;
    ref.copper = CopperLayer(name);
    ref.edgeCuts = name == "Edge.Cuts";
    return ref;
}

// Reads the layer names of a "layers" list of an item: the copper among them as bits, and
// whether "*.Cu" stood there.
uint32_t ReadCopperLayers(SExprReader& reader, bool& every) {
    uint32_t bits = 0;
    while (reader.More()) {
        if (reader.Peek() == Token::Open) {
            reader.Skip();
            continue;
        }
        const int layer = CopperLayer(reader.Text());
        if (layer == AllCopperLayers) {
            every = true;
        } else if (layer >= 0) {
            bits |= 1u << layer;
        }
    }
    return bits;
}

int64_t ReadWidth(SExprReader& reader) {
    const size_t offset = (reader.Peek(), reader.TokenOffset());
    const int64_t width = ReadLength(reader);
    if (width < 0) {
        reader.Fail(offset, "a width or size cannot be negative");
    }
    return width;
}

// (pts (xy x y) ...): the points; other elements (arcs of later formats) are skipped.
void ReadPoints(SExprReader& reader, std::vector<Point>& points) {
    Children(reader, [&](std::string_view head) {
        if (head == "xy") {
            points.push_back(ReadPoint(reader));
        }
    });
}

// A drawn shape: gr_* on the board, fp_* in a footprint (local coordinates, placed by the
// caller). `kind` is the head without its prefix.
bool ReadShape(SExprReader& reader, std::string_view kind, Shape& shape, bool& edgeCuts) {
    if (kind == "line") {
        shape.kind = ShapeKind::Line;
    } else if (kind == "arc") {
        shape.kind = ShapeKind::Arc;
    } else if (kind == "circle") {
        shape.kind = ShapeKind::Circle;
    } else if (kind == "rect") {
        shape.kind = ShapeKind::Rect;
    } else if (kind == "poly") {
        shape.kind = ShapeKind::Polygon;
    } else {
        return false;
    }
    bool hasMid = false, hasAngle = false;
    double angle = 0;
    edgeCuts = false;
    Children(reader, [&](std::string_view head) {
        if (head == "start" || head == "center") {
            shape.start = ReadPoint(reader);
        } else if (head == "mid") {
            shape.mid = ReadPoint(reader);
            hasMid = true;
        } else if (head == "end") {
            shape.end = ReadPoint(reader);
        } else if (head == "angle") {
            angle = ReadAngle(reader);
            hasAngle = true;
        } else if (head == "pts") {
            ReadPoints(reader, shape.points);
        } else if (head == "layer") {
            const LayerRef layer = ReadLayerName(reader);
            shape.layer = layer.copper >= 0 ? layer.copper : -1;
            edgeCuts = layer.edgeCuts;
        } else if (head == "width") {
            shape.width = ReadWidth(reader);
        } else if (head == "stroke") {
            Children(reader, [&](std::string_view inner) {
                if (inner == "width") {
                    shape.width = ReadWidth(reader);
                }
            });
        } else if (head == "fill" && (reader.Peek() == Token::Atom || reader.Peek() == Token::String)) {
            const std::string_view fill = reader.Text();
            shape.filled = fill == "solid" || fill == "yes";
        }
    });
    if (shape.kind == ShapeKind::Arc && !hasMid) {
        // Older boards give the centre, the start point and the angle swept.
        const Point centre = shape.start;
        ArcFromCentre(centre, shape.end, hasAngle ? angle : 0, shape.start, shape.mid, shape.end);
    }
    return true;
}

// The box of a shape's centre line.
Rect ShapeBox(const Shape& shape) {
    Rect box;
    switch (shape.kind) {
    case ShapeKind::Line:
    case ShapeKind::Rect:
        box.Add(shape.start);
        box.Add(shape.end);
        break;
    case ShapeKind::Arc:
        box = ArcBox(shape.start, shape.mid, shape.end);
        break;
    case ShapeKind::Circle: {
        const double r = std::hypot(static_cast<double>(shape.end.x - shape.start.x),
                                    static_cast<double>(shape.end.y - shape.start.y));
        const int64_t radius = static_cast<int64_t>(std::llround(r));
        box.Add(Point{shape.start.x - radius, shape.start.y - radius});
        box.Add(Point{shape.start.x + radius, shape.start.y + radius});
        break;
    }
    case ShapeKind::Polygon:
        for (const Point& p : shape.points) {
            box.Add(p);
        }
        break;
    }
    return box;
}

Shape Placed(Shape shape, Point origin, double angle) {
    if (shape.kind == ShapeKind::Rect && angle != 0) {
        // A turned rectangle is the polygon of its four corners.
        const Point a = shape.start, c = shape.end;
        shape.kind = ShapeKind::Polygon;
        shape.points = {a, Point{c.x, a.y}, c, Point{a.x, c.y}};
    }
    auto place = [&](Point& p) {
        const Point turned = Rotated(p, angle);
        p = Point{origin.x + turned.x, origin.y + turned.y};
    };
    place(shape.start);
    place(shape.mid);
    place(shape.end);
    for (Point& p : shape.points) {
        place(p);
    }
    return shape;
}

void ReadPadShapeWord(SExprReader& reader, std::string_view word, Pad& pad, size_t offset) {
    if (word == "circle") {
        pad.shape = PadShape::Circle;
    } else if (word == "rect") {
        pad.shape = PadShape::Rect;
    } else if (word == "oval") {
        pad.shape = PadShape::Oval;
    } else if (word == "roundrect") {
        pad.shape = PadShape::RoundRect;
    } else if (word == "trapezoid") {
        pad.shape = PadShape::Trapezoid;
    } else if (word == "custom") {
        pad.shape = PadShape::Custom;
    } else {
        reader.Fail(offset, "unknown pad shape \"" + std::string(word.substr(0, 40)) + "\"");
    }
}

Pad ReadPad(SExprReader& reader, bool& everyCopper) {
    Pad pad;
    pad.number = std::string(reader.Text());
    reader.Peek();
    size_t offset = reader.TokenOffset();
    const std::string_view kind = reader.Text();
    if (kind == "smd") {
        pad.kind = PadKind::Smd;
    } else if (kind == "thru_hole") {
        pad.kind = PadKind::ThruHole;
    } else if (kind == "np_thru_hole") {
        pad.kind = PadKind::NpThruHole;
    } else if (kind == "connect") {
        pad.kind = PadKind::Connect;
    } else {
        reader.Fail(offset, "unknown pad kind \"" + std::string(kind.substr(0, 40)) +
                                "\" (smd, thru_hole, np_thru_hole or connect)");
    }
    reader.Peek();
    offset = reader.TokenOffset();
    ReadPadShapeWord(reader, reader.Text(), pad, offset);
    everyCopper = false;
    Children(reader, [&](std::string_view head) {
        if (head == "at") {
            pad.local = ReadPoint(reader);
            if (reader.Peek() == Token::Atom) {
                pad.angle = ReadAngle(reader);
            }
        } else if (head == "size") {
            pad.width = ReadWidth(reader);
            pad.height = ReadWidth(reader);
        } else if (head == "drill") {
            if (reader.NextIs("oval")) {
                pad.slot = true;
            }
            if (reader.Peek() == Token::Atom) {
                pad.drillX = pad.drillY = ReadWidth(reader);
                if (reader.Peek() == Token::Atom) {
                    pad.drillY = ReadWidth(reader);
                }
            }
            Children(reader, [&](std::string_view inner) {
                if (inner == "offset") {
                    pad.offset = ReadPoint(reader);
                }
            });
        } else if (head == "layers") {
            pad.copper = ReadCopperLayers(reader, everyCopper);
        } else if (head == "net") {
            pad.net = static_cast<int>(reader.Integer(0, 1 << 30));
        } else if (head == "primitives") {
            Children(reader, [&](std::string_view inner) {
                if (inner.substr(0, 3) != "gr_") {
                    return;
                }
                Shape shape;
                bool edge = false;
                if (ReadShape(reader, inner.substr(3), shape, edge)) {
                    Rect box = ShapeBox(shape);
                    box.Grow(shape.width / 2);
                    pad.customBox.Add(box);
                }
            });
        }
    });
    return pad;
}

Footprint ReadFootprint(SExprReader& reader, Board& board,
                        std::vector<std::pair<size_t, size_t>>& everyCopperPads) {
    Footprint footprint;
    footprint.offset = reader.ListOffset();
    if (reader.Peek() != Token::Open) {
        footprint.libId = Latin1Name(reader.Text());
    }
    std::vector<Shape> edges;
    Children(
        reader,
        [&](std::string_view head) {
            if (head == "layer") {
                footprint.bottom = reader.Text() == "B.Cu";
            } else if (head == "at") {
                footprint.position = ReadPoint(reader);
                if (reader.Peek() == Token::Atom) {
                    footprint.angle = ReadAngle(reader);
                }
            } else if (head == "path") {
                footprint.path = std::string(reader.Text());
            } else if (head == "descr") {
                footprint.description = Latin1Name(reader.Text());
            } else if (head == "attr") {
                while (reader.More()) {
                    if (reader.Peek() == Token::Open) {
                        reader.Skip();
                        continue;
                    }
                    const std::string_view word = reader.Text();
                    if (word == "board_only") {
                        footprint.boardOnly = true;
                    } else if (word == "smd") {
                        footprint.type = "SMD";
                    } else if (word == "through_hole") {
                        footprint.type = "THT";
                    }
                }
            } else if (head == "fp_text") {
                const std::string_view kind = reader.Text();
                if (kind == "reference") {
                    footprint.reference = Latin1Name(reader.Text());
                } else if (kind == "value") {
                    footprint.value = Latin1Name(reader.Text());
                }
            } else if (head == "property") {
                const std::string key(reader.Text());
                if (key == "Reference") {
                    footprint.reference = Latin1Name(reader.Text());
                } else if (key == "Value") {
                    footprint.value = Latin1Name(reader.Text());
                }
            } else if (head == "pad") {
                bool every = false;
                footprint.pads.push_back(ReadPad(reader, every));
                if (every) {
                    everyCopperPads.emplace_back(board.footprints.size(), footprint.pads.size() - 1);
                }
            } else if (head.substr(0, 3) == "fp_") {
                Shape shape;
                bool edge = false;
                if (ReadShape(reader, head.substr(3), shape, edge) && edge) {
                    edges.push_back(std::move(shape));
                }
            }
        },
        [](std::string_view) {});
    for (Pad& pad : footprint.pads) {
        const Point turned = Rotated(pad.local, footprint.angle);
        pad.position = Point{footprint.position.x + turned.x, footprint.position.y + turned.y};
    }
    for (const Shape& shape : edges) {
        board.edges.Add(ShapeBox(Placed(shape, footprint.position, footprint.angle)));
    }
    return footprint;
}

void ReadTrack(SExprReader& reader, Board& board, bool arc) {
    Track track;
    track.arc = arc;
    track.layer = -1;
    size_t layerOffset = reader.ListOffset();
    Children(reader, [&](std::string_view head) {
        if (head == "start") {
            track.start = ReadPoint(reader);
        } else if (head == "mid") {
            track.mid = ReadPoint(reader);
        } else if (head == "end") {
            track.end = ReadPoint(reader);
        } else if (head == "width") {
            track.width = ReadWidth(reader);
        } else if (head == "layer") {
            reader.Peek();
            layerOffset = reader.TokenOffset();
            track.layer = ReadLayerName(reader).copper;
            if (track.layer < 0) {
                reader.Fail(layerOffset, "a track must lie on one copper layer");
            }
        } else if (head == "net") {
            track.net = static_cast<int>(reader.Integer(0, 1 << 30));
        }
    });
    if (track.layer < 0) {
        reader.Fail(layerOffset, "the track names no copper layer");
    }
    if (!arc) {
        track.mid = track.start;
    }
    board.tracks.push_back(track);
}

void ReadVia(SExprReader& reader, Board& board) {
    Via via;
    std::vector<int> layers;
    size_t layersOffset = reader.ListOffset();
    Children(
        reader,
        [&](std::string_view head) {
            if (head == "at") {
                via.position = ReadPoint(reader);
            } else if (head == "size") {
                via.size = ReadWidth(reader);
            } else if (head == "drill") {
                via.drill = ReadWidth(reader);
            } else if (head == "layers") {
                layersOffset = reader.ListOffset();
                while (reader.More()) {
                    if (reader.Peek() == Token::Open) {
                        reader.Skip();
                        continue;
                    }
                    const int layer = CopperLayer(reader.Text());
                    if (layer >= 0) {
                        layers.push_back(layer);
                    } else if (layer == AllCopperLayers) {
                        layers.push_back(0);
                        layers.push_back(31);
                    }
                }
            } else if (head == "net") {
                via.net = static_cast<int>(reader.Integer(0, 1 << 30));
            }
        },
        [&](std::string_view word) {
            if (word == "blind") {
                via.kind = ViaKind::BlindBuried;
            } else if (word == "micro") {
                via.kind = ViaKind::Micro;
            }
        });
    if (layers.empty()) {
        reader.Fail(layersOffset, "the via names no copper layers");
    }
    via.top = 31;
    via.bottom = 0;
    for (const int layer : layers) {
        via.top = std::min(via.top, layer);
        via.bottom = std::max(via.bottom, layer);
    }
    board.vias.push_back(via);
}

void ReadZone(SExprReader& reader, Board& board, std::vector<size_t>& everyCopperZones) {
    Zone zone;
    bool every = false;
    Children(reader, [&](std::string_view head) {
        if (head == "net") {
            zone.net = static_cast<int>(reader.Integer(0, 1 << 30));
        } else if (head == "layer") {
            const int layer = ReadLayerName(reader).copper;
            if (layer >= 0) {
                zone.copper |= 1u << layer;
            } else if (layer == AllCopperLayers) {
                every = true;
            }
        } else if (head == "layers") {
            zone.copper |= ReadCopperLayers(reader, every);
        } else if (head == "keepout") {
            zone.keepout = true;
        } else if (head == "polygon") {
            Children(reader, [&](std::string_view inner) {
                if (inner == "pts") {
                    ReadPoints(reader, zone.outline);
                }
            });
        } else if (head == "filled_polygon") {
            ZoneFill fill;
            fill.layer = -1;
            Children(reader, [&](std::string_view inner) {
                if (inner == "layer") {
                    fill.layer = ReadLayerName(reader).copper;
                } else if (inner == "pts") {
                    ReadPoints(reader, fill.outline);
                }
            });
            zone.fills.push_back(std::move(fill));
        }
    });
    if (every) {
        everyCopperZones.push_back(board.zones.size());
    }
    // Older boards write no layer on a fill: it lies on the zone's one layer.
    for (ZoneFill& fill : zone.fills) {
        if (fill.layer < 0) {
            for (int layer = 0; layer < 32; ++layer) {
                if (zone.copper & (1u << layer)) {
                    fill.layer = layer;
                    break;
                }
            }
        }
    }
    board.zones.push_back(std::move(zone));
}

void ReadLayers(SExprReader& reader, Board& board) {
    Children(reader, [&](std::string_view head) {
        // (0 "F.Cu" signal ["user name"])
        (void)head;
        const int id = CopperLayer(reader.Text());
        if (id >= 0) {
            board.copperLayers |= 1u << id;
        }
    });
    for (int layer = 0; layer < 32; ++layer) {
        if (board.copperLayers & (1u << layer)) {
            board.copperNames[static_cast<size_t>(layer)] = layer == 0 ? "F.Cu"
                                                            : layer == 31
                                                                ? "B.Cu"
                                                                : "In" + std::to_string(layer) + ".Cu";
        }
    }
}

} // namespace

void ReadTitleBlock(SExprReader& reader, TitleBlock& title) {
    Children(reader, [&](std::string_view head) {
        if (head == "title") {
            title.title = Latin1Name(reader.Text());
        } else if (head == "date") {
            title.date = Latin1Name(reader.Text());
        } else if (head == "rev") {
            title.revision = Latin1Name(reader.Text());
        } else if (head == "company") {
            title.company = Latin1Name(reader.Text());
        } else if (head == "comment") {
            reader.Integer(1, 9);
            title.comments.push_back(Latin1Name(reader.Text()));
        }
    });
}

Board ReadBoard(SExprReader& reader) {
    Board board;
    reader.Peek();
    const size_t start = reader.TokenOffset();
    if (reader.Peek() != Token::Open || reader.Open() != "kicad_pcb") {
        reader.Fail(start, "not a KiCad board: the file does not begin with \"(kicad_pcb\"");
    }
    std::vector<std::pair<size_t, size_t>> everyCopperPads;
    std::vector<size_t> everyCopperZones;
    bool versionSeen = false;
    Children(reader, [&](std::string_view head) {
        if (!versionSeen && head != "version") {
            reader.Fail(reader.ListOffset(), "the board names no format version before \"" +
                                                 std::string(head.substr(0, 40)) + "\"");
        }
        if (head == "version") {
            reader.Peek();
            const size_t offset = reader.TokenOffset();
            board.version = reader.Integer(0, 99999999);
            versionSeen = true;
            if (board.version > NewestBoardVersion) {
                reader.Fail(offset,
                            "the board is in a newer format (version " + std::to_string(board.version) +
                                ", KiCad 7 or later); this program reads KiCad 6 boards (up to version " +
                                std::to_string(NewestBoardVersion) + ")");
            }
            if (board.version < OldestBoardVersion) {
                reader.Fail(offset, "the board is in an older format (version " +
                                        std::to_string(board.version) +
                                        ", KiCad 4 or earlier); open it in KiCad 6 and save it again");
            }
        } else if (head == "layers") {
            ReadLayers(reader, board);
        } else if (head == "net") {
            const int code = static_cast<int>(reader.Integer(0, 1 << 30));
            board.nets.emplace_back(code, Latin1Name(reader.Text()));
        } else if (head == "title_block") {
            ReadTitleBlock(reader, board.title);
        } else if (head == "footprint" || head == "module") {
            board.footprints.push_back(ReadFootprint(reader, board, everyCopperPads));
        } else if (head == "segment") {
            ReadTrack(reader, board, false);
        } else if (head == "arc") {
            ReadTrack(reader, board, true);
        } else if (head == "via") {
            ReadVia(reader, board);
        } else if (head == "zone") {
            ReadZone(reader, board, everyCopperZones);
        } else if (head.substr(0, 3) == "gr_") {
            Shape shape;
            bool edge = false;
            if (ReadShape(reader, head.substr(3), shape, edge)) {
                if (edge) {
                    board.edges.Add(ShapeBox(shape));
                } else if (shape.layer >= 0) {
                    board.copperShapes.push_back(std::move(shape));
                }
            }
        }
    });
    reader.ExpectEnd();
    for (const auto& [footprint, pad] : everyCopperPads) {
        board.footprints[footprint].pads[pad].copper |= board.copperLayers;
    }
    for (const size_t zone : everyCopperZones) {
        board.zones[zone].copper |= board.copperLayers;
    }
    return board;
}

} // namespace vxw::kicad
