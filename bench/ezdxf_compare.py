#!/usr/bin/env python3
"""Times ezdxf reading the drawing bench_dxf_io writes, for comparison with
our reader: MB/s, entities/s and peak memory.

usage: ezdxf_compare.py [FILE]   (default /tmp/vesk_bench_dxf_io.dxf; run
bench_dxf_io first to make it)
"""
import os
import resource
import sys
import time

try:
    import ezdxf
except ImportError:
    print("ezdxf is not installed (apt-get install python3-ezdxf)")
    sys.exit(2)


def main(path):
    if not os.path.exists(path):
        print(f"{path} does not exist: run bench_dxf_io first")
        return 2
    size_mb = os.path.getsize(path) / 1e6
    start = time.perf_counter()
    doc = ezdxf.readfile(path)
    elapsed = time.perf_counter() - start
    entities = len(doc.modelspace())
    peak_mb = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024.0
    print(f"ezdxf {ezdxf.__version__} read: {size_mb:.1f} MB in {elapsed:.2f} s = {size_mb / elapsed:.2f} MB/s, "
          f"{entities / elapsed:.0f} entities/s, peak RSS {peak_mb:.0f} MB ({entities} entities)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "/tmp/vesk_bench_dxf_io.dxf"))
