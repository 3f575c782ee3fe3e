// Opening a large KiCad board as the batch command and the host open it: read, import (copper
// connectivity included) and build the kernel. The board is made here: 10,000 footprints
// (every tenth an 8-pin SOIC, the rest two-pad chips, a fifth of them on the bottom side),
// 100,000 track segments routing each footprint to the next, 9,999 vias, a ground zone on the bottom
// layer and an Edge.Cuts outline. Arguments: 1 that board, 2 one twice as large.

#include "kernel/DesignOpen.h"
#include "kernel/MemoryKernel.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kFootprints = 10000;
constexpr int kSegmentsPerNet = 10;

// Millimetres with four decimals, as KiCad writes lengths.
std::string Mm(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

std::string Board(int scale) {
    const int footprints = kFootprints * scale;
    const int columns = 100 * scale;
    std::string out;
    out.reserve(static_cast<size_t>(footprints) * 3000);
    out += "(kicad_pcb (version 20211014) (generator pcbnew)\n  (general (thickness 1.6))\n  (paper \"A0\")\n"
           "  (layers\n    (0 \"F.Cu\" signal)\n    (31 \"B.Cu\" signal)\n    (44 \"Edge.Cuts\" user)\n  )\n"
           "  (net 0 \"\")\n  (net 1 \"GND\")\n";
    // Net n + 2 joins the last pad of footprint n to the first pad of footprint n + 1.
    for (int n = 0; n + 1 < footprints; ++n) {
        out += "  (net " + std::to_string(n + 2) + " \"/N" + std::to_string(n) + "\")\n";
    }
    struct Placed {
        double x, y;
        int pads;
        bool bottom;
    };
    std::vector<Placed> placed;
    for (int f = 0; f < footprints; ++f) {
        const Placed p{5.0 + 4.0 * (f % columns), 5.0 + 8.0 * (f / columns), f % 10 == 0 ? 8 : 2, f % 5 == 4};
        placed.push_back(p);
        const std::string layer = p.bottom ? "B" : "F";
        out += "  (footprint \"" + std::string(p.pads == 8 ? "Package_SO:SOIC-8" : "Resistor_SMD:R_0805") +
               "\" (layer \"" + layer + ".Cu\")\n    (tedit 5F68FEEE) (tstamp 0)\n    (at " + Mm(p.x) + " " +
               Mm(p.y) + ")\n    (path \"/" + std::to_string(f) +
               "\")\n    (attr smd)\n    (fp_text reference \"U" + std::to_string(f) +
               "\" (at 0 -1.65) (layer \"" + layer +
               ".SilkS\")\n      (effects (font (size 1 1) (thickness 0.15)))\n    )\n";
        for (int pad = 0; pad < p.pads; ++pad) {
            const double dx = p.pads == 2 ? (pad == 0 ? -0.9 : 0.9) : -1.905 + 1.27 * (pad % 4);
            const double dy = p.pads == 2 ? 0.0 : (pad < 4 ? 2.7 : -2.7);
            // The first pad ends the previous net, the last begins the next; the rest are ground.
            int net = 1;
            if (pad == 0 && f > 0) {
                net = f + 1;
            } else if (pad == p.pads - 1 && f + 1 < footprints) {
                net = f + 2;
            }
            out += "    (pad \"" + std::to_string(pad + 1) + "\" smd roundrect (at " + Mm(dx) + " " + Mm(dy) +
                   ") (size 1.025 1.4) (layers \"" + layer + ".Cu\" \"" + layer + ".Paste\" \"" + layer +
                   ".Mask\") (roundrect_rratio 0.25)\n      (net " + std::to_string(net) +
                   " \"\") (tstamp 0))\n";
        }
        out += "  )\n";
    }
    // Each net routed on its first footprint's side, then the second's, through a via at its middle.
    for (int f = 0; f + 1 < footprints; ++f) {
        const Placed& a = placed[static_cast<size_t>(f)];
        const Placed& b = placed[static_cast<size_t>(f) + 1];
        const double x0 = a.x + (a.pads == 2 ? 0.9 : -1.905 + 1.27 * 3), y0 = a.y + (a.pads == 2 ? 0 : -2.7);
        const double x1 = b.x + (b.pads == 2 ? -0.9 : -1.905), y1 = b.y + (b.pads == 2 ? 0 : 2.7);
        const std::string net = std::to_string(f + 2);
        // Ten segments a net, eleven for the first ten nets: 100,000 on the board of scale 1.
        const int segments = kSegmentsPerNet + (f < 10 ? 1 : 0);
        for (int s = 0; s < segments; ++s) {
            const double t0 = static_cast<double>(s) / segments, t1 = static_cast<double>(s + 1) / segments;
            const std::string layer = (s < segments / 2 ? a.bottom : b.bottom) ? "B.Cu" : "F.Cu";
            out += "  (segment (start " + Mm(x0 + (x1 - x0) * t0) + " " + Mm(y0 + (y1 - y0) * t0) +
                   ") (end " + Mm(x0 + (x1 - x0) * t1) + " " + Mm(y0 + (y1 - y0) * t1) +
                   ") (width 0.25) (layer \"" + layer + "\") (net " + net + ") (tstamp 0))\n";
        }
        const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
        out += "  (via (at " + Mm(mx) + " " + Mm(my) +
               ") (size 0.8) (drill 0.4) (layers \"F.Cu\" \"B.Cu\") (net " + net + ") (tstamp 0))\n";
    }
    const double width = 10.0 + 4.0 * columns, height = 10.0 + 8.0 * ((footprints + columns - 1) / columns);
    out += "  (zone (net 1) (net_name \"GND\") (layer \"B.Cu\") (tstamp 0) (hatch edge 0.508)\n"
           "    (connect_pads (clearance 0.508)) (min_thickness 0.254)\n"
           "    (polygon (pts (xy 1 1) (xy " +
           Mm(width - 1) + " 1) (xy " + Mm(width - 1) + " " + Mm(height - 1) + ") (xy 1 " + Mm(height - 1) +
           ")))\n"
           "    (filled_polygon (layer \"B.Cu\") (pts (xy 1.5 1.5) (xy " +
           Mm(width - 1.5) + " 1.5) (xy " + Mm(width - 1.5) + " " + Mm(height - 1.5) + ") (xy 1.5 " +
           Mm(height - 1.5) + ")))\n  )\n";
    const std::string corners[4][2] = {
        {"0", "0"}, {Mm(width), "0"}, {Mm(width), Mm(height)}, {"0", Mm(height)}};
    for (int k = 0; k < 4; ++k) {
        out += "  (gr_line (start " + corners[k][0] + " " + corners[k][1] + ") (end " +
               corners[(k + 1) % 4][0] + " " + corners[(k + 1) % 4][1] +
               ") (layer \"Edge.Cuts\") (width 0.1) (tstamp 0))\n";
    }
    out += ")\n";
    return out;
}

// The board file of each size, written once.
QString BoardFile(int scale) {
    static QTemporaryDir dir;
    static std::map<int, QString> files;
    if (const auto found = files.find(scale); found != files.end()) {
        return found->second;
    }
    const QString path = dir.filePath(QStringLiteral("large%1.kicad_pcb").arg(scale));
    QFile file(path);
    const std::string text = Board(scale);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        return QString();
    }
    return files[scale] = path;
}

void BM_OpenKicadBoard(benchmark::State& state) {
    const QString path = BoardFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vxw::DesignFileResult loaded = vxw::LoadDesign(path);
        if (!loaded.Ok()) {
            state.SkipWithError(loaded.error.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(vxw::MemoryKernel::FromData(std::move(*loaded.design)));
    }
    state.counters["bytes"] = static_cast<double>(QFile(path).size());
}
BENCHMARK(BM_OpenKicadBoard)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
