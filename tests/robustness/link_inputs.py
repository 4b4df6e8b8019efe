"""Bad link control files for the robustness runner: damaged control lines and random code.

A link control file is the control line "COC2;170240;ICON;velrun.rtl;" with CR LF, followed by
the intermediate code (code lines ended by the byte 0x01). The damaged files test vellink; the
ones with a sound control line and random code are linked and the program is run.

Random code must not loop by itself either (see script_inputs.py): code made of random bytes
practically never holds a jump or loop opcode, and code made of opcodes keeps loop ends true
and jumps forward, on lines that are never damaged.
"""

import random
from typing import Callable, List, Tuple

CONTROL = b"COC2;170240;;velrun.rtl;\r\n"
HEADER = b"RRLR'4.3'\x01"
END = b"R009\x01"

# Opcodes whose lines cannot move backwards, with typical operands.
PLAIN_LINES = [
    b"R001[31]'x'", b"R001[32][31]#'y'", b"R027'text'#[31]", b"R027[0]", b"R028'sure?'", b"R007'c''t''YESNO'",
    b"R000[31][32][33]", b"R0IF[31]='x'R027'yes'", b"R0IF'1'='1'R0IF'1'='1'R001[33]'z'", b"RXIF[31]!'x'",
    b"RXIE[31]='y'", b"RXEL", b"RXEI", b"RRPT", b"RF00[34]'a'[31]'b'", b"RF01[35]'7'~'0'", b"RF01[35]'1'/'0'*'3'",
    b"RF02[36]'abc''c'", b"RF03[37]'abc'", b"RF04[37]'ABC'", b"RF05[37]' x '", b"RF06[37]'-1'", b"RF07[37][34]",
    b"RF08[38]'abcdef''-1''99'", b"RF08[38]'abc''2147483647''2147483647'", b"R0IF[31]='x'", b"RLBL", b"R099",
    b"", b"R", b"RF0", b"R001", b"R001[", b"R001[]", b"R0IF", b"RXIF", b"RF01[", b"RF08[1]'", b"RRLR'9.9'",
    b"R001[99999999999999999999]'x'", b"R001[-1]'x'", b"R027[4294967327]", b"RF01[35]'1e308'*'1e308'",
    b"R006", b"R009",
]
PUNCTUATION = b"'[]#=!<>&|~+-*/\x00\x01\r\n\xff"


def control_line(rng: random.Random) -> bytes:
    """A control line damaged in one of the ways a file can be damaged."""
    kind = rng.randrange(14)
    if kind == 0:
        return b""
    if kind == 1:
        return b"COC2;170240;;velrun.rtl;"  # no CR LF
    if kind == 2:
        return rng.choice([b"COC3", b"coc2", b"", b"COC2\x00", b"C" * 100_000]) + b";170240;;velrun.rtl;\r\n"
    if kind == 3:
        return b"COC2;" + rng.choice([b"", b"-1", b"x", b"9" * 100_000, b"17024O", b" 1"]) + b";;velrun.rtl;\r\n"
    if kind == 4:
        return b"COC2;170240;;" + rng.choice([b"", b".", b"..", b"../velrun.rtl", b"/etc/hostname", b"nothere.rtl",
                                                b"velrun.rtl\x00x", b"r" * 100_000, b"a\\b"]) + b";\r\n"
    if kind == 5:
        return b"COC2;170240;" + rng.choice([b"x.ico", b"/nonexistent/x.ico", b"i" * 1_000_000, b";;;", b"\x00"]) + b";velrun.rtl;\r\n"
    if kind == 6:
        return rng.choice([b"COC2;170240;\r\n", b"COC2;\r\n", b";;;;\r\n", b";\r\n", b"\r\n", b"COC2;170240;;velrun.rtl\r\n"])
    if kind == 7:
        return b"COC2;170240;;velrun.rtl;\n"  # LF only
    if kind == 8:
        return b"COC2;170240;;velrun.rtl;\r"  # CR only
    if kind == 9:
        return b"\r\nCOC2;170240;;velrun.rtl;\r\n"
    if kind == 10:
        line = bytearray(CONTROL)
        for _ in range(rng.randrange(1, 4)):
            line[rng.randrange(len(line))] = rng.randrange(256)
        return bytes(line)
    if kind == 11:
        return CONTROL[: rng.randrange(len(CONTROL))]
    if kind == 12:
        return bytes(rng.randrange(256) for _ in range(rng.randrange(200)))
    return CONTROL


def random_code_bytes(rng: random.Random) -> bytes:
    special = [b"\x01", b"'", b"[", b"]", b"#", b"=", b"!", b"<", b">", b"|", b"&", b"R0", b"RF0", b"R00", b"\x00"]
    parts = []
    for _ in range(rng.randrange(0, 3000)):
        parts.append(bytes([rng.randrange(256)]) if rng.random() < 0.6 else rng.choice(special))
    return b"".join(parts)


def damage(rng: random.Random, line: bytes) -> bytes:
    data = bytearray(line)
    for _ in range(rng.randrange(1, 4)):
        pos = rng.randrange(len(data) + 1)
        byte = rng.choice(PUNCTUATION) if rng.random() < 0.7 else rng.randrange(256)
        if byte == 1:  # a new code line would not be checked for loops
            byte = ord("'")
        if rng.random() < 0.5 or not data:
            data[pos:pos] = bytes([byte])
        else:
            data[min(pos, len(data) - 1)] = byte
    return bytes(data)


def opcode_mix(rng: random.Random) -> bytes:
    """Code lines from real opcodes, some damaged; loops end at once and jumps go forward."""
    lines: List[bytes] = [HEADER[:-1]] if rng.random() < 0.8 else []
    pending: List[bytes] = []
    counter = 0
    gosubs = 0
    for _ in range(rng.randrange(1, 80)):
        roll = rng.random()
        if roll < 0.07:
            counter += 1
            name = b"L%d" % counter
            opcode = b"R005" if gosubs < 2 and rng.random() < 0.4 else b"R004"
            gosubs += opcode == b"R005"
            pending.append(name)
            prefix = b"R0IF'1'='1'" if rng.random() < 0.3 else b""
            lines.append(prefix + opcode + name)
        elif roll < 0.13 and pending:
            lines.append(b"RLBL" + pending.pop(rng.randrange(len(pending))))
        elif roll < 0.17:
            lines.append(b"RUNT'1'='1'")
        elif roll < 0.20:
            lines.append(b"R006")
        else:
            line = rng.choice(PLAIN_LINES)
            lines.append(damage(rng, line) if rng.random() < 0.4 else line)
    code = b"\x01".join(lines) + b"\x01"
    if rng.random() < 0.2:
        code = code[:-1]  # the last line has no terminator
    return code


def random_link_file(rng: random.Random) -> bytes:
    """A link control file: a damaged control line, or a sound one with random or damaged code."""
    roll = rng.random()
    if roll < 0.45:
        return control_line(rng) + opcode_mix(rng)
    if roll < 0.75:
        return CONTROL + rng.choice([HEADER, b""]) + random_code_bytes(rng)
    return CONTROL + opcode_mix(rng)


def _nested_code_ifs(count: int) -> bytes:
    return CONTROL + HEADER + b"R0IF'1'='1'" * count + b"R027'x'\x01" + END


def _code_stack(opcode_line: bytes, count: int) -> bytes:
    return CONTROL + HEADER + (opcode_line + b"\x01") * count + END


def _nested_code_gosubs(count: int) -> bytes:
    lines = [b"R005S1", b"R027'back'", b"R009"]
    for i in range(1, count + 1):
        lines.append(b"RLBLS%d" % i)
        lines.append(b"R005S%d" % (i + 1) if i < count else b"R027'deepest'")
        lines.append(b"R006")
    return CONTROL + HEADER + b"\x01".join(lines) + b"\x01"


FIXED_LINK_FILES: List[Tuple[str, Callable[[], bytes]]] = [
    ("empty", lambda: b""),
    ("control-line-only-no-crlf", lambda: b"COC2;170240;;velrun.rtl;"),
    ("wrong-tag", lambda: b"COC1;170240;;velrun.rtl;\r\n" + HEADER + END),
    ("huge-tag", lambda: b"C" * (2 << 20) + b";170240;;velrun.rtl;\r\n" + HEADER + END),
    ("huge-number", lambda: b"COC2;" + b"9" * (2 << 20) + b";;velrun.rtl;\r\n" + HEADER + END),
    ("huge-icon-path", lambda: b"COC2;170240;" + b"i" * (2 << 20) + b";velrun.rtl;\r\n" + HEADER + END),
    ("huge-runtime-name", lambda: b"COC2;170240;;" + b"r" * (2 << 20) + b";\r\n" + HEADER + END),
    ("runtime-with-folder", lambda: b"COC2;170240;;../velrun.rtl;\r\n" + HEADER + END),
    ("runtime-dotdot", lambda: b"COC2;170240;;..;\r\n" + HEADER + END),
    ("runtime-missing", lambda: b"COC2;170240;;nothere.rtl;\r\n" + HEADER + END),
    ("fields-missing", lambda: b"COC2;170240;\r\n" + HEADER + END),
    ("only-semicolons", lambda: b";;;;\r\n"),
    ("nul-in-control-line", lambda: b"COC2;170\x00240;;velrun.rtl;\r\n" + HEADER + END),
    ("lf-only", lambda: b"COC2;170240;;velrun.rtl;\n" + HEADER + END),
    ("icon-not-found", lambda: b"COC2;170240;nothere.ico;velrun.rtl;\r\n" + HEADER + END),
    ("no-code", lambda: CONTROL),
    ("header-only", lambda: CONTROL + HEADER),
    ("newer-version", lambda: CONTROL + b"RRLR'9.9'\x01R027'x'\x01" + END),
    ("code-without-terminator", lambda: CONTROL + HEADER + b"R027'" + b"x" * (1 << 20)),
    ("code-one-line-1mb", lambda: CONTROL + HEADER + b"R027'" + b"x" * (1 << 20) + b"'\x01" + END),
    ("code-only-terminators", lambda: CONTROL + b"\x01" * 100_000),
    ("code-short-lines", lambda: CONTROL + HEADER + b"R\x01RF\x01R00\x01R001\x01R0IF\x01RF01\x01RXIF\x01RUNT\x01" + END),
    ("code-nested-ifs-100000", lambda: _nested_code_ifs(100_000)),
    ("code-nested-ifs-1000", lambda: _nested_code_ifs(1000)),
    ("code-repeats-300", lambda: _code_stack(b"RRPT", 300)),
    ("code-gosubs-300", lambda: _nested_code_gosubs(300)),
    ("code-gosubs-199", lambda: _nested_code_gosubs(199)),
    ("code-until-without-repeat", lambda: CONTROL + HEADER + b"RUNT'1'='2'\x01R006\x01RXEL\x01RXEI\x01RXIE'1'='1'\x01" + END),
    ("code-goto-missing", lambda: CONTROL + HEADER + b"R004nowhere\x01R027'x'\x01" + END),
    ("code-calc-edges", lambda: CONTROL + HEADER + b"RF01[31]'7'~'0'\x01RF01[31]'1e300'~'3'\x01RF01[31]'-2147483648'~'-1'\x01"
     b"RF08[32]'abc''-2147483648''-2147483648'\x01RF08[32]'abc''2147483647''2147483647'\x01RF06[33]'-2147483648'\x01" + END),
    ("code-joins-10000", lambda: CONTROL + HEADER + b"R027" + b"#".join([b"'ab'"] * 10_000) + b"\x01" + END),
    ("code-conditions-10000", lambda: CONTROL + HEADER + b"R0IF" + b"|".join([b"'a'='b'"] * 10_000) + b"R027'x'\x01" + END),
]
