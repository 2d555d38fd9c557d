#!/usr/bin/python3
"""Writes site-plan.dxf: a small detailed-plan sheet (road edges, parcels with
bulged corners, buildings, labels, a tree symbol block) used by the README's
main job. Run with Debian's python3 and python3-ezdxf."""
import math
import sys

import ezdxf

doc = ezdxf.new("R2010")
doc.header["$INSUNITS"] = 6  # metres
for name, color in [("道路边线", 1), ("地块", 3), ("建筑", 5), ("注记", 7), ("绿化", 94)]:
    doc.layers.add(name, color=color)
doc.appids.add("FAPP_PARCEL")
msp = doc.modelspace()

# Road edges: two parallel streets crossing at right angles, kerb returns as arcs.
for y in (0.0, 24.0):
    msp.add_line((-200, y), (-12, y), dxfattribs={"layer": "道路边线"})
    msp.add_line((12, y), (200, y), dxfattribs={"layer": "道路边线"})
for x in (-12.0, 12.0):
    msp.add_line((x, -150), (x, -12 if x < 0 else -12), dxfattribs={"layer": "道路边线"})

# Parcels: closed polylines with a rounded street corner (bulge), each with its code.
parcel = 0
for row in range(3):
    for col in range(4):
        x0 = 20 + col * 45
        y0 = 32 + row * 40
        r = 6.0
        pts = [(x0 + r, y0, 0, 0, 0), (x0 + 40, y0, 0, 0, 0), (x0 + 40, y0 + 35, 0, 0, 0),
               (x0, y0 + 35, 0, 0, 0), (x0, y0 + r, 0, 0, -math.tan(math.pi / 8))]
        pl = msp.add_lwpolyline(pts, format="xyseb", close=True, dxfattribs={"layer": "地块"})
        parcel += 1
        code = f"A-{row + 1}{col + 1:02d}"
        pl.set_xdata("FAPP_PARCEL", [(1000, code), (1040, 40 * 35 - (4 - math.pi) * r * r / 4)])
        msp.add_text(code, dxfattribs={"layer": "注记", "height": 2.5, "insert": (x0 + 15, y0 + 16)})
        # A building footprint inside every other parcel.
        if (row + col) % 2 == 0:
            msp.add_lwpolyline([(x0 + 8, y0 + 8), (x0 + 30, y0 + 8), (x0 + 30, y0 + 26), (x0 + 8, y0 + 26)],
                               close=True, dxfattribs={"layer": "建筑"})

# A tree symbol, inserted along the street.
tree = doc.blocks.new("TREE")
tree.add_circle((0, 0), 1.5, dxfattribs={"layer": "0"})
tree.add_line((-1, 0), (1, 0))
for i in range(12):
    msp.add_blockref("TREE", (20 + i * 15, 28), dxfattribs={"layer": "绿化"})

doc.saveas(sys.argv[1] if len(sys.argv) > 1 else "site-plan.dxf")
