#!/usr/bin/env python3
"""Runs every fuzz target of a fuzzing build for a while and prints one table.

    python3 fuzz/run-fuzz.py BUILD_DIR SECONDS

Seeds come from the logs in examples/ and tests/data/, remade on every run in
BUILD_DIR/seeds/; what a target finds beyond them stays in BUILD_DIR/corpus/, so later
runs start where earlier ones stopped. A crash, leak, sanitizer report, timeout or failed
property stops the run and names the input that shows it.
"""

import hashlib
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TARGETS = ["fuzz_statement", "fuzz_game_log", "fuzz_play_db", "fuzz_play_db_import"]
# Longer than any one input should ever take; libFuzzer reports it as a timeout.
TIMEOUT_SECONDS = 5
# A few statements or records reach every branch; longer inputs only run slower. Seeds
# past the limit are cut to it.
MAX_LEN = {"fuzz_statement": 4096, "fuzz_game_log": 16384, "fuzz_play_db": 16384,
           "fuzz_play_db_import": 16384}
CHUNK_STATEMENTS = 6

STATUS = re.compile(rb"^#(\d+)\s+(\w+)\s+cov: (\d+) ft: (\d+) corp: (\d+)/(\S+)", re.M)
EXECUTED = re.compile(rb"^stat::number_of_executed_units: (\d+)", re.M)
ARTIFACT = re.compile(rb"Test unit written to (\S+)")


def logs():
    return sorted(ROOT.glob("examples/*.log")) + sorted(ROOT.glob("tests/data/*.log"))


def paragraphs(data):
    """A log's statements with their own line ends, as the reader splits them: a
    statement ends at an empty line or at a line that ends in a form feed."""
    pieces, current = [], []
    for line in data.splitlines(keepends=True):
        text = line.rstrip(b"\r\n")
        current.append(line)
        if not text or text.endswith(b"\f"):
            pieces.append(b"".join(current))
            current = []
    if current:
        pieces.append(b"".join(current))
    return pieces


def statement(paragraph):
    """One paragraph joined into a statement the way the log reader joins lines."""
    joined, previous = b"", None
    for line in paragraph.splitlines():
        line = line.rstrip(b"\r")
        if not line or line.endswith(b"\f"):
            break
        if previous is not None and not previous[-1:].isspace() and not line[:1].isspace():
            joined += b" "
        joined += line
        previous = line
    return joined


def write_seeds(folder, seeds):
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    for seed in seeds:
        if seed:
            (folder / hashlib.sha1(seed).hexdigest()).write_bytes(seed)
    return len(list(folder.iterdir()))


def make_seeds(build):
    seeds = build / "seeds"
    texts = [path.read_bytes() for path in logs()]
    statements, chunks = [], list(texts)
    for text in texts:
        pieces = paragraphs(text)
        statements += [statement(piece) for piece in pieces]
        chunks += [b"".join(pieces[i:i + CHUNK_STATEMENTS])
                   for i in range(0, len(pieces), CHUNK_STATEMENTS)]
    write_seeds(seeds / "fuzz_statement", statements)
    write_seeds(seeds / "fuzz_game_log", chunks)
    write_seeds(seeds / "fuzz_play_db_import", chunks)
    pdb = seeds / "fuzz_play_db"
    if pdb.exists():
        shutil.rmtree(pdb)
    subprocess.run([str(build / "fuzz/make_pdb_seeds"), str(pdb)] + [str(p) for p in logs()],
                   check=True)


def run(build, target, seconds):
    corpus = build / "corpus" / target
    artifacts = build / "artifacts" / target
    corpus.mkdir(parents=True, exist_ok=True)
    artifacts.mkdir(parents=True, exist_ok=True)
    log = build / "logs" / f"{target}.log"
    log.parent.mkdir(parents=True, exist_ok=True)
    command = [str(build / "fuzz" / target), str(corpus), str(build / "seeds" / target),
               f"-max_total_time={seconds}", f"-dict={ROOT / 'fuzz/gridtally.dict'}",
               f"-timeout={TIMEOUT_SECONDS}", f"-max_len={MAX_LEN[target]}",
               "-rss_limit_mb=2048", "-print_final_stats=1",
               f"-artifact_prefix={artifacts}/"]
    env = dict(os.environ, UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1")
    print(f"fuzzing {target} for {seconds} s ...", file=sys.stderr, flush=True)
    with open(log, "wb") as out:
        result = subprocess.run(command, stdout=out, stderr=subprocess.STDOUT, env=env,
                                check=False)
    output = log.read_bytes()
    statuses = STATUS.findall(output)
    executed = EXECUTED.search(output)
    artifact = ARTIFACT.search(output)
    last = statuses[-1] if statuses else None
    return {
        "target": target,
        "seconds": seconds,
        "execs": int(executed.group(1)) if executed else int(last[0]) if last else 0,
        "cov": int(last[2]) if last else 0,
        "ft": int(last[3]) if last else 0,
        "corpus": f"{int(last[4])} ({last[5].decode()})" if last else "?",
        "failed": result.returncode != 0,
        "artifact": artifact.group(1).decode() if artifact else None,
        "log": log,
    }


def table(rows):
    header = ["target", "seconds", "executions", "cov", "ft", "corpus", "crashes"]
    lines = [header] + [[r["target"], str(r["seconds"]), f"{r['execs']:,}", str(r["cov"]),
                         str(r["ft"]), r["corpus"], "1" if r["failed"] else "0"] for r in rows]
    widths = [max(len(line[i]) for line in lines) for i in range(len(header))]
    lines.insert(1, ["-" * w for w in widths])
    return "\n".join("  ".join(cell.ljust(w) for cell, w in zip(line, widths)).rstrip()
                     for line in lines)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: run-fuzz.py BUILD_DIR SECONDS")
    build = Path(sys.argv[1]).resolve()
    seconds = int(sys.argv[2])
    make_seeds(build)
    rows = []
    for target in TARGETS:
        row = run(build, target, seconds)
        rows.append(row)
        if row["failed"]:
            print(table(rows))
            tail = row["log"].read_bytes().decode("latin-1").splitlines()[-40:]
            print("\n".join(tail), file=sys.stderr)
            where = row["artifact"] or f"none written; see {row['log']}"
            print(f"\n{target} FAILED. Reproducer: {where}\n"
                  f"Replay it with: {build / 'fuzz' / target} {where}")
            sys.exit(1)
    print(table(rows))


if __name__ == "__main__":
    main()
