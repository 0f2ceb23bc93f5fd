#!/usr/bin/env python3
"""Recomputes, from `plays --format csv` alone, what gridtally-cli says a season's plays
measure (drive, yards gained, first down, success, EP, EPA), every cell of `ep-model`
and every drive of `drives`, and fails on the first figure that differs.

    measures-check.py GRIDTALLY-CLI MAKE-SAMPLE-GAME.PY

A season of generated games is written to a scratch folder. Nothing here calls the
program's own measures: each definition is written again in a few lines.
"""

import csv
import io
import math
import re
import subprocess
import sys
import tempfile
from pathlib import Path

CLUBS = ["Comets", "Rams", "Otters", "Bears"]
SCRIMMAGE = {"run", "pass", "sack", "punt", "field_goal", "other"}
K = 20


def table(cli, *args):
    out = subprocess.run([cli, *args, "--format", "csv"], capture_output=True, check=True).stdout
    return list(csv.DictReader(io.StringIO(out.decode("utf-8"))))


def num(cell):
    return int(cell) if cell != "" else None


def half_of(rows):
    halves, half = [], 1
    for row in rows:
        q = num(row["quarter"])
        if q is not None:
            half = 1 if q <= 2 else 2 if q <= 4 else 3
        halves.append(half)
    return halves


def score_value(row):
    if int(row["points"]) <= 0 or row["kind"] == "extra_point":
        return None
    if row["touchdown"] == "1":
        return 7
    if row["safety"] == "1":
        return 2
    return 3 if row["kind"] == "field_goal" else int(row["points"])


def scorer(row):
    return row["defense"] if row["scoring_side"] == "defense" else row["offense"]


def is_scrimmage(row):
    return row["kind"] in SCRIMMAGE and row["down"] != ""


def offense_td(row):
    return row["touchdown"] == "1" and row["scoring_side"] == "offense"


def measure_game(rows):
    """Drive, yards gained, first down, success and next-score value of each play."""
    halves = half_of(rows)
    out = [dict(drive=None, gained=None, first=None, success=None, value=None) for _ in rows]
    drives, last, kicked = [], None, False
    for i, row in enumerate(rows):
        if row["kind"] == "kickoff":
            kicked = True
        if not is_scrimmage(row):
            continue
        if last is None or kicked or row["offense"] != rows[last]["offense"] or halves[i] != halves[last]:
            drives.append([])
        drives[-1].append(i)
        out[i]["drive"] = len(drives)
        last, kicked = i, False
    for drive in drives:
        for k, i in enumerate(drive):
            row, m = rows[i], out[i]
            nxt = rows[drive[k + 1]] if k + 1 < len(drive) else None
            yl = num(row["yard_line"])
            if nxt is not None:
                if yl is not None and num(nxt["yard_line"]) is not None:
                    m["gained"] = num(nxt["yard_line"]) - yl
            elif offense_td(row):
                m["gained"] = None if yl is None else 100 - yl
            elif row["kind"] == "sack":
                loss = re.search(r"for a loss of (\d+) yard", row["text"])
                if loss:
                    m["gained"] = -(min(int(loss.group(1)), yl) if yl is not None else int(loss.group(1)))
            elif row["kind"] in ("run", "pass") and row["turnover"] == "0":
                m["gained"] = int(row["yards"])
            to_go = int(row["to_go"])
            m["first"] = int((nxt is not None and nxt["down"] == "1") or offense_td(row)
                             or (nxt is None and m["gained"] is not None and m["gained"] >= to_go))
            if row["kind"] in ("run", "pass", "sack"):
                if offense_td(row):
                    m["success"] = 1
                elif row["turnover"] == "1":
                    m["success"] = 0
                elif m["gained"] is not None:
                    share = {1: 0.4, 2: 0.6}.get(int(row["down"]), 1.0)
                    m["success"] = int(m["gained"] >= share * to_go)
    for i, row in enumerate(rows):
        if not is_scrimmage(row) or row["yard_line"] == "" or int(row["to_go"]) <= 0:
            continue
        value = 0
        for j in range(i, len(rows)):
            if halves[j] != halves[i]:
                break
            if score_value(rows[j]) is not None:
                v = score_value(rows[j])
                value = v if scorer(rows[j]) == row["offense"] else -v
                break
        out[i]["value"] = value
    return out, drives, halves


def bucket(to_go):
    return 0 if to_go <= 1 else 1 if to_go <= 3 else 2 if to_go <= 6 else 3 if to_go <= 10 else 4


def fit(games):
    cells = {}
    for rows, measured in games:
        for row, m in zip(rows, measured):
            if m["value"] is None:
                continue
            key = (int(row["down"]), bucket(int(row["to_go"])), min(int(row["yard_line"]) // 10, 9))
            n, s = cells.get(key, (0, 0.0))
            cells[key] = (n + 1, s + m["value"])
    n_all = sum(n for n, _ in cells.values())
    mean = sum(s for _, s in cells.values()) / n_all if n_all else 0.0
    est = {}
    for z in range(10):
        nz = sum(n for (d, b, zz), (n, s) in cells.items() if zz == z)
        sz = sum(s for (d, b, zz), (n, s) in cells.items() if zz == z)
        mz = (sz + K * mean) / (nz + K)
        for d in range(1, 5):
            nd = sum(n for (dd, b, zz), (n, s) in cells.items() if zz == z and dd == d)
            sd = sum(s for (dd, b, zz), (n, s) in cells.items() if zz == z and dd == d)
            mdz = (sd + K * mz) / (nd + K)
            for b in range(5):
                n, s = cells.get((d, b, z), (0, 0.0))
                est[(d, b, z)] = (n, s, (s + K * mdz) / (n + K))
    return est


def ep_at(est, row):
    d, b, x = int(row["down"]), bucket(int(row["to_go"])), int(row["yard_line"])
    t = (x - 4.5) / 10
    if t <= 0:
        return est[(d, b, 0)][2]
    if t >= 9:
        return est[(d, b, 9)][2]
    lo = math.floor(t)
    return (1 - (t - lo)) * est[(d, b, lo)][2] + (t - lo) * est[(d, b, lo + 1)][2]


def two(value):
    text = f"{value:.2f}"
    return "0.00" if text == "-0.00" else text


def main():
    cli, maker = sys.argv[1], sys.argv[2]
    failures = []

    def expect(what, got, want):
        if got != want and len(failures) < 20:
            failures.append(f"{what}: the program says {got!r}, the definition {want!r}")

    with tempfile.TemporaryDirectory() as scratch:
        for seed in range(1, 13):
            away, home = CLUBS[seed % 4], CLUBS[(seed + 1 + seed // 4) % 4]
            if away == home:
                home = CLUBS[(seed + 2) % 4]
            subprocess.run([sys.executable, maker, "--seed", str(seed), "--away", away, "--home", home,
                            "--output", str(Path(scratch) / f"game-{seed:02}.log")],
                           check=True, stdout=subprocess.DEVNULL)
        plays = table(cli, "plays", scratch)
        model = table(cli, "ep-model", scratch)
        drives = table(cli, "drives", scratch)

    by_game = {}
    for row in plays:
        by_game.setdefault(row["game"], []).append(row)
    games = [(rows, measure_game(rows)[0]) for rows in by_game.values()]
    est = fit(games)

    for (d, b, z), row in zip([(d, b, z) for d in range(1, 5) for b in range(5) for z in range(10)], model):
        n, s, e = est[(d, b, z)]
        expect(f"ep-model {d} {row['to_go']} {row['yard_line']} plays", row["plays"], str(n))
        expect(f"ep-model {d} {row['to_go']} {row['yard_line']} mean", row["mean_value"], two(s / n) if n else "")
        expect(f"ep-model {d} {row['to_go']} {row['yard_line']} estimate", row["estimate"], two(e))

    drive_rows = iter(drives)
    for name, rows in by_game.items():
        measured, game_drives, halves = measure_game(rows)
        eps = [ep_at(est, r) if m["value"] is not None else None for r, m in zip(rows, measured)]
        for i, (row, m) in enumerate(zip(rows, measured)):
            where = f"{name} play {row['seq']}"
            cell = lambda v: "" if v is None else str(v)
            expect(f"{where} drive", row["drive"], cell(m["drive"]))
            expect(f"{where} yards_gained", row["yards_gained"], cell(m["gained"]))
            expect(f"{where} first_down", row["first_down"], cell(m["first"]))
            expect(f"{where} success", row["success"], cell(m["success"]))
            expect(f"{where} ep", row["ep"], "" if eps[i] is None else two(eps[i]))
            epa = None
            if eps[i] is not None:
                if score_value(row) is not None:
                    epa = (score_value(row) if scorer(row) == row["offense"] else -score_value(row)) - eps[i]
                else:
                    nxt = next((j for j in range(i + 1, len(rows)) if is_scrimmage(rows[j])), None)
                    if nxt is None or halves[nxt] != halves[i]:
                        epa = -eps[i]
                    elif eps[nxt] is not None:
                        epa = (eps[nxt] if rows[nxt]["offense"] == row["offense"] else -eps[nxt]) - eps[i]
            expect(f"{where} epa", row["epa"], "" if epa is None else two(epa))
        # Drives: their yards are the known yards gained of their plays, and a drive
        # ending in a touchdown holds the offense's touchdown.
        for number, drive in enumerate(game_drives, 1):
            said = next(drive_rows)
            expect(f"{name} drive {number}", (said["game"], said["drive"]), (name, str(number)))
            expect(f"{name} drive {number} plays", said["plays"], str(len(drive)))
            expect(f"{name} drive {number} yards", said["yards"],
                   str(sum(measured[i]["gained"] or 0 for i in drive)))
            expect(f"{name} drive {number} first downs", said["first_downs"],
                   str(sum(measured[i]["first"] for i in drive)))
            if said["result"] == "touchdown":
                expect(f"{name} drive {number} holds its touchdown", any(offense_td(rows[i]) for i in drive), True)

    # Expected points rise with the yard line on first and ten.
    first_and_ten = [est[(1, 3, z)][2] for z in range(10)]
    expect("EP on first and ten from own goal to theirs",
           first_and_ten[-1] > first_and_ten[0] and sum(first_and_ten[5:]) > sum(first_and_ten[:5]), True)
    expect("every play measured", len(plays) > 1000, True)

    if failures:
        print("\n".join(failures))
        sys.exit(1)
    print(f"{len(plays)} plays, {len(drives)} drives and {len(model)} cells agree with the definitions")


if __name__ == "__main__":
    main()
