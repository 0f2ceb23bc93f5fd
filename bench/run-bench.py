#!/usr/bin/env python3
"""Runs the benchmarks of an optimised build and prints one table, every figure beside
its target. Medians of several runs, all measured in the same run of this script.

    python3 bench/run-bench.py BUILD_DIR

It also proves that speed cost nothing: the dumps, reports and season DB of the logs it
reads must hash as bench/expected-outputs.txt records (written on the first run, and
again with --record).
"""

import hashlib
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
RUNS = 5
SEASON_GAMES = 300
CLUBS = ["Comets", "Rams", "Prairie Dogs", "Ironmen", "Harbor City", "Otters",
         "Caf\u00e9 Royals", "Blizzard", "Miners", "Falcons", "Wolves", "Pilots"]


def median_seconds(command, runs=RUNS, before=None):
    times = []
    for _ in range(runs):
        if before:
            before()
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def make_season(folder):
    """300 games of 12 clubs, each club with players of its own; one file in five with
    CR LF line ends. Made once and kept in the build folder."""
    folder.mkdir(parents=True, exist_ok=True)
    logs = sorted(folder.glob("game*.log"))
    if len(logs) == SEASON_GAMES:
        return logs
    print(f"making a season of {SEASON_GAMES} games in {folder} ...", file=sys.stderr)
    for i in range(SEASON_GAMES):
        away = CLUBS[i % len(CLUBS)]
        home = CLUBS[(i * 5 + 3) % len(CLUBS)]
        if home == away:
            home = CLUBS[(i + 1) % len(CLUBS)]
        command = [sys.executable, str(ROOT / "tools/make-sample-game.py"), "--seed", str(1000 + i),
                   "--away", away, "--home", home, "--fresh-names",
                   "--output", str(folder / f"game{i:03d}.log")]
        if i % 5 == 0:
            command.append("--crlf")
        subprocess.run(command, stdout=subprocess.DEVNULL, check=True)
    return sorted(folder.glob("game*.log"))


def concatenated(logs, path, size):
    """One file of whole games, at least `size` bytes."""
    if path.exists() and path.stat().st_size >= size:
        return path
    with open(path, "wb") as out:
        written = 0
        while written < size:
            for log in logs:
                data = log.read_bytes()
                out.write(data)
                written += len(data)
                if written >= size:
                    break
    return path


def peak_memory_kb(command):
    result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True, check=False)
    return int(result.stderr.strip().splitlines()[-1])


def output_hashes(cli, logs, season, scratch):
    """What the program prints and stores, hashed: it must not change with speed."""
    hashes = {}
    for log in logs:
        for command in ("dump", "report"):
            out = subprocess.run([cli, command, str(log)], capture_output=True, check=False).stdout
            hashes[f"{command} {log.relative_to(ROOT)}"] = hashlib.sha256(out).hexdigest()
    db = scratch / "hash-season.pdb"
    db.unlink(missing_ok=True)
    subprocess.run([cli, "db", "add", str(db)] + [str(p) for p in season],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    dump = subprocess.run([cli, "db", "dump", str(db)], capture_output=True, check=False).stdout
    hashes["db dump of the season"] = hashlib.sha256(dump).hexdigest()
    season_dumps = hashlib.sha256()
    for log in season:
        season_dumps.update(subprocess.run([cli, "dump", str(log)], capture_output=True,
                                           check=False).stdout)
    hashes["dump of every season game"] = season_dumps.hexdigest()
    return hashes


def core_bench(binary):
    result = subprocess.run([str(binary), "--benchmark_format=json",
                             f"--benchmark_repetitions={RUNS}",
                             "--benchmark_report_aggregates_only=true"],
                            capture_output=True, text=True, check=True)
    figures = {}
    for entry in json.loads(result.stdout)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            figures[entry["run_name"].split("/")[0]] = entry
    return figures


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: run-bench.py BUILD_DIR [--record]")
    build = Path(sys.argv[1]).resolve()
    record = "--record" in sys.argv
    cli = str(build / "cli/gridtally-cli")
    season = make_season(build / "season")
    season_bytes = sum(p.stat().st_size for p in season)
    one_mb = concatenated(season, build / "one-megabyte.log", 1 << 20)
    forty_mb = concatenated(season, build / "forty-megabytes.log", 40 << 20)
    scratch = Path(tempfile.mkdtemp(prefix="gridtally-bench-"))
    db = scratch / "season.pdb"
    rows = []

    def row(name, value, target, met):
        rows.append((name, value, target, "met" if met else "NOT MET"))

    try:
        season_args = [str(p) for p in season]
        add = median_seconds([cli, "db", "add", str(db)] + season_args,
                             before=lambda: db.unlink(missing_ok=True))
        wc = median_seconds(["wc", "-l"] + season_args)
        mbps = season_bytes / add / 1e6
        row(f"(a) db add, {SEASON_GAMES} games, {season_bytes / 1e6:.1f} MB", f"{mbps:.0f} MB/s",
            ">= 500 MB/s", mbps >= 500)
        row("(b) db add time / wc -l time", f"{add / wc:.1f} x", "<= 2 x", add / wc <= 2)
        db.unlink(missing_ok=True)
        peak = peak_memory_kb([cli, "db", "add", str(db)] + season_args) / 1024
        row("(c) peak memory of that db add", f"{peak:.1f} MB", "< 16 MB", peak < 16)
        for path, label in ((one_mb, "1 MB game"), (forty_mb, "40 MB of games")):
            seconds = median_seconds([cli, "dump", str(path)])
            rate = path.stat().st_size / seconds / 1e6
            row(f"(d) dump of a {label}", f"{rate:.0f} MB/s", ">= 200 MB/s", rate >= 200)

        core = core_bench(build / "bench/core_bench")
        save = core.get("BM_PlayDBLoadAndSave")
        if save:
            ms = save["real_time"] if save["time_unit"] == "ms" else save["real_time"] / 1e6
            row("(e) load + atomic save, 100,000 play calls", f"{ms:.0f} ms", "< 200 ms", ms < 200)
        opener = build / "bench/open_game_bench"
        if opener.exists():
            out = subprocess.run([str(opener), str(one_mb), str(RUNS)], capture_output=True,
                                 text=True, check=False).stdout.strip()
            if out:
                ms = float(out)
                row("(f) open a 1 MB game, all 15 views filled", f"{ms:.0f} ms", "< 150 ms",
                    ms < 150)
        season_bench = build / "bench/season_bench"
        if season_bench.exists():
            out = subprocess.run([str(season_bench), str(build / "season"), str(RUNS)],
                                 capture_output=True, text=True, check=True).stdout
            f = {k: float(v) for k, v in (line.split() for line in out.splitlines())}
            one, every = f["season_one_thread"], f["season_all_cores"]
            ratio = one / f["db_add_one_thread"]
            row("(h) season read, one thread / db add, one thread",
                f"{one:.0f} / {f['db_add_one_thread']:.0f} ms = {ratio:.2f} x", "<= 1.3 x",
                ratio <= 1.3)
            row(f"(i) season read, {int(f['cores'])} cores (speed-up)",
                f"{every:.0f} ms ({one / every:.2f} x)", "faster", every < one)
            rate = season_bytes / (f["db_add_all_cores"] / 1000) / 1e6
            row(f"(j) db add, {int(f['cores'])} cores, in memory", f"{rate:.0f} MB/s",
                ">= 300 MB/s", rate >= 300)
            ms = f["club_pages_new_filter"]
            row("(k) a club's pages under a new filter", f"{ms:.1f} ms", "< 50 ms", ms < 50)
            ms = f["season_measures"]
            row(f"(s) drives, EP fit and EPA over {SEASON_GAMES} games, one thread", f"{ms:.1f} ms",
                "< 30 ms", ms < 30)
            club = subprocess.run([cli, "season", str(build / "season"), "--format", "csv",
                                   "--page", "Games"], capture_output=True, text=True,
                                  check=True).stdout.splitlines()[1].split(",")[1]
            peaks = []
            for times in (1, 4):
                peaks.append(peak_memory_kb([cli, "season"] + [str(build / "season")] * times +
                                            ["--team", club, "--page", "Run Plays"]) / 1024)
            row("(l) peak memory of season, 1x and 4x the games",
                f"{peaks[0]:.0f} / {peaks[1]:.0f} MB", "by plays", True)
            plays = peak_memory_kb([cli, "plays"] + [str(build / "season")] * 4) / 1024
            row(f"(p) peak memory of plays, {4 * SEASON_GAMES} games / season's",
                f"{plays:.0f} MB, {plays / peaks[1]:.2f} x", "<= 2 x", plays <= 2 * peaks[1])
        season_opener = build / "bench/open_season_bench"
        if season_opener.exists():
            out = subprocess.run([str(season_opener), str(build / "season"), str(RUNS)],
                                 capture_output=True, text=True, check=False).stdout
            f = {k: float(v) for k, v in (line.split() for line in out.splitlines())}
            if f:
                row(f"(m) open a {SEASON_GAMES}-game season window, all pages filled",
                    f"{f['open']:.0f} ms", "< 1000 ms", f["open"] < 1000)
                row("(n) a filter change refills every page", f"{f['filter']:.0f} ms",
                    "< 100 ms", f["filter"] < 100)
                row("(o) a log written into the open season's folder shows",
                    f"{f['follow']:.0f} ms", "< 2000 ms", f["follow"] < 2000)
        follower = build / "bench/follow_large_bench"
        if follower.exists():
            large = concatenated(season, build / "two-hundred-megabytes.log", 200 << 20)
            out = subprocess.run([str(follower), str(build / "season"), str(large)],
                                 capture_output=True, text=True, check=False).stdout
            f = {k: float(v) for k, v in (line.split() for line in out.splitlines())}
            if "rss_after" in f:
                worst = max(f["late_club"], f["late_plays"])
                row("(q) longest wait of the window while a 200 MB log joins, club / Plays page",
                    f"{f['late_club']:.0f} / {f['late_plays']:.0f} ms", "< 100 ms", worst < 100)
                grown = f["rss_after"] / f["rss_before"] - 1
                row("(r) resident memory before it joined / after it left",
                    f"{f['rss_before']:.0f} / {f['rss_after']:.0f} MB", "within 20 %", grown <= 0.2)
            else:
                row("(q) a 200 MB log joining an open season", "failed", "< 100 ms", False)
        for name in ("BM_ParseSituation", "BM_ParseRun", "BM_ParsePass", "BM_ParsePunt"):
            entry = core.get(name)
            if entry:
                rate = entry.get("bytes_per_second", 0) / 1e6
                rows.append((f"(g) ParseStatement, {name[8:].lower()}",
                             f"{entry['real_time']:.0f} ns, {rate:.0f} MB/s", "", ""))

        logs = sorted((ROOT / "examples").glob("*.log")) + sorted((ROOT / "tests/data").glob("*.log"))
        hashes = output_hashes(cli, logs, season, scratch)
        expected_file = ROOT / "bench/expected-outputs.txt"
        if record or not expected_file.exists():
            expected_file.write_text("".join(f"{v}  {k}\n" for k, v in sorted(hashes.items())))
            identical = "recorded"
        else:
            expected = {}
            for line in expected_file.read_text().splitlines():
                value, key = line.split("  ", 1)
                expected[key] = value
            changed = [k for k in hashes if expected.get(k) != hashes[k]]
            identical = "identical" if not changed else "CHANGED: " + ", ".join(changed)
        rows.append(("outputs (dumps, reports, season DB)", identical, "identical",
                     "met" if identical in ("identical", "recorded") else "NOT MET"))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    width = max(len(r[0]) for r in rows)
    print(f"Machine: {platform.machine()}, {os.cpu_count()} cores, {platform.platform()}")
    print(f"{'figure':<{width}}  {'value':<22} {'target':<13} ")
    for name, value, target, met in rows:
        print(f"{name:<{width}}  {value:<22} {target:<13} {met}")


if __name__ == "__main__":
    main()
