#!/usr/bin/env python3
"""Reads back what vandelor.exe carries for Explorer: its version resource,
its manifest and its icon.

    exe_facts.py EXE           prints "version 1.0.0.17" and the other facts
    exe_facts.py EXE --check   checks them against what the program must carry
"""
import sys

import pefile

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
GERMAN_UNICODE = b"040704B0"


def facts(path):
    pe = pefile.PE(path)
    found = {"resources": set()}
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        found["resources"].add(entry.id)
        if entry.id == RT_MANIFEST:
            leaf = entry.directory.entries[0].directory.entries[0].data.struct
            found["manifest"] = pe.get_data(leaf.OffsetToData, leaf.Size).decode("utf-8")
    fixed = pe.VS_FIXEDFILEINFO[0]
    found["version"] = "%d.%d.%d.%d" % (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
                                        fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                found["language"] = table.LangID
                found["strings"] = {k.decode(): v.decode() for k, v in table.entries.items()}
    return found


def problems(found):
    strings = found.get("strings", {})
    manifest = found.get("manifest", "")
    wanted = [
        (found["version"] == strings.get("FileVersion") == strings.get("ProductVersion"),
         "file and product version agree with the fixed version"),
        (strings.get("ProductName") == "Vandelor", "product name Vandelor"),
        (found.get("language") == GERMAN_UNICODE, "strings in German"),
        ("Messpunkte" in strings.get("FileDescription", ""), "a German file description"),
        ({RT_ICON, RT_GROUP_ICON} <= found["resources"], "an icon"),
        ('level="asInvoker"' in manifest, "no elevation prompt"),
        ("PerMonitorV2" in manifest, "per-monitor DPI awareness v2"),
        ("Microsoft.Windows.Common-Controls" in manifest and 'version="6.0.0.0"' in manifest,
         "common controls 6"),
        ("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a" in manifest, "Windows 10 and 11 supported"),
    ]
    return [what for ok, what in wanted if not ok]


def main():
    found = facts(sys.argv[1])
    if "--check" in sys.argv[2:]:
        missing = problems(found)
        for what in missing:
            print("missing: " + what, file=sys.stderr)
        return 1 if missing else 0
    print("version " + found["version"])
    for key, value in sorted(found.get("strings", {}).items()):
        print("%s %s" % (key, value))
    return 0


if __name__ == "__main__":
    sys.exit(main())
