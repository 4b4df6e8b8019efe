#!/usr/bin/env python3
"""The VS Code extension's $velmish problem matcher reads the error lines velcomp and velint write.

Usage: check_problem_matcher.py PACKAGE_JSON VELCOMP VELINT
"""

import json
import os
import re
import subprocess
import sys
import tempfile


def matcher(package_json):
    (problem,) = json.load(open(package_json))["contributes"]["problemMatchers"]
    pattern = problem["pattern"]
    return problem["name"], re.compile(pattern["regexp"]), pattern


def problems(regexp, pattern, text):
    found = []
    for line in text.splitlines():
        match = regexp.match(line)
        if match:
            found.append((match[pattern["file"]], int(match[pattern["line"]]), match[pattern["message"]]))
    return found


def main():
    name, regexp, pattern = matcher(sys.argv[1])
    velcomp, velint = sys.argv[2], sys.argv[3]
    assert name == "velmish", name
    with tempfile.TemporaryDirectory() as folder:
        script = os.path.join(folder, "bad script.vl")
        with open(script, "wb") as out:
            out.write(b"ECHO 'fine'\r\nfoo 'x'\r\n")
        compiled = subprocess.run([velcomp, script, "/E"], capture_output=True, text=True, timeout=60)
        interpreted = subprocess.run([velint, script], capture_output=True, text=True, timeout=60, stdin=subprocess.DEVNULL,
                                     env=dict(os.environ, VL_DIAGNOSTICS="1", VL_UI="console"))
    for program, run in (("velcomp", compiled), ("velint", interpreted)):
        # The line is the one the program's own report names ("Line N, Error ...").
        (line,) = re.findall(r"Line (\d+), Error", run.stdout + run.stderr)
        found = problems(regexp, pattern, run.stderr)
        assert found == [(script, int(line), "Unknown instruction: FOO")], f"{program}: the matcher found {found}"
    # A Windows path keeps its drive letter's colon in the file name.
    assert problems(regexp, pattern, r"C:\Scripts\a.vl:12: error: Parse error at LET") == [
        (r"C:\Scripts\a.vl", 12, "Parse error at LET")]
    print("the $velmish problem matcher reads velcomp's and velint's error lines")


main()
