#!/usr/bin/env python3
"""Counts what a KiCad board file holds, independently of the importer, as KiCad reports it:
footprints (front/back), pads by kind, vias by kind, track segments and arcs, copper layers,
and the Edge.Cuts outline's box (centre lines; arcs through their extreme points).

    tests/cli/kicad/count-kicad-board.py BOARD.kicad_pcb...

Used to check the importer's counts on KiCad's demo boards (docs/kicad-import.md)."""
import math
import re
import sys

TOKEN = re.compile(r'\s*(?:(\()|(\))|"((?:[^"\\]|\\.)*)"|([^\s()"]+))')


def parse(text):
    """The s-expression as nested Python lists of strings."""
    stack, top, pos = [], [], 0
    current = top
    while True:
        m = TOKEN.match(text, pos)
        if not m or m.end() == pos:
            break
        pos = m.end()
        if m.group(1):
            new = []
            current.append(new)
            stack.append(current)
            current = new
        elif m.group(2):
            current = stack.pop()
        elif m.group(3) is not None:
            current.append(m.group(3))
        else:
            current.append(m.group(4))
    return top[0]


def child(node, head):
    for item in node[1:]:
        if isinstance(item, list) and item and item[0] == head:
            return item
    return None


def children(node, head):
    return [item for item in node[1:] if isinstance(item, list) and item and item[0] == head]


def xy(node):
    return float(node[1]), float(node[2])


def arc_points(shape):
    """Start, end and the axis points an arc passes, for its box."""
    if child(shape, 'mid') is not None:
        s, m, e = xy(child(shape, 'start')), xy(child(shape, 'mid')), xy(child(shape, 'end'))
    else:  # centre, start, angle
        c, s = xy(child(shape, 'start')), xy(child(shape, 'end'))
        a = math.radians(float(child(shape, 'angle')[1]))
        def turn(p, t):
            dx, dy = p[0] - c[0], p[1] - c[1]
            return (c[0] + dx * math.cos(t) + dy * math.sin(t), c[1] + dy * math.cos(t) - dx * math.sin(t))
        m, e = turn(s, -a / 2), turn(s, -a)
    d = 2 * (s[0] * (m[1] - e[1]) + m[0] * (e[1] - s[1]) + e[0] * (s[1] - m[1]))
    if abs(d) < 1e-12:
        return [s, e]
    ux = ((s[0]**2 + s[1]**2) * (m[1] - e[1]) + (m[0]**2 + m[1]**2) * (e[1] - s[1]) + (e[0]**2 + e[1]**2) * (s[1] - m[1])) / d
    uy = ((s[0]**2 + s[1]**2) * (e[0] - m[0]) + (m[0]**2 + m[1]**2) * (s[0] - e[0]) + (e[0]**2 + e[1]**2) * (m[0] - s[0])) / d
    r = math.hypot(s[0] - ux, s[1] - uy)
    ang = lambda p: math.atan2(p[1] - uy, p[0] - ux) % (2 * math.pi)
    a0, am, a1 = ang(s), ang(m), ang(e)
    fwd = (a1 - a0) % (2 * math.pi)
    start, sweep = (a0, fwd) if (am - a0) % (2 * math.pi) <= fwd else (a1, 2 * math.pi - fwd)
    points = [s, e]
    for q in range(4):
        t = q * math.pi / 2
        if (t - start) % (2 * math.pi) <= sweep:
            points.append((ux + r * math.cos(t), uy + r * math.sin(t)))
    return points


def shape_points(shape):
    kind = shape[0].split('_', 1)[1]
    if kind == 'line' or kind == 'rect':
        return [xy(child(shape, 'start')), xy(child(shape, 'end'))]
    if kind == 'arc':
        return arc_points(shape)
    if kind == 'circle':
        c, e = xy(child(shape, 'center')), xy(child(shape, 'end'))
        r = math.hypot(e[0] - c[0], e[1] - c[1])
        return [(c[0] - r, c[1] - r), (c[0] + r, c[1] + r)]
    if kind == 'poly':
        return [xy(p) for p in children(child(shape, 'pts'), 'xy')]
    return []


def place(points, at):
    x0, y0 = float(at[1]), float(at[2])
    a = math.radians(float(at[3])) if len(at) > 3 else 0.0
    return [(x0 + x * math.cos(a) + y * math.sin(a), y0 + y * math.cos(a) - x * math.sin(a)) for x, y in points]


def count(path):
    board = parse(open(path, encoding='utf-8').read())
    result = {'footprints': 0, 'front': 0, 'back': 0,
              'smd': 0, 'thru_hole': 0, 'np_thru_hole': 0, 'connect': 0,
              'through': 0, 'blind': 0, 'micro': 0, 'segments': 0, 'arcs': 0}
    result['copper_layers'] = sum(1 for layer in child(board, 'layers')[1:] if layer[1].endswith('.Cu'))
    edges = []
    for item in board[1:]:
        if not isinstance(item, list):
            continue
        head = item[0]
        if head in ('footprint', 'module'):
            result['footprints'] += 1
            result['back' if child(item, 'layer')[1] == 'B.Cu' else 'front'] += 1
            for pad in children(item, 'pad'):
                result[pad[2]] += 1
            for shape in item[1:]:
                if isinstance(shape, list) and shape[0].startswith('fp_') and shape[0] != 'fp_text' \
                        and child(shape, 'layer') is not None and child(shape, 'layer')[1] == 'Edge.Cuts':
                    edges += place(shape_points(shape), child(item, 'at'))
        elif head == 'segment':
            result['segments'] += 1
        elif head == 'arc':
            result['arcs'] += 1
        elif head == 'via':
            kind = 'blind' if 'blind' in item else 'micro' if 'micro' in item else 'through'
            result[kind] += 1
        elif head.startswith('gr_') and head != 'gr_text' and child(item, 'layer') is not None \
                and child(item, 'layer')[1] == 'Edge.Cuts':
            edges += shape_points(item)
    if edges:
        xs, ys = [p[0] for p in edges], [p[1] for p in edges]
        result['width_mm'] = round(max(xs) - min(xs), 4)
        result['height_mm'] = round(max(ys) - min(ys), 4)
    return result


if __name__ == '__main__':
    for name in sys.argv[1:]:
        c = count(name)
        print(f"{name}: footprints {c['footprints']} (front {c['front']}, back {c['back']}); "
              f"pads smd {c['smd']}, thru_hole {c['thru_hole']}, np_thru_hole {c['np_thru_hole']}, "
              f"connect {c['connect']}; vias through {c['through']}, blind/buried {c['blind']}, micro {c['micro']}; "
              f"segments {c['segments']}, arcs {c['arcs']}; copper layers {c['copper_layers']}; "
              f"board {c.get('width_mm', '-')} x {c.get('height_mm', '-')} mm")
