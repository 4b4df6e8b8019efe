#!/usr/bin/env python3
"""Script-test runner: runs every .vl test and compares its results with the sidecar files.

Usage:
    run_script_tests.py --velint PATH [--timeout S] [--verbose] DIR_OR_FILE...

Each test script runs in a fresh temporary directory (the script is copied there and
started with its bare file name, the working directory being that directory). Its
standard output, standard error and exit code must equal the expectations stored
beside the script (see README.md). Every script then runs a second time with its
CR LF line ends turned into LF line ends and must give identical results; scripts
whose name ends in "_cronly.vl" skip that second run.

The way a script is run is a "mode": the interpreter (--velint), and a compiled program
(--compiled VELCOMP: velcomp /L /E, then the linked program). Every script runs in both modes
and must give the same standard output, standard error, exit code and files, except where a
sidecar says otherwise by name:
  <name>.refused     velcomp must refuse the script: the file holds the report line it prints
                     ("Line 3, Error 0 Parse error"); exit code 1, no program, no code file
  <name>.interponly  the script shows what only the interpreter does; the one line says why

--module PATH copies a module (the media module) beside each compiled program, as an installer
puts it; velint finds it beside itself in the build folder. A script with a <name>.nomodules
sidecar (one line saying why) runs without any: velint as a copy in a folder of its own, the
compiled program without the copy.

With --compare (no stored expectations), each script runs through velint and compiled with the
answers and arguments of the sidecars found in --sidecars DIR, and the two runs must agree.
"""

import argparse
import difflib
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
from dataclasses import dataclass, field
from pathlib import Path
from typing import Dict, List, Optional

CWD_PLACEHOLDER = b"{cwd}"
SCRIPT_PLACEHOLDER = "{script}"
# Environment variables that change how the programs start; removed so that every run sees the same start.
SCRUBBED_ENV = ("VL_DEBUGMODE", "VL_DEBUGVARS", "windir", "WINDIR")
# The file names of the modules --module copies into the run directory: not the script's files.
MODULE_NAMES = set()


@dataclass
class Expectation:
    """What one test script feeds the program and what it expects back."""

    stdin: bytes = b""
    stdout: Optional[bytes] = b""  # exact text; None when stdout_re is used
    stderr: Optional[bytes] = b""
    stdout_re: Optional[bytes] = None  # full-match regular expression instead of exact text
    stderr_re: Optional[bytes] = None
    code: int = 0
    args: List[str] = field(default_factory=list)  # arguments after the script path
    argv: Optional[List[str]] = None  # whole argument list, replaces "script path + args"
    env: Dict[str, str] = field(default_factory=dict)
    copy_as: Optional[str] = None  # file name of the script copy in the run directory
    files: Optional[Path] = None  # a folder whose contents are copied into the run directory first
    masks: List[bytes] = field(default_factory=list)  # --compare: patterns of text that may differ (clock times)
    memory_mb: Optional[int] = None  # the address space the program may use, in MiB
    file_limit: Optional[int] = None  # the size a file may grow to, in bytes (ulimit -f)
    no_modules: bool = False  # velint and the compiled program run without any module beside them


@dataclass
class Outcome:
    """What one run produced."""

    stdout: bytes
    stderr: bytes
    code: Optional[int]  # None after a timeout
    timed_out: bool = False


@dataclass
class TestCase:
    script: Path
    expect: Expectation

    @property
    def name(self) -> str:
        return str(self.script)

    @property
    def wants_lf_run(self) -> bool:
        return not self.script.name.endswith("_cronly.vl")


def read_lines(path: Path) -> List[str]:
    """Lines of a one-item-per-line sidecar; an empty file has no lines."""
    text = path.read_bytes().decode("utf-8")
    if text == "":
        return []
    if text.endswith("\n"):
        text = text[:-1]
    return text.split("\n")


def load_expectation(script: Path, sidecars: Optional[str] = None) -> Expectation:
    base = script.with_suffix("") if sidecars is None else Path(sidecars) / script.stem

    def sidecar(ext: str) -> Path:
        return base.parent / (base.name + ext)

    exp = Expectation()
    if sidecar(".in").exists():
        exp.stdin = sidecar(".in").read_bytes()
    for stream in ("out", "err"):
        exact, regex = sidecar("." + stream), sidecar("." + stream + ".re")
        if exact.exists() and regex.exists():
            raise ValueError(f"{script}: both .{stream} and .{stream}.re exist")
        if regex.exists():
            setattr(exp, "std" + stream, None)
            setattr(exp, "std" + stream + "_re", regex.read_bytes())
        elif exact.exists():
            setattr(exp, "std" + stream, exact.read_bytes())
    if sidecar(".code").exists():
        exp.code = int(sidecar(".code").read_text().strip())
    if sidecar(".args").exists():
        exp.args = read_lines(sidecar(".args"))
    if sidecar(".argv").exists():
        exp.argv = read_lines(sidecar(".argv"))
    if sidecar(".env").exists():
        for line in read_lines(sidecar(".env")):
            name, _, value = line.partition("=")
            exp.env[name] = value
    if sidecar(".memlimit").exists():
        exp.memory_mb = int(sidecar(".memlimit").read_text().strip())
    if sidecar(".filelimit").exists():
        exp.file_limit = int(sidecar(".filelimit").read_text().strip())
    if sidecar(".mask").exists():
        exp.masks = [line.encode() for line in read_lines(sidecar(".mask"))]
    if sidecar(".files").is_dir():
        exp.files = sidecar(".files")
    if sidecar(".nomodules").exists():
        exp.no_modules = bool(sidecar_line(sidecar(".nomodules")))
    if sidecar(".copyas").exists():
        exp.copy_as = read_lines(sidecar(".copyas"))[0]
    return exp


def discover(paths: List[str], sidecars: Optional[str] = None) -> List[TestCase]:
    scripts: List[Path] = []
    for p in map(Path, paths):
        if p.is_dir():
            scripts.extend(sorted(p.rglob("*.vl")))
        elif p.suffix == ".vl" and p.exists():
            scripts.append(p)
        else:
            raise ValueError(f"not a test script or folder: {p}")
    return [TestCase(s, load_expectation(s, sidecars)) for s in scripts]


def to_lf(source: bytes) -> bytes:
    return source.replace(b"\r\n", b"\n")


def run_process(argv: List[str], cwd: Path, stdin: bytes, env: Dict[str, str], timeout: float,
                exp: Optional[Expectation] = None) -> Outcome:
    def set_limits():
        if exp and exp.memory_mb is not None:
            size = exp.memory_mb * 1024 * 1024
            resource.setrlimit(resource.RLIMIT_AS, (size, size))
        if exp and exp.file_limit is not None:
            resource.setrlimit(resource.RLIMIT_FSIZE, (exp.file_limit, exp.file_limit))

    proc = subprocess.Popen(argv, cwd=cwd, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, start_new_session=True, preexec_fn=set_limits)
    try:
        out, err = proc.communicate(stdin, timeout=timeout)
        return Outcome(out, err, proc.returncode)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        out, err = proc.communicate()
        return Outcome(out, err, None, timed_out=True)


class VelintMode:
    """Runs the script source directly with the interpreter."""

    name = "velint"

    def __init__(self, velint: str, timeout: float):
        self.velint = str(Path(velint).resolve())
        self.timeout = timeout

    def run(self, workdir: Path, script_name: str, exp: Expectation, env: Dict[str, str]) -> Outcome:
        if exp.argv is not None:
            args = [a.replace(SCRIPT_PLACEHOLDER, script_name) for a in exp.argv]
        else:
            args = [script_name] + exp.args
        if not exp.no_modules:
            return run_process([self.velint] + args, workdir, exp.stdin, env, self.timeout, exp)
        with tempfile.TemporaryDirectory(prefix="vlalone-") as alone:
            velint = Path(alone) / "velint"
            shutil.copy2(self.velint, velint)
            return run_process([str(velint)] + args, workdir, exp.stdin, env, self.timeout, exp)


def sidecar_line(path: Path) -> str:
    """The one line of a reason or report sidecar; it must say something."""
    lines = read_lines(path)
    if not lines or not lines[0].strip():
        raise ValueError(f"{path}: the sidecar must hold one line that says why")
    return lines[0]


class CompiledMode:
    """Compiles the script with velcomp /L /E (vellink and velrun.rtl beside it) and runs the
    linked program with the same arguments and input."""

    name = "compiled"
    FAILED = b"\n\nERROR. Compiling process failed."

    def __init__(self, velcomp: str, timeout: float, modules: List[str]):
        self.velcomp = str(Path(velcomp).resolve())
        self.timeout = timeout
        self.modules = [Path(module).resolve() for module in modules]

    def applies_to(self, case: "TestCase") -> bool:
        interponly = case.script.with_suffix(".interponly")
        return not (interponly.exists() and sidecar_line(interponly))

    def compile(self, workdir: Path, script_name: str, env: Dict[str, str]) -> Outcome:
        return run_process([self.velcomp, script_name, "/L", "/E"], workdir, b"", env, self.timeout)

    def run(self, workdir: Path, script_name: str, exp: Expectation, env: Dict[str, str]) -> Outcome:
        compiled = self.compile(workdir, script_name, env)
        program = workdir / (script_name[:-2] + "exe")
        if compiled.code != 0 or not program.exists():
            message = b"compiling failed (velcomp exit code %d):\n" % (compiled.code or -1)
            return Outcome(compiled.stdout, message + compiled.stderr, -1)
        for module in [] if exp.no_modules else self.modules:
            shutil.copy2(module, workdir / module.name)
        return run_process([str(program)] + exp.args, workdir, exp.stdin, env, self.timeout, exp)

    def check_refused(self, case: "TestCase", source: bytes, report_line: str) -> List[str]:
        """velcomp must print the report, end with exit code 1 and leave no program or code file."""
        with tempfile.TemporaryDirectory(prefix="vltest-") as tmp:
            workdir = Path(os.path.realpath(tmp))
            script_name = case.expect.copy_as or case.script.name
            (workdir / script_name).write_bytes(source)
            got = self.compile(workdir, script_name, make_env(case.expect))
            problems = []
            if got.code != 1:
                problems.append(f"velcomp exit code: expected 1, actual {got.code}\n")
            if not got.stdout.endswith(b"\n" + report_line.encode() + self.FAILED):
                problems.append(f"velcomp did not report {report_line!r}; it printed:\n")
                problems += show(got.stdout) + ["\n"]
            left = sorted(p.name for p in workdir.iterdir() if p.suffix in (".exe", ".coc"))
            if left:
                problems.append(f"velcomp left files behind: {left}\n")
            return problems


def make_env(exp: Expectation) -> Dict[str, str]:
    env = {k: v for k, v in os.environ.items() if k not in SCRUBBED_ENV}
    env.update(exp.env)
    return env


def show(data: bytes) -> List[str]:
    return data.decode("utf-8", errors="backslashreplace").splitlines(keepends=True)


def compare_stream(label: str, expected: Optional[bytes], pattern: Optional[bytes], actual: bytes,
                   workdir: Path) -> List[str]:
    """Returns the report lines for one stream; empty when it matches."""
    if pattern is not None:
        if re.fullmatch(pattern, actual):
            return []
        return [f"--- {label} does not match the expected pattern:\n"] + show(pattern) + [
            f"\n+++ actual {label}:\n"] + show(actual) + ["\n"]
    expected = expected.replace(CWD_PLACEHOLDER, str(workdir).encode())
    if expected == actual:
        return []
    diff = difflib.unified_diff(show(expected), show(actual), f"expected {label}", f"actual {label}")
    lines = [line if line.endswith("\n") else line + "\n\\ no line feed at end\n" for line in diff]
    return lines or [f"--- {label} differs only in bytes that do not show\n"]


# Files a run leaves that are the runner's or the compiler's, not the script's.
def is_run_artifact(path: Path, script_name: str) -> bool:
    return path.name == script_name or path.suffix in (".exe", ".coc") or path.name in MODULE_NAMES


def snapshot(workdir: Path, script_name: str) -> Dict[str, Optional[bytes]]:
    """The files and folders a run left in its directory: contents of files, None for folders.
    The run directory's own path inside a file reads as {cwd}, as in the expectations."""
    found: Dict[str, Optional[bytes]] = {}
    for path in sorted(workdir.rglob("*")):
        relative = str(path.relative_to(workdir))
        if path.parent == workdir and is_run_artifact(path, script_name):
            continue
        if path.is_symlink():
            found[relative] = b"-> " + os.readlink(path).encode()
        elif path.is_dir():
            found[relative] = None
        elif path.is_file():
            found[relative] = path.read_bytes().replace(str(workdir).encode(), CWD_PLACEHOLDER)
        else:
            found[relative] = b"(special file)"
    return found


def compare_snapshots(velint: Dict[str, Optional[bytes]], compiled: Dict[str, Optional[bytes]],
                      masked=lambda text: text) -> List[str]:
    report = []
    for name in sorted(set(velint) | set(compiled)):
        if name not in compiled:
            report.append(f"only the velint run left {name}\n")
        elif name not in velint:
            report.append(f"only the compiled run left {name}\n")
        elif velint[name] != compiled[name] and (velint[name] is None or compiled[name] is None or
                                                 masked(velint[name]) != masked(compiled[name])):
            report.append(f"{name} differs between the velint and the compiled run\n")
    return report


def run_case(case: TestCase, mode, lf: bool):
    """Runs the script once in a fresh directory; the outcome and the files it left."""
    exp = case.expect
    source = case.script.read_bytes()
    if lf:
        source = to_lf(source)
    with tempfile.TemporaryDirectory(prefix="vltest-") as tmp:
        workdir = Path(os.path.realpath(tmp))
        script_name = exp.copy_as or case.script.name
        if exp.files is not None:
            shutil.copytree(exp.files, workdir, dirs_exist_ok=True)
        (workdir / script_name).write_bytes(source)
        got = mode.run(workdir, script_name, exp, make_env(exp))
        return got, workdir, snapshot(workdir, script_name)


def check(case: TestCase, mode, lf: bool):
    """The report of one run against the stored expectations (empty when it passed) and the
    files it left."""
    exp = case.expect
    got, workdir, files = run_case(case, mode, lf)
    report: List[str] = []
    if got.timed_out:
        report.append(f"timed out after {mode.timeout} s\n")
    elif got.code != exp.code:
        report.append(f"exit code: expected {exp.code}, actual {got.code}\n")
    report += compare_stream("stdout", exp.stdout, exp.stdout_re, got.stdout, workdir)
    report += compare_stream("stderr", exp.stderr, exp.stderr_re, got.stderr, workdir)
    return report, files


def compare_runs(case: TestCase, modes, lf: bool) -> List[str]:
    """--compare: the velint run and the compiled run must agree with each other."""
    (velint, _, velint_files), (compiled, _, compiled_files) = (run_case(case, m, lf) for m in modes)
    report: List[str] = []
    for label, outcome in (("velint", velint), ("compiled", compiled)):
        if outcome.timed_out:
            report.append(f"{label} run timed out\n")
    if velint.code != compiled.code:
        report.append(f"exit code: velint {velint.code}, compiled {compiled.code}\n")
    def masked(text: bytes) -> bytes:
        for pattern in case.expect.masks:
            text = re.sub(pattern, b"<masked>", text)
        return text

    for stream in ("stdout", "stderr"):
        ours, theirs = masked(getattr(velint, stream)), masked(getattr(compiled, stream))
        if ours != theirs:
            report += [f"--- {stream} differs:\n"] + list(difflib.unified_diff(show(ours), show(theirs), "velint", "compiled"))
    return report + compare_snapshots(velint_files, compiled_files, masked)


def main() -> int:
    parser = argparse.ArgumentParser(description="Run the Velmish script tests.")
    parser.add_argument("--velint", help="path of the velint program")
    parser.add_argument("--compiled", metavar="VELCOMP",
                        help="also compile each script with this velcomp and run the program (differential run)")
    parser.add_argument("--timeout", type=float, default=10.0, help="seconds per run (default 10)")
    parser.add_argument("--verbose", "-v", action="store_true", help="also list the tests that pass")
    parser.add_argument("--compare", action="store_true",
                        help="no stored expectations: velint and the compiled program must agree")
    parser.add_argument("--sidecars", metavar="DIR", help="with --compare: where the answers and arguments are")
    parser.add_argument("--sanitized", action="store_true",
                        help="the programs are built with AddressSanitizer, which cannot run in a limited address space: "
                             "skip the scripts with a memory limit")
    parser.add_argument("--module", action="append", default=[], metavar="PATH",
                        help="a module to copy beside each compiled program (may be given more than once)")
    parser.add_argument("paths", nargs="+", help="test folders or .vl files")
    opts = parser.parse_args()

    modes = []
    for option, mode in ((opts.velint, VelintMode), (opts.compiled, CompiledMode)):
        if option is None:
            continue
        if not os.access(option, os.X_OK):
            print(f"program not found or not executable: {option}", file=sys.stderr)
            return 2
        modes.append(mode(option, opts.timeout) if mode is VelintMode else mode(option, opts.timeout, opts.module))
    MODULE_NAMES.update(Path(module).name for module in opts.module)
    if not modes:
        print("give --velint, --compiled or both", file=sys.stderr)
        return 2
    cases = discover(opts.paths, opts.sidecars)
    if opts.sanitized:
        cases = [case for case in cases if case.expect.memory_mb is None]
    if opts.compare and len(modes) != 2:
        print("--compare needs --velint and --compiled", file=sys.stderr)
        return 2

    failures = 0
    runs = 0

    def report_run(label: str, report: List[str]) -> None:
        nonlocal failures, runs
        runs += 1
        if report:
            failures += 1
            sys.stdout.write(f"FAIL {label}\n" + "".join(report) + "\n")
        elif opts.verbose:
            sys.stdout.write(f"ok   {label}\n")

    for case in cases:
        for lf in ([False, True] if case.wants_lf_run else [False]):
            line_ends = "LF" if lf else "CR LF"
            if opts.compare:
                report_run(f"{case.name} [velint = compiled, {line_ends}]", compare_runs(case, modes, lf))
                continue
            files = {}
            for mode in modes:
                label = f"{case.name} [{mode.name}, {line_ends}]"
                if mode.name == "compiled" and not mode.applies_to(case):
                    continue
                refused = case.script.with_suffix(".refused")
                if mode.name == "compiled" and refused.exists():
                    source = case.script.read_bytes()
                    report_run(label, mode.check_refused(case, to_lf(source) if lf else source, sidecar_line(refused)))
                    continue
                report, files[mode.name] = check(case, mode, lf)
                report_run(label, report)
            if len(files) == 2:
                report_run(f"{case.name} [files of velint = compiled, {line_ends}]",
                           compare_snapshots(files["velint"], files["compiled"]))

    print(f"{len(cases)} scripts, {runs} runs, {runs - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
