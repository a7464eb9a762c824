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

The table holds one yearly rule per region, but tzdata may list one-off changes
ahead of that rule. For every region the generator compares, over the two
calendar years after the current one, the UTC offset and abbreviation that
tzdata gives with those that the written row gives in the client (which
decides daylight saving by comparing the UTC instant with the year's start and
end instants of the rule). Where they differ, the row written is the one right
for the longest time among the final rule, the yearly rule of the changes that
tzdata lists in those years and a fixed time for each of their states, and the
region and the spans that row gets wrong are printed.

Usage: generate-timezone-table.py [--zoneinfo DIR] [--output FILE] [--first-year YEAR]
"""

import argparse
import calendar
import datetime
import io
import os
import re
import struct
import sys
import zoneinfo

HEADER = ('"ID","STD ABBR","STD NAME","DST ABBR","DST NAME","GMT offset",'
          '"DST adjustment","DST Start Date rule","Start time",'
          '"DST End date rule","End time"')

# Trees that repeat the main tree with other leap-second handling.
SKIPPED_TREES = {"posix", "right"}

# A transition happens at 02:00:00 local time unless the rule says otherwise.
DEFAULT_TRANSITION_SECONDS = 2 * 3600


class TableError(Exception):
    pass


def read_tzif(data, region):
    """The UTC seconds of the transitions that a TZif file of version 2 or
    later lists, and the POSIX TZ string of its footer."""
    if data[:4] != b"TZif":
        raise TableError(f"{region}: not a TZif file")
    if data[4:5] in (b"\0", b""):
        raise TableError(f"{region}: TZif version 1 has no rule")
    isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt = struct.unpack(">6l", data[20:44])
    # Skip the version 1 block (32-bit times) and read the 64-bit one.
    offset = 44 + timecnt * 5 + typecnt * 6 + charcnt + leapcnt * 8 + isstdcnt + isutcnt
    if data[offset:offset + 4] != b"TZif":
        raise TableError(f"{region}: damaged TZif file")
    isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt = struct.unpack(">6l", data[offset + 20:offset + 44])
    offset += 44
    times = struct.unpack(f">{timecnt}q", data[offset:offset + timecnt * 8])
    offset += timecnt * 9 + typecnt * 6 + charcnt + leapcnt * 12 + isstdcnt + isutcnt
    footer = data[offset:]
    if not footer.startswith(b"\n") or b"\n" not in footer[1:]:
        raise TableError(f"{region}: TZif footer missing")
    tz = footer[1:footer.index(b"\n", 1)].decode("ascii")
    if not tz:
        raise TableError(f"{region}: no rule after the last transition")
    return times, tz


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


def fixed_row(region, offset, abbrev):
    return (region, abbrev, offset, None)


def rule_at(instant, offset):
    """The "week;weekday;month" rule and local time of day of a change at
    `instant` on a clock `offset` seconds east of UTC; a change in the last
    seven days of its month counts as on the last such weekday."""
    local = datetime.datetime.fromtimestamp(instant + offset, datetime.timezone.utc)
    days_in_month = calendar.monthrange(local.year, local.month)[1]
    week = -1 if local.day + 7 > days_in_month else (local.day - 1) // 7 + 1
    weekday = (local.weekday() + 1) % 7
    return f"{week};{weekday};{local.month}", local.hour * 3600 + local.minute * 60 + local.second


def yearly_row(region, changes, actual):
    """The yearly rule of the first change to summer time among `changes` and
    the change back after it; None when tzdata lists no such pair."""
    for start, end in zip(changes, changes[1:]):
        std_offset, std_abbrev = actual(start - 1)
        dst_offset, dst_abbrev = actual(start)
        if dst_offset > std_offset and actual(end) == (std_offset, std_abbrev):
            return (region, std_abbrev, std_offset,
                    (dst_abbrev, dst_offset - std_offset, rule_at(start, std_offset), rule_at(end, dst_offset)))
    return None


def change_instant(year, rule_text, local_seconds, offset):
    """UTC seconds of the change that a "week;weekday;month" rule places in
    `year`, `local_seconds` after the start of its day on a clock `offset`
    seconds east of UTC."""
    week, weekday, month = (int(part) for part in rule_text.split(";"))
    days_in_month = calendar.monthrange(year, month)[1]
    if week > 0:
        first_weekday = (calendar.weekday(year, month, 1) + 1) % 7
        day = 1 + (weekday - first_weekday) % 7 + 7 * (week - 1)
    else:
        last_weekday = (calendar.weekday(year, month, days_in_month) + 1) % 7
        day = days_in_month - (last_weekday - weekday) % 7
    return calendar.timegm((year, month, day, 0, 0, 0)) + local_seconds - offset


def row_year(row, instant):
    return datetime.datetime.fromtimestamp(instant + row[2], datetime.timezone.utc).year


def row_period(row, year):
    """UTC instants of the start and end of daylight saving in `year`."""
    _, _, std_offset, (_, adjustment, (start_rule, start_time), (end_rule, end_time)) = row
    return (change_instant(year, start_rule, start_time, std_offset),
            change_instant(year, end_rule, end_time, std_offset + adjustment))


def row_state(row, instant):
    """UTC offset and abbreviation that the client reads from `row` at `instant`:
    daylight saving when the instant lies between the UTC start and end of its
    year's period, or outside the end and start when the period runs over the
    turn of the year."""
    _, std_abbrev, std_offset, dst = row
    if dst is not None:
        start, end = row_period(row, row_year(row, instant))
        if (start <= instant < end) if start < end else (end < start and (instant < end or start <= instant)):
            return (std_offset + dst[1], dst[0])
    return (std_offset, std_abbrev)


def row_changes(row, first_year, last_year):
    """Instants at which the state that `row` gives may change: the start and
    end of every period and the turn of every year."""
    instants = set()
    for year in range(first_year - 1, last_year + 2):
        instants.add(calendar.timegm((year, 1, 1, 0, 0, 0)) - row[2])
        if row[3] is not None:
            instants.update(row_period(row, year))
    return instants


def wrong_spans(row, actual, instants, window):
    """The spans of `window` in which `row` and `actual` (UTC seconds to UTC
    offset and abbreviation) differ, given every instant at which either may
    change, and the seconds in which they agree."""
    begin, end = window
    points = sorted({begin} | {instant for instant in instants if begin < instant < end}) + [end]
    spans = []
    right = 0
    for start, stop in zip(points, points[1:]):
        if row_state(row, start) == actual(start):
            right += stop - start
        elif spans and spans[-1][1] == start:
            spans[-1] = (spans[-1][0], stop)
        else:
            spans.append((start, stop))
    return spans, right


def region_row(zoneinfo_directory, region, first_year):
    """The row of `region` and the spans of the two years from `first_year`
    that it gets wrong."""
    with open(os.path.join(zoneinfo_directory, region), "rb") as file:
        data = file.read()
    times, tz = read_tzif(data, region)
    final_row = row_from_posix(region, tz)
    zone = zoneinfo.ZoneInfo.from_file(io.BytesIO(data), key=region)

    def actual(instant):
        local = datetime.datetime.fromtimestamp(instant, zone)
        return (int(local.utcoffset().total_seconds()), local.tzname())

    window = (calendar.timegm((first_year, 1, 1, 0, 0, 0)), calendar.timegm((first_year + 2, 1, 1, 0, 0, 0)))
    listed = {time for time in times if window[0] < time < window[1]}
    # tzdata's own changes: those the file lists and those its final rule makes.
    changes = listed | row_changes(final_row, first_year, first_year + 1)

    def judged(row):
        spans, right = wrong_spans(row, actual, changes | row_changes(row, first_year, first_year + 1), window)
        return row, spans, right

    best = judged(final_row)
    if best[1]:
        states = {actual(instant) for instant in listed | {window[0]}}
        candidates = [fixed_row(region, offset, abbrev) for offset, abbrev in sorted(states)]
        derived = yearly_row(region, sorted(listed), actual)
        if derived is not None:
            candidates.insert(0, derived)
        for candidate in map(judged, candidates):
            if candidate[2] > best[2]:
                best = candidate
    return best[0], best[1]


def utc_text(instant):
    return datetime.datetime.fromtimestamp(instant, datetime.timezone.utc).strftime("%Y-%m-%d %H:%M")


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
    parser.add_argument("--first-year", type=int, default=datetime.date.today().year + 1,
                        help="first of the two years compared with tzdata (default: next year)")
    arguments = parser.parse_args()

    zoneinfo_directory = os.path.normpath(arguments.zoneinfo)
    try:
        rows = [region_row(zoneinfo_directory, region, arguments.first_year)
                for region in regions(zoneinfo_directory)]
    except (OSError, ValueError, TableError) as error:
        print(f"generate-timezone-table: {error}", file=sys.stderr)
        return 1
    if not rows:
        print(f"generate-timezone-table: no regions under {zoneinfo_directory}", file=sys.stderr)
        return 1
    with open(arguments.output, "w", encoding="ascii", newline="\n") as output:
        output.write(HEADER + "\n")
        output.writelines(csv_line(row) + "\n" for row, _ in rows)
    print(f"generate-timezone-table: {len(rows)} regions written to {arguments.output}")
    for row, spans in rows:
        if spans:
            wrong = ", ".join(f"{utc_text(start)} to {utc_text(stop)}" for start, stop in spans)
            print(f"generate-timezone-table: {row[0]} follows no yearly rule in {arguments.first_year} and "
                  f"{arguments.first_year + 1}; its row is wrong from {wrong} UTC")
    return 0


if __name__ == "__main__":
    sys.exit(main())
