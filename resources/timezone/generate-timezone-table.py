#!/usr/bin/env python3
"""Writes the time-zone table of the client from the system's compiled zoneinfo.

The table is Boost date_time's time-zone CSV: a header line, then one line per
region with eleven quoted fields (ID, standard and daylight-saving
abbreviations and names, GMT offset, DST adjustment, start and end rules and
times). Every "Area/Location" region under the zoneinfo directory is written,
in byte order of its name.

A region's rule is the one in force after the last transition recorded in its
TZif file, read from the POSIX TZ string that TZif version 2 and later files
carry as their footer. tzdata has no long zone names, so the name fields repeat
the abbreviations.

Usage: generate-timezone-table.py [--zoneinfo DIR] [--output FILE]
"""

import argparse
import os
import re
import struct
import sys

HEADER = ('"ID","STD ABBR","STD NAME","DST ABBR","DST NAME","GMT offset",'
          '"DST adjustment","DST Start Date rule","Start time",'
          '"DST End date rule","End time"')

# Trees that repeat the main tree with other leap-second handling.
SKIPPED_TREES = {"posix", "right"}

# A transition happens at 02:00:00 local time unless the rule says otherwise.
DEFAULT_TRANSITION_SECONDS = 2 * 3600


class TableError(Exception):
    pass


def read_footer(data, region):
    """The POSIX TZ string that ends a TZif file of version 2 or later."""
    if data[:4] != b"TZif":
        raise TableError(f"{region}: not a TZif file")
    if data[4:5] in (b"\0", b""):
        raise TableError(f"{region}: TZif version 1 has no rule")
    isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt = struct.unpack(">6l", data[20:44])
    # Skip the version 1 block (32-bit times) and the version 2 header.
    offset = 44 + timecnt * 5 + typecnt * 6 + charcnt + leapcnt * 8 + isstdcnt + isutcnt
    if data[offset:offset + 4] != b"TZif":
        raise TableError(f"{region}: damaged TZif file")
    isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt = struct.unpack(">6l", data[offset + 20:offset + 44])
    offset += 44 + timecnt * 9 + typecnt * 6 + charcnt + leapcnt * 12 + isstdcnt + isutcnt
    footer = data[offset:]
    if not footer.startswith(b"\n") or b"\n" not in footer[1:]:
        raise TableError(f"{region}: TZif footer missing")
    tz = footer[1:footer.index(b"\n", 1)].decode("ascii")
    if not tz:
        raise TableError(f"{region}: no rule after the last transition")
    return tz


NAME = r"(?:<(?P<{0}q>[A-Za-z0-9+-]+)>|(?P<{0}a>[A-Za-z]{{3,}}))"
OFFSET = r"[+-]?\d{1,3}(?::\d{2}){0,2}"
RULE = r"M(?P<{0}month>\d{{1,2}})\.(?P<{0}week>[1-5])\.(?P<{0}day>[0-6])(?:/(?P<{0}time>{1}))?"
POSIX_TZ = re.compile(
    "^" + NAME.format("std") + f"(?P<stdoffset>{OFFSET})"
    + "(?:" + NAME.format("dst") + f"(?P<dstoffset>{OFFSET})?"
    + "," + RULE.format("start", OFFSET) + "," + RULE.format("end", OFFSET) + ")?$")


def seconds(text):
    """Seconds of a signed [h]h[:mm[:ss]] text."""
    sign = -1 if text.startswith("-") else 1
    parts = [int(part) for part in text.lstrip("+-").split(":")]
    parts += [0] * (3 - len(parts))
    return sign * (parts[0] * 3600 + parts[1] * 60 + parts[2])


def duration(total):
    sign = "-" if total < 0 else "+"
    total = abs(total)
    return f"{sign}{total // 3600:02d}:{total % 3600 // 60:02d}:{total % 60:02d}"


def rule(match, prefix):
    """Boost's "week;weekday;month" (week -1 is the last) and the local time of the change."""
    week = int(match[prefix + "week"])
    text = f"{-1 if week == 5 else week};{match[prefix + 'day']};{match[prefix + 'month']}"
    time = match[prefix + "time"]
    return text, seconds(time) if time else DEFAULT_TRANSITION_SECONDS


def row_from_posix(region, tz):
    match = POSIX_TZ.match(tz)
    if not match:
        raise TableError(f"{region}: unsupported POSIX TZ string {tz!r}")
    std_abbrev = match["stdq"] or match["stda"]
    # POSIX offsets count west of Greenwich; Boost's count east.
    std_offset = -seconds(match["stdoffset"])
    dst_abbrev = match["dstq"] or match["dsta"]
    if not dst_abbrev:
        return (region, std_abbrev, std_offset, None)
    dst_offset = -seconds(match["dstoffset"]) if match["dstoffset"] else std_offset + 3600
    start = rule(match, "start")
    end = rule(match, "end")
    if dst_offset < std_offset:
        # Negative daylight saving (winter time, as in Ireland): the summer
        # time is the standard time's counterpart. Each change keeps its local
        # time, which is measured in the time in force before the change.
        std_abbrev, dst_abbrev = dst_abbrev, std_abbrev
        std_offset, dst_offset = dst_offset, std_offset
        start, end = end, start
    return (region, std_abbrev, std_offset, (dst_abbrev, dst_offset - std_offset, start, end))


def csv_line(row):
    region, std_abbrev, std_offset, dst = row
    if dst is None:
        fields = [region, std_abbrev, std_abbrev, "", "", duration(std_offset), duration(0),
                  "", duration(0), "", duration(0)]
    else:
        dst_abbrev, adjustment, (start_rule, start_time), (end_rule, end_time) = dst
        fields = [region, std_abbrev, std_abbrev, dst_abbrev, dst_abbrev, duration(std_offset),
                  duration(adjustment), start_rule, duration(start_time), end_rule, duration(end_time)]
    return ",".join(f'"{field}"' for field in fields)


def region_row(zoneinfo, region):
    with open(os.path.join(zoneinfo, region), "rb") as file:
        return row_from_posix(region, read_footer(file.read(), region))


def regions(zoneinfo):
    found = []
    for directory, subdirectories, files in os.walk(zoneinfo):
        subdirectories[:] = [name for name in subdirectories
                             if not (directory == zoneinfo and name in SKIPPED_TREES)]
        for name in files:
            region = os.path.relpath(os.path.join(directory, name), zoneinfo)
            if "/" not in region:
                continue
            with open(os.path.join(zoneinfo, region), "rb") as file:
                if file.read(4) == b"TZif":
                    found.append(region)
    return sorted(found, key=lambda region: region.encode())


def main():
    default_output = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "resource.tmz")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--zoneinfo", default="/usr/share/zoneinfo", help="compiled zoneinfo directory")
    parser.add_argument("--output", default=default_output, help="table file to write")
    arguments = parser.parse_args()

    zoneinfo = os.path.normpath(arguments.zoneinfo)
    try:
        lines = [csv_line(region_row(zoneinfo, region)) for region in regions(zoneinfo)]
    except (OSError, TableError) as error:
        print(f"generate-timezone-table: {error}", file=sys.stderr)
        return 1
    if not lines:
        print(f"generate-timezone-table: no regions under {zoneinfo}", file=sys.stderr)
        return 1
    with open(arguments.output, "w", encoding="ascii", newline="\n") as output:
        output.write(HEADER + "\n")
        output.writelines(line + "\n" for line in lines)
    print(f"generate-timezone-table: {len(lines)} regions written to {arguments.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
