#!/usr/bin/env python3
"""Writes the drawings of the DXF round-trip corpus with ezdxf, an
independent DXF writer, into the folder given.

usage: make_corpus.py OUTDIR
"""
import math
import os
import sys

import ezdxf


TEXT = "中文说明"


def fill_common(doc, with_newer=True):
    msp = doc.modelspace()
    doc.layers.add("WALLS", color=1)
    doc.layers.add("DOORS", color=3, linetype="DASHED") if "DASHED" in doc.linetypes else None
    doc.appids.add("VESK")
    msp.add_line((0, 0, 0), (10, 5, 0), dxfattribs={"layer": "WALLS"})
    line = msp.add_line((1.0 / 3.0, 2e10), (-7.5, 0.1), dxfattribs={"color": 5, "lineweight": 35})
    line.set_xdata("VESK", [(1000, "xdata text"), (1040, math.pi), (1070, 7), (1010, (1, 2, 3))])
    msp.add_circle((5, 5), 2.5)
    msp.add_arc((0, 0), 3, 10, 200)
    msp.add_point((4, 4, 4))
    msp.add_text("Hello", dxfattribs={"height": 2.5, "insert": (1, 1)})
    pl = msp.add_polyline2d([(0, 0), (3, 4), (6, 0)], dxfattribs={"layer": "WALLS"})
    pl.close(True)
    msp.add_polyline3d([(0, 0, 0), (1, 2, 3), (4, 5, 6)])
    blk = doc.blocks.new("DOOR", base_point=(1, 1))
    blk.add_line((0, 0), (0, 2))
    blk.add_attdef("TAG", (0, 1), dxfattribs={"height": 1.0})
    ref = msp.add_blockref("DOOR", (20, 20))
    ref.add_attrib("TAG", "D7", (20, 21))
    mesh = msp.add_polymesh(size=(3, 3))  # a polyline kind kept as read, vertices and all
    for m in range(3):
        for n in range(3):
            mesh.set_mesh_vertex((m, n), (m, n, m * n))
    if with_newer:
        lw = msp.add_lwpolyline([(0, 0, 0, 0, 0.5), (10, 0, 0, 0, 0), (10, 10, 0, 0, -1)], format="xyseb")
        lw.set_xdata("VESK", [(1000, "polyline data"), (1071, 123456)])
        msp.add_ellipse((0, 0), major_axis=(5, 0), ratio=0.5)
        msp.add_spline([(0, 0), (1, 2), (3, 1), (5, 4)])
        msp.add_mtext("Multi\\Pline text", dxfattribs={"char_height": 1.0})
        msp.add_line((0, 0), (1, 1), dxfattribs={"true_color": ezdxf.rgb2int((10, 200, 30))})
        xline = msp.add_xline((0, 0), (1, 1))  # not modelled here: kept as a proxy
        xline.set_xdata("VESK", [(1000, "on a kept entity")])
        dct = line.new_extension_dict()
        xrec = dct.add_xrecord("VESK_DATA")
        xrec.extend([(1, "xrecord text"), (40, 2.5), (70, 3), (10, (1, 2, 3))])
        group = doc.groups.new("PAIR")
        group.extend([line, pl])
        hatch = msp.add_hatch(color=2)
        hatch.paths.add_polyline_path([(0, 0), (5, 0), (5, 5), (0, 5)], is_closed=True)
        doc.layouts.get("Layout1").add_line((0, 0), (2, 2))


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    doc = ezdxf.new("R2010", setup=True)
    fill_common(doc)
    doc.saveas(os.path.join(outdir, "ezdxf_r2010.dxf"))

    doc = ezdxf.new("R2018", setup=True)
    fill_common(doc)
    doc.saveas(os.path.join(outdir, "ezdxf_r2018.dxf"))

    # Before AC1021 ezdxf writes characters beyond the code page as \U+XXXX
    # escapes; that file tests the escapes, and a copy turned into a real
    # ANSI_936 (GBK) drawing tests the code page.
    doc = ezdxf.new("R2000")
    fill_common(doc)
    doc.modelspace().add_text(TEXT, dxfattribs={"insert": (0, 10)})
    escaped = os.path.join(outdir, "ezdxf_r2000_escapes.dxf")
    doc.saveas(escaped)
    with open(escaped, "rb") as f:
        data = f.read()
    escapes = "".join("\\U+%04x" % ord(c) for c in TEXT).encode("ascii")
    assert escapes in data, "ezdxf wrote the text differently than expected"
    data = data.replace(escapes, TEXT.encode("gbk"))
    data = data.replace(b"\n  3\nANSI_1252\n", b"\n  3\nANSI_936\n", 1)
    with open(os.path.join(outdir, "ezdxf_r2000_gbk.dxf"), "wb") as f:
        f.write(data)

    doc = ezdxf.new("R12")
    fill_common(doc, with_newer=False)
    doc.saveas(os.path.join(outdir, "ezdxf_r12.dxf"))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(sys.argv[1]))
