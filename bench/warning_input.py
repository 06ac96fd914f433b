#!/usr/bin/env python3
"""Writes a velorin input text file (GBK) whose every line gets one warning: its down
direction starts and ends at other stations than the up direction ends and starts.

usage: warning_input.py LINES OUTPUT_TXT
"""
import sys


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    count, target = int(sys.argv[1]), sys.argv[2]
    lines = ["[city]", "警告市", "[date]", "2026-12-01", "[author]", "基准测试", "[memo]",
             "每条线路一个警告", "[datasection]"]
    for n in range(1, count + 1):
        up = [f"北门{n}", "广场", "老街", f"南湖{n}"]
        down = [f"东湖{n}", "老街", "广场", f"西门{n}"]
        lines.append(f"{n}路,北门{n},6:00,22:00,南湖{n},6:20,22:30,空调,"
                     f"{'-'.join(up)},{'-'.join(down)},")
    with open(target, "w", encoding="gbk", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
