"""Bad scripts for the robustness runner: random bytes, random keyword mixes and fixed extremes.

Every script made here must end by itself when the programs work as they should, so that a
run that does not end is a real fault. Only backward movements can keep a script running, and
the generators rule each of them out:

- GOTO and GOSUB jump only forward: every jump line names a label used by no other jump line
  and defined (if at all) only on later lines, and no other text can spell a jump keyword,
  because the words that make up the rest of a script never hold those letters in that order.
- UNTIL always has the true condition '1' = '1', on a line that is never mutated.
- RESUME only appears in scripts whose lines all end in CR LF (a line counter that LF line ends
  leave behind could send it back before its GOSUB), and at most two GOSUB lines appear in a
  script with RESUME, which bounds how often a line can run again.
- Values can only grow by joining variables; a script holds at most a few variable references,
  so no value can double itself more than a handful of times.
"""

import random
from typing import Callable, List, Tuple

CRLF = b"\r\n"

# Keywords that never move backwards: they make up the body of a random mix.
PLAIN_KEYWORDS = [
    b"ECHO", b"ECHOLN", b"ECHOBOX", b"MSGBOX", b"CONFIRM", b"IF", b"ELSEIF", b"ELSE", b"ENDIF",
    b"REPEAT", b"LET", b"DEC", b"CALCVAR", b"LINKVAR", b"COPYVAR", b"GETPOS", b"GETCHR", b"GETLEN",
    b"UPVAR", b"LOWVAR", b"TRIMVAR", b"HALT", b"END", b"REM", b"TITLE",
    # Dialogs (answered from standard input) and commands that only read files or the
    # environment, or write files by names made of the literals below (never a path out of the
    # case's own folder). Commands that delete, move, start programs or wait are left out.
    b"INPUTBOX", b"EDITBOX", b"LISTBOX", b"INFOBOX", b"READFILE", b"FILESIZE", b"FILEEXISTS",
    b"GETFILEATT", b"FINDFILES", b"GETENV", b"DEBUGVARS", b"WRITEFILE", b"NEWFILE",
]
PUNCTUATION = b"'[]#=!<>&|,:+-*/~"
# Literal contents: no letters that could spell GOTO, GOSUB, RESUME or UNTIL with their neighbours.
LITERALS = [
    b"", b"x", b"xyz", b"1", b"0", b"-1", b"2", b"3", b"10", b"2147483647", b"-2147483648",
    b"4294967296", b"99999999999999999999", b"1e308", b"-1e308", b"1e-320", b"nan", b"inf", b"-inf",
    b" 7 ", b"0.5", b"-0", b"\t", b"\xff\xfe", b"x" * 300, b"[x]", b"#", b"%x",
]
VARIABLES = [
    b"a", b"b", b"c", b"n", b"x", b"", b" a ", b"errorcode", b"command", b"Echo_Title", b"Confirm_Title",
    b"time", b"clipboard", b"IBox_Ok", b"EditBox_Ok", b"InfoBox_Enabled", b"new_line", b"VL_Version",
    b"x" * 200,
]
BUTTONS = [b"'OK'", b"'YESNO'", b"'yesnocancel'", b"'CANCELRETRYIGNORE'", b"'36'", b"'-1'", b"'99999'", b"'x'"]


def literal(rng: random.Random) -> bytes:
    return b"'" + rng.choice(LITERALS) + b"'"


class Budget:
    """Counts the variable references a script may still use (see the module comment)."""

    def __init__(self, references: int):
        self.references = references

    def value(self, rng: random.Random) -> bytes:
        if self.references > 0 and rng.random() < 0.4:
            self.references -= 1
            return b"[" + rng.choice(VARIABLES) + b"]"
        return literal(rng)

    def joined(self, rng: random.Random) -> bytes:
        parts = [self.value(rng) for _ in range(rng.choice([1, 1, 1, 2, 3]))]
        return b"#".join(parts)


def condition(rng: random.Random, budget: Budget, single: bool = False) -> bytes:
    parts = []
    for i in range(1 if single else rng.choice([1, 1, 2, 3])):
        if i:
            parts.append(rng.choice([b" | ", b" & ", b"|", b"&"]))
        parts.append(budget.value(rng) + rng.choice([b" = ", b" ! ", b" < ", b" > ", b"="]) + budget.value(rng))
    return b"".join(parts)


def target(rng: random.Random) -> bytes:
    return b"[" + rng.choice(VARIABLES) + b"]"


def well_formed_command(rng: random.Random, budget: Budget, compilable: bool = False) -> bytes:
    """A command as a script writer would write it (so the mix also reaches the handlers' ends).

    compilable leaves out what only the interpreter accepts (a HALT value, a stray ELSE)."""
    kind = rng.choices(range(15), weights=[4, 2, 2, 4, 3, 3, 2, 2, 3, 1, 2, 1, 1, 1, 3])[0]
    v = lambda: budget.joined(rng)  # noqa: E731 - short local helper
    if kind == 0:
        return rng.choice([b"ECHO ", b"ECHOLN ", b"echo "]) + rng.choice([v(), v(), b"unquoted text  "])
    if kind == 1:
        return rng.choice([b"MSGBOX ", b"ECHOBOX "]) + v() + b", " + v() + b", " + rng.choice(BUTTONS)
    if kind == 2:
        return b"CONFIRM " + v()
    if kind == 3:
        return b"LET " + target(rng) + b" = " + rng.choice([v(), v(), b"plain  text", b"'a' # b c"])
    if kind == 4:
        ops = b"".join(rng.choice([b" + ", b" - ", b" * ", b" / ", b" ~ "]) + budget.value(rng)
                       for _ in range(rng.randrange(4)))
        return b"CALCVAR " + target(rng) + b" = " + budget.value(rng) + ops
    if kind == 5:
        more = b"".join(rng.choice([b", ", b" + "]) + budget.value(rng) for _ in range(rng.randrange(3)))
        return b"LINKVAR " + target(rng) + b" = " + budget.value(rng) + more
    if kind == 6:
        return b"COPYVAR " + target(rng) + b" = " + v() + rng.choice([b", ", b": "]) + literal(rng) + b", " + literal(rng)
    if kind == 7:
        return b"GETPOS " + target(rng) + b" = " + v() + rng.choice([b", ", b": "]) + v()
    if kind == 8:
        return rng.choice([b"GETCHR ", b"GETLEN ", b"UPVAR ", b"LOWVAR ", b"TRIMVAR "]) + target(rng) + b" = " + v()
    if kind == 9:
        return b"DEC " + b", ".join(target(rng) for _ in range(rng.randrange(1, 4)))
    if kind == 10:
        return b"IF " + condition(rng, budget) + b" " + well_formed_command(rng, budget, compilable)
    if kind == 11:
        if compilable:
            return b"HALT"
        return b"HALT " + rng.choice([literal(rng), b"[n]", b"3", b"", b"-7", b"99999999999"])
    if kind == 12:
        return b"REM " + literal(rng)
    if kind == 14:
        return rng.choice([
            lambda: b"INPUTBOX " + target(rng) + b" = " + v() + b", " + v() + b", " + v(),
            lambda: b"EDITBOX " + target(rng) + b" = " + v() + b", " + v() + b", " + rng.choice([b"'READONLY'", b"'0'", v()]),
            lambda: b"LISTBOX " + target(rng) + b" = " + v() + b", " + rng.choice([b"'a|b||c'", b"''", b"'|'", v()]),
            lambda: b"INFOBOX " + v() + b", " + rng.choice([b"'HIDE'", b"'show'", b"'-1'", v()]),
            lambda: b"READFILE " + target(rng) + b" = " + rng.choice([b"'f.txt'", v()]) + b", " + literal(rng),
            lambda: b"WRITEFILE " + rng.choice([b"'f.txt'", b"'g.txt'"]) + b", " + v(),
            lambda: b"NEWFILE " + rng.choice([b"'f.txt'", b"g.txt"]),
            lambda: rng.choice([b"FILESIZE ", b"FINDFILES ", b"GETENV "]) + target(rng) + b" = " + rng.choice([b"*", b"f.txt", v()]),
            lambda: b"FILEEXISTS " + rng.choice([b"f.txt", v()]),
            lambda: b"GETFILEATT " + target(rng) + b" = " + rng.choice([b"'f.txt'", v()]) + b", " + rng.choice([b"'readonly'", b"'4'", v()]),
            lambda: b"DEBUGVARS " + rng.choice([b"AUTO", b"none", b"[a], [b]", b"[x]"]),
        ])()
    if compilable:
        return rng.choice([b"END", b"TITLE x", b"REM"])
    return rng.choice([b"END", b"ELSE", b"ENDIF", b"ELSEIF '1' = '1'", b"TITLE x"])


def random_tokens(rng: random.Random, budget: Budget) -> bytes:
    """A keyword followed by random values, punctuation and keywords."""
    out = [rng.choice(PLAIN_KEYWORDS)]
    for _ in range(rng.randrange(9)):
        pick = rng.randrange(6)
        if pick == 0:
            out.append(bytes([rng.choice(PUNCTUATION)]))
        elif pick == 1:
            out.append(budget.value(rng))
        elif pick == 2:
            out.append(rng.choice(PLAIN_KEYWORDS))
        elif pick == 3:
            out.append(rng.choice([b"=", b"'1' = '1'", b"#", b",", b"[", b"]", b"'"]))
        else:
            out.append(literal(rng))
    glue = rng.choice([b" ", b" ", b"", b"  "])
    return glue.join(out)


def mutate(rng: random.Random, line: bytes) -> bytes:
    """Inserts, drops or replaces a few bytes; inserted bytes are never letters."""
    data = bytearray(line)
    pool = PUNCTUATION + b" \t\x00\x01\r\n\x80\xff%"
    for _ in range(rng.randrange(1, 4)):
        action = rng.randrange(3)
        pos = rng.randrange(len(data) + 1)
        if action == 0 or not data:
            data[pos:pos] = bytes([rng.choice(pool)])
        elif action == 1:
            del data[min(pos, len(data) - 1)]
        else:
            data[min(pos, len(data) - 1)] = rng.choice(pool)
    return bytes(data)


def inline_if_prefix(rng: random.Random) -> bytes:
    """Zero or more one-line IFs in front of a protected command."""
    return b"".join(rng.choice([b"IF '1' = '1' ", b"IF '1' = '2' ", b"if [a] ! 'x' "]) for _ in range(rng.choice([0, 0, 1, 2])))


class MixWriter:
    """Writes the lines of one keyword mix; see the module comment for the rules it keeps."""

    def __init__(self, rng: random.Random, compilable: bool):
        self.rng = rng
        self.compilable = compilable  # a script that velcomp should accept, mostly
        self.line_end_style = "crlf" if compilable else rng.choice(["crlf", "crlf", "crlf", "lf", "mixed"])
        # Share of random-token lines and of mutations.
        self.chaos = 0.0 if compilable else rng.choice([0.0, 0.03, 0.1, 0.3])
        self.budget = Budget(rng.randrange(9))
        allow_resume = self.line_end_style == "crlf"
        self.gosubs_left = 2 if allow_resume else rng.randrange(4)
        self.resumes_left = rng.randrange(3) if allow_resume else 0
        self.pending: List[bytes] = []  # labels jumped to from earlier lines, not defined yet
        self.label_counter = 0
        self.lines: List[Tuple[bytes, bool]] = []  # (text, may be mutated)

    def indent(self, depth: int) -> bytes:
        return self.rng.choice([b"  " * depth, b"\t" * depth, b""])

    def block(self, depth: int, count: int) -> None:
        for _ in range(count):
            self.line(depth)

    def line(self, depth: int) -> None:
        rng = self.rng
        pick = rng.random()
        indent = self.indent(depth)
        if pick < 0.06:
            self.jump(indent)
        elif pick < 0.11 and self.pending:
            pending = self.pending
            name = pending.pop(rng.randrange(len(pending))) if rng.random() < 0.7 else rng.choice(pending)
            self.lines.append((indent + b"%" + name, False))
        elif pick < 0.16 and depth < 6:
            self.if_block(depth, indent)
        elif pick < 0.19 and depth < 6:
            self.lines.append((indent + b"REPEAT", False))
            self.block(depth + 1, rng.randrange(4))
            self.lines.append((indent + inline_if_prefix(rng) + b"UNTIL '1' = '1'", False))
        elif pick < 0.21 and self.resumes_left > 0:
            self.resumes_left -= 1
            self.lines.append((indent + b"RESUME", False))
        elif pick < 0.21 + self.chaos:
            self.lines.append((indent + random_tokens(rng, self.budget), True))
        else:
            self.lines.append((indent + well_formed_command(rng, self.budget, self.compilable), True))

    def jump(self, indent: bytes) -> None:
        """GOTO or GOSUB to a label of its own, defined (if at all) on later lines."""
        rng = self.rng
        self.label_counter += 1
        name = b"L%d" % self.label_counter + rng.choice([b"", b"", b" ", b" \xe9"])
        word = b"GOTO "
        if self.gosubs_left > 0 and rng.random() < 0.4:
            self.gosubs_left -= 1
            word = b"GOSUB "
        self.pending.append(name)
        self.lines.append((indent + inline_if_prefix(rng) + word + name, False))

    def if_block(self, depth: int, indent: bytes) -> None:
        rng = self.rng
        self.lines.append((indent + b"IF " + condition(rng, self.budget), True))
        self.block(depth + 1, rng.randrange(4))
        for _ in range(rng.choice([0, 0, 1, 2])):
            self.lines.append((indent + b"ELSEIF " + condition(rng, self.budget, self.compilable), True))
            self.block(depth + 1, rng.randrange(3))
        if rng.random() < 0.5:
            self.lines.append((indent + b"ELSE", True))
            self.block(depth + 1, rng.randrange(3))
        if rng.random() > self.chaos:
            self.lines.append((indent + b"ENDIF", True))

    def script(self, define_all_labels: bool) -> bytes:
        rng = self.rng
        self.block(0, rng.randrange(1, 40))
        if define_all_labels:  # the compiler refuses jumps to labels that are nowhere
            self.lines += [(b"%" + name, False) for name in self.pending]
        out = []
        for text, mutable in self.lines:
            if mutable and rng.random() < self.chaos:
                text = mutate(rng, text)
            if rng.random() < 0.2 and not self.compilable:
                text = text.lower()
            out.append(text)
        return join_lines(rng, out, self.line_end_style)


def keyword_mix(rng: random.Random, compilable: bool = False) -> bytes:
    """A script of random lines built from real keywords, with the control flow kept forward.

    A compilable mix defines every label it jumps to, since velcomp refuses jumps to nowhere."""
    return MixWriter(rng, compilable).script(define_all_labels=compilable)


def join_lines(rng: random.Random, lines: List[bytes], style: str) -> bytes:
    parts = []
    for text in lines:
        if style == "crlf":
            end = CRLF
        elif style == "lf":
            end = b"\n"
        else:
            end = rng.choice([CRLF, CRLF, b"\n", b"\r"])
        parts.append(text + end)
    script = b"".join(parts)
    if rng.random() < 0.15:
        script = script.rstrip(b"\r\n")  # no final line end
    return script


def random_bytes(rng: random.Random) -> bytes:
    """Bytes of every value, with the script's special characters and line ends more frequent."""
    special = [b"\x00", b"\x01", b"\r", b"\n", b"\r\n", b"\x80", b"\xff", b" ", b"\t", b"'", b"[", b"]",
               b"#", b"%", b"=", b"!", b"<", b">", b"&", b"|", b",", b":"]
    words = [b"ECHO ", b"IF ", b"LET ", b"CALCVAR ", b"MSGBOX ", b"ELSE", b"ENDIF", b"HALT ", b"REPEAT"]
    parts = []
    for _ in range(rng.randrange(0, 1500)):
        roll = rng.random()
        if roll < 0.5:
            parts.append(bytes([rng.randrange(256)]))
        elif roll < 0.95:
            parts.append(rng.choice(special))
        else:
            parts.append(rng.choice(words))
    return b"".join(parts)


def stdin_answers(rng: random.Random) -> bytes:
    """Answers for the boxes that ask: nothing, or random lines."""
    if rng.random() < 0.5:
        return b""
    choices = [b"", b"y", b"n", b"yes", b"No", b"OK", b"cancel", b"retry", b"ignore", b"abort", b"1", b"7",
               b"\x00", b"\xff\xfe", b"x" * 5000, b"yes\r"]
    lines = [rng.choice(choices) for _ in range(rng.randrange(1, 20))]
    return b"\n".join(lines) + rng.choice([b"\n", b""])


# Fixed extremes. Each entry: name, maker of the script.
def _huge_literal(megabytes: int) -> Callable[[], bytes]:
    return lambda: b"ECHO '" + b"x" * (megabytes << 20) + b"'" + CRLF


def _nested_inline_ifs(count: int, truth: bytes) -> Callable[[], bytes]:
    return lambda: b"IF '1' = '" + truth + b"' " + b"IF '1' = '1' " * (count - 1) + b"ECHO 'x'" + CRLF + b"ECHO 'after'" + CRLF


def _nested_block_ifs(count: int, outer: bytes) -> Callable[[], bytes]:
    def make() -> bytes:
        head = b"IF '1' = '" + outer + b"'" + CRLF + (b"IF '1' = '1'" + CRLF) * (count - 1)
        middle = b"ECHO 'inside'" + CRLF + b"ELSE" + CRLF + b"ECHO 'else'" + CRLF
        return head + middle + (b"ENDIF" + CRLF) * count + b"ECHO 'after'" + CRLF
    return make


def _nested_repeats(count: int, counted: bool) -> Callable[[], bytes]:
    def make() -> bytes:
        body = b"CALCVAR [i] = [i] + '1'" + CRLF + b"UNTIL [i] > '2'" + CRLF if counted else b""
        closes = (b"UNTIL '1' = '1'" + CRLF) * count
        return b"LET [i] = '0'" + CRLF + (b"REPEAT" + CRLF) * count + body + closes + b"ECHO [i]" + CRLF
    return make


def _nested_gosubs(count: int) -> Callable[[], bytes]:
    def make() -> bytes:
        parts = [b"GOSUB S1", b"ECHO 'back'", b"END"]
        for i in range(1, count + 1):
            parts.append(b"%%S%d" % i)
            parts.append(b"GOSUB S%d" % (i + 1) if i < count else b"ECHO 'deepest'")
            parts.append(b"RESUME")
        return CRLF.join(parts) + CRLF
    return make


def _long_label(length: int, defined: bool) -> Callable[[], bytes]:
    def make() -> bytes:
        name = (b"Label\xe9 " * (length // 7 + 1))[:length]
        tail = b"%" + name + CRLF + b"ECHO 'found'" + CRLF if defined else b""
        return b"GOTO " + name + CRLF + b"ECHO 'not jumped'" + CRLF + tail
    return make


def _edge_values() -> bytes:
    """Number conversions at their limits, in the commands that compute."""
    lines = [
        b"CALCVAR [n] = '1' / '0'", b"CALCVAR [n] = '0' / '0'", b"CALCVAR [n] = '7' ~ '0'",
        b"CALCVAR [n] = '1e308' * '1e308'", b"CALCVAR [n] = '-2147483648' ~ '-1'", b"CALCVAR [n] = '1e300' ~ '3'",
        b"CALCVAR [n] = 'nan' ~ 'inf'", b"CALCVAR [n] = '-1e308' - '1e308'", b"ECHO [n]",
        b"COPYVAR [s] = 'abcdef', '0', '0'", b"COPYVAR [s] = 'abcdef', '-1', '99'",
        b"COPYVAR [s] = 'abcdef', '2147483647', '2147483647'", b"COPYVAR [s] = 'abcdef', '-2147483648', '-2147483648'",
        b"COPYVAR [s] = '', '-1', '5'", b"COPYVAR [s] = 'abc', '99999999999', '99999999999'", b"ECHO [s]",
        b"GETCHR [c] = '-1'", b"GETCHR [c] = '-2147483648'", b"GETCHR [c] = '99999999999'", b"GETCHR [c] = '256'",
        b"GETPOS [p] = '', ''", b"GETPOS [p] = 'abc', ''", b"GETPOS [p] = 'a', 'abc'",
        b"GETLEN [l] = ''", b"TRIMVAR [t] = '     '", b"UPVAR [u] = '\xe9\xff'", b"LOWVAR [u] = ''",
        b"MSGBOX 'c', 't', '2147483647'", b"MSGBOX 'c', 't', '-2147483648'", b"MSGBOX 'c', 't', '99999999999'",
        b"HALT '99999999999'",
    ]
    return CRLF.join(lines) + CRLF


FIXED_SCRIPTS: List[Tuple[str, Callable[[], bytes]]] = [
    ("empty-file", lambda: b""),
    ("only-crlf", lambda: CRLF * 3000),
    ("only-lf", lambda: b"\n" * 3000),
    ("only-cr", lambda: b"\r" * 3000),
    ("only-nul", lambda: b"\x00" * 3000),
    ("no-final-line-end-keyword", lambda: b"ECHO 'a'" + CRLF + b"ECHO"),
    ("no-final-line-end-value", lambda: b"ECHO 'a'" + CRLF + b"ECHO 'unclosed"),
    ("no-final-line-end-condition", lambda: b"IF [a] = "),
    ("no-final-line-end-halt", lambda: b"HALT '5'"),
    ("label-without-name", lambda: b"ECHO 'a'" + CRLF + b"%" + CRLF),
    ("goto-missing-label", lambda: b"GOTO nowhere" + CRLF + b"ECHO 'not reached'" + CRLF),
    ("gosub-missing-label", lambda: b"GOSUB nowhere" + CRLF + b"ECHO 'not reached'" + CRLF),
    ("goto-empty-label", lambda: b"GOTO " + CRLF),
    ("resume-without-gosub", lambda: b"RESUME" + CRLF + b"ECHO 'a'" + CRLF),
    ("until-without-repeat", lambda: b"UNTIL '1' = '2'" + CRLF + b"ECHO 'a'" + CRLF),
    ("else-endif-without-if", lambda: b"ELSE" + CRLF + b"ENDIF" + CRLF + b"ELSEIF '1' = '1'" + CRLF),
    ("unclosed-block-if", lambda: b"IF '1' = '2'" + CRLF + b"ECHO 'x'" + CRLF),
    ("edge-values", _edge_values),
    ("long-label-10k", _long_label(10_000, True)),
    ("long-label-missing-100k", _long_label(100_000, False)),
    ("keyword-100k", lambda: b"E" * 100_000 + CRLF),
    ("keyword-100k-no-line-end", lambda: b"Q" * 100_000),
    ("variable-name-100k", lambda: b"LET [" + b"v" * 100_000 + b"] = 'x'" + CRLF),
    ("joins-10000", lambda: b"ECHO " + b"#".join([b"'ab'"] * 10_000) + CRLF),
    ("joins-10000-variables", lambda: b"LET [a] = 'x'" + CRLF + b"LET [b] = " + b"#".join([b"[a]"] * 10_000) + CRLF + b"GETLEN [n] = [b]" + CRLF + b"ECHO [n]" + CRLF),
    ("joins-10000-dangling", lambda: b"ECHO " + b"'a'#" * 10_000 + CRLF),
    ("linkvar-10000", lambda: b"LINKVAR [a] = " + b", ".join([b"'x'"] * 10_000) + CRLF),
    ("calcvar-10000", lambda: b"CALCVAR [a] = '1'" + b" + '1'" * 10_000 + CRLF + b"ECHO [a]" + CRLF),
    ("conditions-10000", lambda: b"IF " + b" | ".join([b"'a' = 'b'"] * 10_000) + b" ECHO 'x'" + CRLF),
    ("literal-1mb", _huge_literal(1)),
    ("literal-5mb", _huge_literal(5)),
    ("literal-1mb-no-line-end", lambda: b"LET [a] = '" + b"y" * (1 << 20)),
    ("line-5mb-of-blanks", lambda: b" " * (5 << 20) + b"ECHO 'x'" + CRLF),
    ("inline-ifs-100000-true", _nested_inline_ifs(100_000, b"1")),
    ("inline-ifs-100000-false", _nested_inline_ifs(100_000, b"2")),
    ("inline-ifs-1000", _nested_inline_ifs(1000, b"1")),
    ("block-ifs-5000-true", _nested_block_ifs(5000, b"1")),
    ("block-ifs-5000-false", _nested_block_ifs(5000, b"2")),
    ("repeats-300", _nested_repeats(300, False)),
    ("repeats-300-counted", _nested_repeats(300, True)),
    ("repeats-199-counted", _nested_repeats(199, True)),
    ("gosubs-300", _nested_gosubs(300)),
    ("gosubs-199", _nested_gosubs(199)),
    ("lines-100000", lambda: (b"LET [a] = 'x'" + CRLF) * 100_000 + b"ECHO [a]" + CRLF),
    ("variables-20000", lambda: b"".join(b"LET [v%d] = '%d'\r\n" % (i, i) for i in range(20_000)) + b"ECHO [v19999]" + CRLF),
    ("jumps-1500-distinct-labels", lambda: b"".join(b"GOTO L%d\r\n%%L%d\r\n" % (i, i) for i in range(1500)) + b"ECHO 'end'" + CRLF),
    ("commands-10000-on-one-line", lambda: b"LET [a] = 'x' " * 10_000 + CRLF + b"ECHO [a]" + CRLF),
    ("label-odd-names", lambda: b"GOTO %x\r\nECHO 'no'\r\n%%x\r\nGOTO \x00\t\xff \r\nECHO 'no'\r\n%\x00\t\xff \r\nECHO 'yes'\r\n"),
    ("labels-20000-goto-last", lambda: b"GOTO L19999" + CRLF + b"".join(b"%%L%d\r\n" % i for i in range(20_000)) + b"ECHO 'end'" + CRLF),
]
