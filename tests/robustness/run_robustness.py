#!/usr/bin/env python3
"""Robustness runner: feeds the Velmish programs bad input and checks that they stay in control.

Usage:
    run_robustness.py --bin DIR [--cases N] [--seed S] [--timeout T] [--jobs J] [--only TEXT]
                      [--keep DIR] [--verbose]

DIR holds velint, velcomp, vellink and velrun.rtl as the build puts them. The runner makes
N random cases (deterministically from the seed) and adds the fixed cases: extremes (huge lines,
deep nesting, long labels, empty files ...) and the reproducers of problems found before
(found_cases.py). Every case runs in a fresh temporary folder. A run passes when the program
ends within the timeout, is not killed by a signal, prints no sanitizer report, and:

- velint: ends with any exit code (a script may HALT with any value); its standard error is
  empty or holds one error box "[ERROR] ..." and the exit code is then 1;
- velcomp (with /E, sometimes /L): exit code 0 or 1; 0 leaves a link control file (or, with
  /L, a linked program, which is run with empty input and must end with 0 or 1), 1 leaves none;
- vellink: exit code 0 or 1, messages starting "vellink: "; 1 writes no program, 0 writes the
  runtime followed by the code, which is run with empty input and must end with 0 or 1.

Cases marked with a known problem are expected to fail; if one passes, the runner says so and
fails, so that the mark is removed once the problem is fixed. Failing cases are kept under
--keep (default: a temporary folder, printed).
"""

from __future__ import annotations

import argparse
import os
import random
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from concurrent.futures import ThreadPoolExecutor
from dataclasses import dataclass, field
from pathlib import Path
from typing import Callable, List, Optional

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

import found_cases  # noqa: E402
import link_inputs  # noqa: E402
import script_inputs  # noqa: E402

SANITIZER_MARKS = (b"AddressSanitizer", b"LeakSanitizer", b"UndefinedBehaviorSanitizer", b"runtime error:",
                   b"ThreadSanitizer", b"MemorySanitizer")
ERROR_BOX = re.compile(rb"\[ERROR\] (Line \d+, Error \d{2,}: .*|File does not exists\.)\n", re.DOTALL)
SCRUBBED_ENV = ("VL_DEBUGMODE", "VL_DEBUGVARS", "windir", "WINDIR")
STACK_BYTES = 8 << 20
SCRIPT_NAME = "s.vl"
LINK_NAME = "s.coc"


def control_name(script: str) -> str:
    """velcomp's naming: the script's last two characters replaced by "coc" (prog.vl: prog.coc)."""
    folder, slash, name = script.rpartition("/")
    return folder + slash + name[:max(0, len(name) - 2)] + "coc"


def linked_name(control: str) -> str:
    """vellink's naming: a control file ending in "coc" (as velcomp names them) gets "exe" in
    its place, the very program velcomp starts; any other name gets its extension replaced by
    "exe" (added when it has none)."""
    if control.endswith("coc"):
        return control[:-3] + "exe"
    folder, slash, name = control.rpartition("/")
    stem, dot, _ = name.rpartition(".")
    return folder + slash + (stem if dot else name) + ".exe"


def place_input(folder: Path, case: Case, data: bytes) -> None:
    path = folder / case.file_name
    path.parent.mkdir(parents=True, exist_ok=True)
    if case.layout == "file":
        path.write_bytes(data)
    elif case.layout == "directory":
        path.mkdir()


@dataclass
class Case:
    name: str
    program: str  # "velint", "velcomp" or "vellink"
    make: Callable[[], bytes]  # the script or link control file
    stdin: bytes = b""
    link: bool = False  # velcomp: link with /L and run the program
    known_problem: str = ""  # non-empty: a problem not fixed yet, so the case is expected to fail
    known_sign: str = "."  # regular expression the problems of an expected failure must match
    file_name: str = ""  # name of the input file, given on the command line (default per program)
    args: List[str] = field(default_factory=list)  # further arguments (velint: the script's command)
    layout: str = "file"  # "file"; "directory": a folder of that name instead; "missing": nothing


@dataclass
class Outcome:
    code: Optional[int]  # None after a timeout
    stdout: bytes
    stderr: bytes

    @property
    def timed_out(self) -> bool:
        return self.code is None


@dataclass
class Result:
    case: Case
    problems: List[str] = field(default_factory=list)
    seconds: float = 0.0
    folder: Optional[Path] = None


class Runner:
    def __init__(self, bin_dir: Path, timeout: float):
        self.bin_dir = bin_dir
        self.timeout = timeout
        self.env = {k: v for k, v in os.environ.items() if k not in SCRUBBED_ENV}
        self.env.setdefault("UBSAN_OPTIONS", "print_stacktrace=1")
        self.runtime = (bin_dir / "velrun.rtl").read_bytes()

    def run(self, argv: List[str], cwd: Path, stdin: bytes) -> Outcome:
        with tempfile.TemporaryFile(dir=cwd) as out, tempfile.TemporaryFile(dir=cwd) as err:
            # stdout and stderr go to files: a program that prints megabytes cannot block on a pipe.
            proc = subprocess.Popen(argv, cwd=cwd, env=self.env, stdin=subprocess.PIPE, stdout=out, stderr=err,
                                    start_new_session=True)
            try:
                proc.communicate(stdin, timeout=self.timeout)
                code: Optional[int] = proc.returncode
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)  # the whole group: velcomp's vellink included
                proc.wait()
                code = None
            out.seek(0)
            err.seek(0)
            return Outcome(code, out.read(), err.read())

    # Checks common to every run; returns the problems found.
    def check_ended(self, what: str, outcome: Outcome, allowed_codes: Optional[set]) -> List[str]:
        problems = []
        if outcome.timed_out:
            problems.append(f"{what}: no end within {self.timeout:g} s")
        elif outcome.code < 0:
            problems.append(f"{what}: killed by signal {-outcome.code} ({signal.Signals(-outcome.code).name})")
        elif allowed_codes is not None and outcome.code not in allowed_codes:
            problems.append(f"{what}: exit code {outcome.code}, expected one of {sorted(allowed_codes)}")
        # Sanitizers report on standard error; standard output may hold any text a script shows.
        mark = next((m for m in SANITIZER_MARKS if m in outcome.stderr), None)
        if mark:
            problems.append(f"{what}: sanitizer report ({mark.decode()}):\n{excerpt_around(outcome.stderr, mark)}")
        return problems

    def run_velint(self, case: Case, folder: Path, data: bytes) -> List[str]:
        place_input(folder, case, data)
        outcome = self.run([str(self.bin_dir / "velint"), case.file_name] + case.args, folder, case.stdin)
        problems = self.check_ended("velint", outcome, None)
        if outcome.stderr and not problems:
            if not ERROR_BOX.fullmatch(outcome.stderr):
                problems.append(f"velint: standard error is not one error box: {excerpt(outcome.stderr)}")
            elif outcome.code != 1:
                problems.append(f"velint: exit code {outcome.code} after an error box")
        return problems

    def run_velcomp(self, case: Case, folder: Path, data: bytes) -> List[str]:
        place_input(folder, case, data)
        argv = [str(self.bin_dir / "velcomp"), case.file_name, "/E"] + (["/L"] if case.link else []) + case.args
        outcome = self.run(argv, folder, b"")
        problems = self.check_ended("velcomp", outcome, {0, 1})
        if problems:
            return problems
        coc = folder / control_name(case.file_name)
        if outcome.code == 1:
            if coc.exists():
                problems.append("velcomp: exit code 1 but the link control file is left behind")
            return problems
        if not case.link:
            code = coc.read_bytes() if coc.exists() else None
            if code is None:
                problems.append("velcomp: exit code 0 but no link control file")
            elif not (code.startswith(link_inputs.CONTROL + link_inputs.HEADER) and code.endswith(link_inputs.END)):
                problems.append(f"velcomp: link control file without control line, header or end marker: {excerpt(code)}")
            return problems
        if coc.exists():
            problems.append("velcomp /L: the link control file is left behind")
        program = linked_name(control_name(case.file_name))
        if not (folder / program).exists():
            return problems + [f"velcomp /L: no linked program; output: {excerpt(outcome.stdout + outcome.stderr)}"]
        return problems + self.run_program(folder, program)

    def run_vellink(self, case: Case, folder: Path, data: bytes) -> List[str]:
        place_input(folder, case, data)
        outcome = self.run([str(self.bin_dir / "vellink"), case.file_name] + case.args, folder, b"")
        problems = self.check_ended("vellink", outcome, {0, 1})
        if problems:
            return problems
        if outcome.stdout:
            problems.append(f"vellink: prints on standard output: {excerpt(outcome.stdout)}")
        if outcome.stderr and not outcome.stderr.startswith(b"vellink: "):
            problems.append(f"vellink: message not starting with 'vellink: ': {excerpt(outcome.stderr)}")
        program = folder / linked_name(case.file_name)
        if outcome.code == 1:
            if not outcome.stderr:
                problems.append("vellink: exit code 1 without a message")
            if program.exists() and program != folder / case.file_name:
                problems.append("vellink: exit code 1 but a program was written")
            if case.layout == "file" and (folder / case.file_name).read_bytes() != data:
                problems.append("vellink: exit code 1 and the link control file has changed")
            return problems
        if not program.exists():
            return problems + ["vellink: exit code 0 but no program"]
        code_start = data.find(b"\r\n") + 2
        if program.read_bytes() != self.runtime + data[code_start:]:
            problems.append("vellink: the program is not the runtime followed by the code")
        return problems + self.run_program(folder, linked_name(case.file_name))

    def run_program(self, folder: Path, name: str) -> List[str]:
        outcome = self.run(["./" + name], folder, b"")
        return self.check_ended("linked program", outcome, {0, 1})

    def run_case(self, case: Case, keep_root: Path) -> Result:
        folder = Path(tempfile.mkdtemp(prefix="case-", dir=keep_root))
        if not case.file_name:
            case.file_name = LINK_NAME if case.program == "vellink" else SCRIPT_NAME
        data = case.make()
        start = time.monotonic()
        check = {"velint": self.run_velint, "velcomp": self.run_velcomp, "vellink": self.run_vellink}[case.program]
        try:
            problems = check(case, folder, data)
        except OSError as error:
            problems = [f"runner: {error}"]
        result = Result(case, problems, time.monotonic() - start)
        if problems:
            keep_failure(folder, case, data, problems)
            result.folder = folder
        else:
            shutil.rmtree(folder, ignore_errors=True)
        return result


def excerpt(data: bytes, limit: int = 300) -> str:
    text = data[:limit].decode("latin-1").encode("unicode_escape").decode("ascii")
    return text + ("..." if len(data) > limit else "")


def excerpt_around(data: bytes, mark: bytes, limit: int = 3000) -> str:
    start = max(0, data.find(mark) - 200)
    text = data[start:start + limit].decode("utf-8", "replace")
    return "    " + text.replace("\n", "\n    ")


def keep_failure(folder: Path, case: Case, data: bytes, problems: List[str]) -> None:
    """Leaves the input, the answers and what went wrong in the case's folder."""
    (folder / "input.bin").write_bytes(data)
    (folder / "stdin.bin").write_bytes(case.stdin)
    note = [f"case: {case.name}", f"program: {case.program}" + (" /L" if case.link else "")]
    (folder / "problems.txt").write_text("\n".join(note + problems) + "\n", encoding="utf-8", errors="replace")


# The cases.
def random_case(seed: int, index: int) -> Case:
    rng = random.Random(f"{seed}:{index}")
    roll = rng.random()
    name = f"random-{seed}-{index}"
    if roll < 0.20:
        data = script_inputs.random_bytes(rng)
        return Case(f"{name}-velint-bytes", "velint", lambda: data, script_inputs.stdin_answers(rng))
    if roll < 0.50:
        data = script_inputs.keyword_mix(rng)
        return Case(f"{name}-velint-mix", "velint", lambda: data, script_inputs.stdin_answers(rng))
    if roll < 0.70:
        data = script_inputs.keyword_mix(rng, compilable=rng.random() < 0.7)
        link = rng.random() < 0.5
        return Case(f"{name}-velcomp-mix" + ("-link" if link else ""), "velcomp", lambda: data, link=link)
    if roll < 0.75:
        data = script_inputs.random_bytes(rng)
        link = rng.random() < 0.3
        return Case(f"{name}-velcomp-bytes" + ("-link" if link else ""), "velcomp", lambda: data, link=link)
    data = link_inputs.random_link_file(rng)
    return Case(f"{name}-vellink", "vellink", lambda: data)


def fixed_cases() -> List[Case]:
    cases = []
    for name, make in script_inputs.FIXED_SCRIPTS:
        cases.append(Case(f"fixed-velint-{name}", "velint", make))
        cases.append(Case(f"fixed-velcomp-{name}", "velcomp", make, link=True))
    for name, make in link_inputs.FIXED_LINK_FILES:
        cases.append(Case(f"fixed-vellink-{name}", "vellink", make))
    cases += odd_places()
    return cases + found_cases.cases(Case)


def odd_places() -> List[Case]:
    """Inputs that are missing, folders, oddly named, or come with odd arguments."""
    script = lambda: b"ECHO 'x'" + script_inputs.CRLF  # noqa: E731
    control = lambda: link_inputs.CONTROL + link_inputs.HEADER + link_inputs.END  # noqa: E731
    odd_args = ["", " ", '"', "a b", "  c  ", os.fsdecode(b"\xff\x01"), "x" * 100_000]
    cases = [
        Case("place-velint-missing-script", "velint", script, layout="missing"),
        Case("place-velint-script-is-folder", "velint", script, layout="directory"),
        Case("place-velint-odd-arguments", "velint", lambda: b"ECHO [command]" + script_inputs.CRLF, args=odd_args),
        Case("place-velcomp-missing-script", "velcomp", script, layout="missing"),
        Case("place-velcomp-script-is-folder", "velcomp", script, layout="directory"),
        Case("place-velcomp-unknown-options", "velcomp", script, args=["/X", "/l", "", "/ORCA"]),
        Case("place-velcomp-icon-option", "velcomp", script, link=True, args=["/I:", "/I:nothere.ico", "/I:" + "i" * 5000]),
    ]
    for name in ["x", "ab", ".vl", "s.VL", "my script.vl", "sub/s.vl", "sub.d/s", "-s.vl", "s.vl.vl"]:
        cases.append(Case(f"place-velcomp-named-{name}", "velcomp", script, link=True, file_name=name))
    cases += [
        Case("place-vellink-missing", "vellink", control, layout="missing"),
        Case("place-vellink-folder", "vellink", control, layout="directory"),
        Case("place-vellink-named-like-program", "vellink", control, file_name="s.exe"),
        Case("place-vellink-two-arguments", "vellink", control, args=["s.coc"]),
        Case("place-vellink-empty-argument", "vellink", control, args=[""]),
    ]
    for name in ["s", "S.COC", "sub.d/s", "sub/.coc", "-s.coc", "s.coc.coc"]:
        cases.append(Case(f"place-vellink-named-{name}", "vellink", control, file_name=name))
    return cases


def select_cases(args: argparse.Namespace) -> List[Case]:
    cases = fixed_cases() + [random_case(args.seed, i) for i in range(args.cases)]
    if args.only:
        cases = [c for c in cases if args.only in c.name]
    return cases


def verdict(result: Result) -> str:
    """ok, failed, xfail (a known problem shows as expected) or xpass (it no longer shows)."""
    case = result.case
    if not case.known_problem:
        return "failed" if result.problems else "ok"
    if not result.problems:
        return "xpass"
    # A case with a known problem that fails some other way has a new problem.
    return "xfail" if re.search(case.known_sign, "\n".join(result.problems)) else "failed"


def report(results: List[Result], verbose: bool, seconds: float, keep_root: Path) -> int:
    counts = {"ok": 0, "failed": 0, "xfail": 0, "xpass": 0}
    for result in results:
        case, kind = result.case, verdict(result)
        counts[kind] += 1
        if kind == "failed":
            print(f"FAIL  {case.name} ({result.seconds:.2f} s), kept in {result.folder}")
            for problem in result.problems:
                print("      " + problem)
        elif kind == "xpass":
            print(f"XPASS {case.name}: the known problem no longer shows ({case.known_problem}); remove its mark")
        elif kind == "xfail" and verbose:
            print(f"XFAIL {case.name} ({result.seconds:.2f} s): {case.known_problem}")
        elif verbose:
            print(f"ok    {case.name} ({result.seconds:.2f} s)")
    names = {"ok": "passed", "failed": "failed", "xfail": "expected failures", "xpass": "unexpected passes"}
    summary = ", ".join(f"{counts[k]} {names[k]}" for k in names if counts[k] or k == "ok")
    print(f"{len(results)} cases in {seconds:.1f} s: {summary}")
    if counts["failed"] or counts["xpass"]:
        print(f"inputs of the failing cases: {keep_root}")
        return 1
    return 0


def limit_stack() -> None:
    """Gives the programs an 8 MB stack (the usual Linux default), also where it is unlimited,
    so that deep recursion fails the same way everywhere."""
    soft, hard = resource.getrlimit(resource.RLIMIT_STACK)
    wanted = STACK_BYTES if hard == resource.RLIM_INFINITY else min(STACK_BYTES, hard)
    if soft == resource.RLIM_INFINITY or soft > wanted:
        resource.setrlimit(resource.RLIMIT_STACK, (wanted, hard))


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--bin", required=True, type=Path, help="folder of velint, velcomp, vellink and velrun.rtl")
    parser.add_argument("--cases", type=int, default=100, help="number of random cases (default 100)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the random cases (default 1)")
    parser.add_argument("--timeout", type=float, default=10.0, help="seconds per program run (default 10)")
    parser.add_argument("--jobs", type=int, default=2, help="cases run at the same time (default 2)")
    parser.add_argument("--only", help="run only the cases whose name contains this text")
    parser.add_argument("--keep", type=Path, help="folder for the failing cases (default: a temporary folder)")
    parser.add_argument("--verbose", "-v", action="store_true", help="list every case")
    args = parser.parse_args()

    limit_stack()
    bin_dir = args.bin.resolve()
    for program in ("velint", "velcomp", "vellink", "velrun.rtl"):
        if not (bin_dir / program).is_file():
            print(f"missing {bin_dir / program}", file=sys.stderr)
            return 2
    keep_root = (args.keep.resolve() if args.keep else Path(tempfile.mkdtemp(prefix="velmish-robustness-")))
    keep_root.mkdir(parents=True, exist_ok=True)
    runner = Runner(bin_dir, args.timeout)
    cases = select_cases(args)
    if not cases:
        print(f"no case is named with {args.only!r}", file=sys.stderr)
        return 2
    start = time.monotonic()
    with ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        results = list(pool.map(lambda c: runner.run_case(c, keep_root), cases))
    code = report(results, args.verbose, time.monotonic() - start, keep_root)
    if code == 0 and not args.keep:
        shutil.rmtree(keep_root, ignore_errors=True)
    return code


if __name__ == "__main__":
    sys.exit(main())
