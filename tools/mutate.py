#!/usr/bin/env python3
"""Measures how many small faults in the core library the test suite catches.

Picks mutation sites from the core sources with a fixed seed, applies one small
fault at a time (a comparison flipped, an off-by-one, an operator swapped, a
negation dropped, a constant changed), rebuilds a Debug build (indexing checked) in
build-mutate/, runs the suite, and puts the file back. A mutant is caught when
a test fails (or times out); a mutant that does not compile is not counted.

    tools/mutate.py [--seed N] [--count N] [--report FILE] [--quick]

The report lists every mutant with its outcome; the survivors are the ones to
look at: either a test is missing, or the fault changes nothing observable
(an equivalent mutant). Equivalent mutants are listed by hand in
tools/mutation-equivalents.txt, one per line as

    path | fault | the line as the fault leaves it | why nothing observable changes

and are reported apart, not counted. --quick stops the suite at the first
failing test, which makes a run several times faster but leaves out which
suites catch each fault.
"""

import argparse
import os
import random
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-mutate")
EQUIVALENTS = os.path.join(ROOT, "tools", "mutation-equivalents.txt")

# The core library: every source folder but the windows, the command-line tool, generated data and
# the drawn artwork of the tool buttons (judged by eye in the screenshots, not by tests).
EXCLUDED = re.compile(r"(^src/.*/ui/)|(^src/cli/)|(^src/main\.cpp$)|(map_outline_data\.cpp$)|(tool_icons\.cpp$)")

OPERATORS = [
    # (name, pattern, replacement)
    ("< to <=", re.compile(r"(?<![<\-])<(?![<=])(?=\s)"), "<="),
    ("<= to <", re.compile(r"<=(?!>)"), "<"),
    ("> to >=", re.compile(r"(?<=\s)>(?![>=])"), ">="),
    (">= to >", re.compile(r">="), ">"),
    ("== to !=", re.compile(r"=="), "!="),
    ("!= to ==", re.compile(r"!="), "=="),
    ("&& to ||", re.compile(r"&&"), "||"),
    ("|| to &&", re.compile(r"\|\|"), "&&"),
    ("+ to -", re.compile(r"(?<=\s)\+(?=\s)"), "-"),
    ("- to +", re.compile(r"(?<=\s)-(?=\s)"), "+"),
    ("* to /", re.compile(r"(?<=\s)\*(?=\s)"), "/"),
    ("drop !", re.compile(r"(?<![!=<>])!(?=[A-Za-z_(])"), ""),
    ("true to false", re.compile(r"\btrue\b"), "false"),
    ("false to true", re.compile(r"\bfalse\b"), "true"),
    ("constant + 1", re.compile(r"(?<![\w.])([0-9]+)(?![\w.])"), None),
]


def core_sources():
    result = []
    for folder, _, files in os.walk(os.path.join(ROOT, "src")):
        for name in sorted(files):
            if not name.endswith(".cpp"):
                continue
            path = os.path.relpath(os.path.join(folder, name), ROOT)
            if not EXCLUDED.search(path):
                result.append(path)
    return sorted(result)


def code_part(line):
    """The line without its comment and with string and character literals blanked, so no site lies in them."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def sites():
    found = []
    for path in core_sources():
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            lines = f.read().split("\n")
        in_comment = False
        for number, line in enumerate(lines):
            stripped = line.strip()
            if in_comment:
                in_comment = "*/" not in stripped
                continue
            if stripped.startswith("/*"):
                in_comment = "*/" not in stripped
                continue
            if not stripped or stripped.startswith(("#", "//", "static_assert")) or "operator" in stripped:
                continue
            code = code_part(line)
            if "template" in code or "<" in code and ">" in code and re.search(r"\w<[\w:, ]+>", code):
                # Angle brackets of templates are not comparisons; such lines keep only their other operators.
                skip_angles = True
            else:
                skip_angles = False
            for name, pattern, replacement in OPERATORS:
                if skip_angles and name[0] in "<>":
                    continue
                for match in pattern.finditer(code):
                    found.append((path, number, match.start(), match.end(), name, replacement))
    return found


def apply(site):
    path, number, start, end, name, replacement = site
    full = os.path.join(ROOT, path)
    with open(full, encoding="utf-8") as f:
        original = f.read()
    lines = original.split("\n")
    line = lines[number]
    old = line[start:end]
    new = str(int(old) + 1) if replacement is None else replacement
    lines[number] = line[:start] + new + line[end:]
    with open(full, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    return original, line.strip(), lines[number].strip()


def equivalents():
    """(path, fault, line) -> reason, from the hand-kept list."""
    result = {}
    if os.path.exists(EQUIVALENTS):
        with open(EQUIVALENTS, encoding="utf-8") as f:
            for line in f:
                parts = [p.strip() for p in line.split(" | ")]
                if len(parts) >= 4 and not line.startswith("#"):
                    # The line of code may hold " | " itself; the reason never does.
                    result[(parts[0], parts[1], " | ".join(parts[2:-1]))] = parts[-1]
    return result


def run(command, timeout):
    started = time.time()
    try:
        done = subprocess.run(command, cwd=BUILD, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
        return done.returncode, done.stdout.decode(errors="replace"), time.time() - started
    except subprocess.TimeoutExpired:
        return None, "", time.time() - started


def configure():
    if not os.path.exists(os.path.join(BUILD, "build.ninja")):
        subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                        "-DVELINOR_BENCH=OFF", "-DVELINOR_SHARED_CORE=ON", "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON",
                        # Checked indexing, so a fault that reads past an array fails as it does under the
                        # sanitizers of the test build, instead of reading whatever lies there.
                        "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS"],
                       check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD], check=True, stdout=subprocess.DEVNULL)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=14)
    parser.add_argument("--count", type=int, default=80)
    parser.add_argument("--report", default=os.path.join(ROOT, "build-mutate", "mutation-report.md"))
    parser.add_argument("--quick", action="store_true", help="stop the suite at its first failure")
    args = parser.parse_args()
    known = equivalents()

    configure()
    # A fault that corrupts the heap aborts inside malloc; Qt Test's crash handler would then fork for a
    # stack dump and wait forever on malloc's lock, so every such mutant would cost the whole timeout.
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QTEST_DISABLE_STACK_DUMP="1")
    os.environ.update(env)
    # A suite that fails without a fault would count every mutant as caught.
    status, output, _ = run(["ctest", "--parallel", str(os.cpu_count() or 2), "--timeout", "120"], timeout=900)
    if status != 0:
        sys.exit("The suite fails without any fault; fix that first:\n" + output[-2000:])
    random.seed(args.seed)
    chosen = random.sample(sites(), args.count)
    results = []
    for index, site in enumerate(chosen, 1):
        original, before, after = apply(site)
        catchers = []
        if (site[0], site[4], after) in known:
            with open(os.path.join(ROOT, site[0]), "w", encoding="utf-8") as f:
                f.write(original)
            results.append((site, before, after, "equivalent", [known[(site[0], site[4], after)]]))
            print(f"[{index}/{len(chosen)}] equivalent: {site[0]}:{site[1] + 1} {site[4]}", flush=True)
            continue
        try:
            status, output, _ = run(["cmake", "--build", "."], timeout=900)
            if status != 0:
                outcome = "does not compile"
            else:
                ctest = ["ctest", "--parallel", str(os.cpu_count() or 2), "--timeout", "120"]
                status, output, seconds = run(ctest + (["--stop-on-failure"] if args.quick else []), timeout=900)
                outcome = "caught" if status != 0 else "survived"
                catchers = re.findall(r"^\s*\d+ - (\S+) \(", output, re.M)
        finally:
            with open(os.path.join(ROOT, site[0]), "w", encoding="utf-8") as f:
                f.write(original)
        results.append((site, before, after, outcome, catchers if outcome == "caught" else []))
        if outcome == "survived":
            print(f"    {before}  ->  {after}", flush=True)
        print(f"[{index}/{len(chosen)}] {outcome}: {site[0]}:{site[1] + 1} {site[4]}", flush=True)
    # Leave the build as the sources are.
    run(["cmake", "--build", "."], timeout=900)

    counted = [r for r in results if r[3] not in ("does not compile", "equivalent")]
    caught = sum(1 for r in counted if r[3] == "caught")
    with open(args.report, "w", encoding="utf-8") as f:
        f.write(f"# Mutation run: seed {args.seed}, {len(results)} mutants\n\n")
        equivalent = sum(1 for r in results if r[3] == "equivalent")
        f.write(f"Caught {caught} of {len(counted)} that compile and are not equivalent "
                f"({100.0 * caught / max(1, len(counted)):.1f} %); {equivalent} equivalent, not counted.\n\n")
        f.write("| outcome | place | fault | line before | line after | caught by (or why equivalent) |\n"
                "|---|---|---|---|---|---|\n")
        order = {"survived": 0, "equivalent": 1}
        for site, before, after, outcome, catchers in sorted(results, key=lambda r: order.get(r[3], 2)):
            f.write(f"| {outcome} | {site[0]}:{site[1] + 1} | {site[4]} | `{before}` | `{after}` | "
                    f"{' '.join(catchers)} |\n")
        # How many faults each suite alone catches: a suite that catches none alone adds nothing the others lack.
        alone = {}
        for r in results:
            if r[3] == "caught" and len(r[4]) == 1:
                alone[r[4][0]] = alone.get(r[4][0], 0) + 1
        f.write("\n| suite | faults caught by it alone |\n|---|---|\n")
        for suite, count in sorted(alone.items(), key=lambda item: -item[1]):
            f.write(f"| {suite} | {count} |\n")
    print(f"caught {caught} of {len(counted)}; report in {args.report}")


if __name__ == "__main__":
    sys.exit(main())
