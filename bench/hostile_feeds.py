"""Writes a GTFS feed directory of one hostile shape, for bench/gtfs-hostile.sh.

    python3 bench/hostile_feeds.py SHAPE DIRECTORY

Each shape stays within every per-record limit of the importer and grows what it keeps:
  trips        3,000,000 trips of two stops each
  sequences    300,000 trips, each of its own 100-stop sequence
  names        150 stops with names of almost 1 MB, one trip visiting them all
  lines        2,000 routes, each with one trip over the same 2,000 stops
  long-name    30 routes, each with one trip visiting a stop of a 1 MB name 100,000 times
  scattered    800,000 trips whose stop times are sorted by stop, not by trip
  duplicates   32 MiB of one repeated stop id
"""

import os
import sys

MB = (1 << 20) - 64  # a name that leaves room for its id in a record of 1 MB


def write(directory, name, header, rows):
    with open(os.path.join(directory, name), "w") as out:
        out.write(header + "\n")
        out.writelines(rows)


def feed(directory, stops, routes, trips, stop_times):
    os.makedirs(directory, exist_ok=True)
    write(directory, "agency.txt", "agency_name", ["City Bus\n"])
    write(directory, "stops.txt", "stop_id,stop_name", stops)
    write(directory, "routes.txt", "route_id,route_short_name,route_type", routes)
    write(directory, "trips.txt", "route_id,service_id,trip_id", trips)
    write(directory, "stop_times.txt", "trip_id,stop_id,stop_sequence,departure_time", stop_times)


def two_stop_trips(count, by_stop):
    def first(t):
        return f"t{t},S{t % 100 * 2},1,06:00:00\n"

    def second(t):
        return f"t{t},S{t % 100 * 2 + 1},2,06:10:00\n"

    if by_stop:
        yield from (first(t) for t in range(count))
        yield from (second(t) for t in range(count))
    else:
        for t in range(count):
            yield first(t)
            yield second(t)


def main(shape, directory):
    hundred_routes = [f"R{r},{r},3\n" for r in range(100)]
    if shape in ("trips", "scattered"):
        count = 3000000 if shape == "trips" else 800000
        feed(directory, [f"S{i},Stop {i}\n" for i in range(200)], hundred_routes,
             (f"R{t % 100},WK,t{t}\n" for t in range(count)),
             two_stop_trips(count, shape == "scattered"))
    elif shape == "sequences":
        count = 300000
        feed(directory, [f"S{i},Stop {i}\n" for i in range(1000)], hundred_routes,
             (f"R{t % 100},WK,t{t}\n" for t in range(count)),
             (f"t{t},S{(t * 7919 + k * (t % 997 + 1)) % 1000},{k},06:00:00\n"
              for t in range(count) for k in range(100)))
    elif shape == "names":
        feed(directory, [f"S{i},{chr(65 + i % 26) * MB}\n" for i in range(150)], ["R1,1,3\n"],
             ["R1,WK,t1\n"], [f"t1,S{i},{i},06:00:00\n" for i in range(150)])
    elif shape == "lines":
        count = 2000
        feed(directory, [f"S{i},{i % 10}\n" for i in range(2000)],
             [f"R{r},{r},3\n" for r in range(count)], [f"R{r},WK,t{r}\n" for r in range(count)],
             (f"t{r},S{k},{k},06:00:00\n" for r in range(count) for k in range(2000)))
    elif shape == "long-name":
        count = 30
        feed(directory, ["S0," + "N" * MB + "\n"], [f"R{r},{r},3\n" for r in range(count)],
             [f"R{r},WK,t{r}\n" for r in range(count)],
             (f"t{r},S0,{k},06:00:00\n" for r in range(count) for k in range(100000)))
    elif shape == "duplicates":
        feed(directory, ["S2,Two\n"] + ["S1,One\n"] * (32 * 1024 * 1024 // 7), ["R1,1,3\n"],
             ["R1,WK,t1\n"], ["t1,S1,1,06:00:00\n", "t1,S2,2,06:10:00\n"])
    else:
        sys.exit(f"unknown shape {shape}")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
