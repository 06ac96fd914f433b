#!/usr/bin/env python3
"""Turns a published CSV of Chengdu's bus lines into a velorin input text file (GBK).

usage: chengdu_to_input.py BUS_INFO_CSV OUTPUT_TXT

Columns used: bus_name, bus_type, bus_time, bus_cost, sites_x_list, sites_y_list.
"""
import ast
import csv
import re
import sys

TIME_PAIR = re.compile(r"(\d{1,2}:\d{2})\s*[-—]+\s*(\d{1,2}:\d{2})")


def clean(text):
    """Commas and dashes separate fields and stations in the input format."""
    return text.replace(",", "，").replace("-", "－").strip()


def line_name(bus_name):
    return clean(re.sub(r"(公交车)?路线$", "", bus_name).removeprefix("成都"))


def times(bus_time, start, terminal):
    """First and last bus at each end: per terminal when the text names both, else shared."""
    pairs = TIME_PAIR.findall(bus_time)
    if not pairs:
        return ("", ""), ("", "")
    per_end = {}
    for name, pattern in ((start, start), (terminal, terminal)):
        found = re.search(re.escape(pattern) + r"\s*(\d{1,2}:\d{2})\s*[-—]+\s*(\d{1,2}:\d{2})", bus_time)
        if found:
            per_end[name] = found.groups()
    first = per_end.get(start, pairs[0])
    second = per_end.get(terminal, pairs[-1] if len(pairs) > 1 else pairs[0])
    return first, second


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, target = sys.argv[1], sys.argv[2]
    lines = ["[city]", "成都", "[date]", "2017-12", "[author]", "8684", "[memo]",
             "由公开的公交线路表转换", "[datasection]"]
    with open(source, encoding="utf-8", newline="") as f:
        for row in csv.DictReader(f):
            up = [clean(s) for s in ast.literal_eval(row["sites_x_list"] or "[]")]
            down = [clean(s) for s in ast.literal_eval(row["sites_y_list"] or "[]")]
            up = [s for s in up if s]
            down = [s for s in down if s]
            if not up:
                up, down = down, []
            if not up:
                continue
            (first_a, last_a), (first_b, last_b) = times(row["bus_time"], up[0], up[-1])
            cost = clean(row["bus_cost"].removeprefix("票价信息："))
            fields = [line_name(row["bus_name"]), up[0], first_a, last_a, up[-1], first_b, last_b,
                      clean(row["bus_type"]), "-".join(up), "-".join(down) if down else "无", cost]
            lines.append(",".join(fields))
    with open(target, "w", encoding="gbk", errors="replace", newline="\r\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
