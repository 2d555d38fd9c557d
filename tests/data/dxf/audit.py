#!/usr/bin/env python3
"""Reads DXF files with ezdxf and audits them; prints every error found and
exits non-zero when a file does not load or its audit finds errors.

usage: audit.py FILE...
"""
import sys

import ezdxf
from ezdxf import recover


def audit(path):
    try:
        doc = ezdxf.readfile(path)
    except Exception as exc:  # noqa: BLE001 - any failure to load counts
        print(f"{path}: ezdxf cannot read it: {exc}")
        return False
    auditor = doc.audit()
    ok = True
    for err in auditor.errors:
        print(f"{path}: audit error {err.code}: {err.message}")
        ok = False
    for fix in auditor.fixes:
        print(f"{path}: audit fix {fix.code}: {fix.message}")
    return ok


def main(paths):
    if not paths:
        print(__doc__)
        return 2
    results = [audit(p) for p in paths]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
