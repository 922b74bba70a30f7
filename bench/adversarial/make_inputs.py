#!/usr/bin/env python3
"""Writes the adversarial input suite: expressions.txt and the hostile settings files.

Run from anywhere; the files are written beside this script. The output is committed, so a
change here shows up as a reviewable change of the inputs.

expressions.txt holds one case per line: optional setup inputs, then the timed input, separated
by tabs. Lines starting with "#" are comments. A 100 MB settings file is not committed: the runner
generates it.
"""

from pathlib import Path

HERE = Path(__file__).resolve().parent
MAX = 1024  # the longest text the calculator accepts

FULL_WIDTH_DIGIT = "\uff19"
KANJI = "\u5909"


def fill(unit, length=MAX, prefix="", suffix=""):
    """prefix + unit repeated + suffix, exactly `length` characters long."""
    body_length = length - len(prefix) - len(suffix)
    body = (unit * (body_length // len(unit) + 1))[:body_length]
    return prefix + body + suffix


def nested(opening, core, closing="", depth=None, length=MAX):
    """opening^depth core closing^depth, as deep as fits in `length` when depth is None."""
    if depth is None:
        depth = (length - len(core)) // (len(opening) + len(closing))
    return opening * depth + core + closing * depth


def chain(operand, operator, length=MAX):
    """operand operator operand ... of at most `length` characters."""
    count = (length - len(operand)) // (len(operand) + len(operator))
    return operand + (operator + operand) * count


def cases():
    yield "# Deep nesting: refused cleanly beyond the nesting limit, never a stack overflow"
    yield nested("(", "1")
    yield nested("(", "1", ")", depth=255)
    yield nested("(", "1", ")", depth=256)
    yield nested("(", "1", ")")
    yield nested("sin(", "1", ")")
    yield nested("sin(", "1")
    yield nested("-(", "1", ")")
    yield nested("\u221a(", "2", ")")
    yield nested("\u221a", "2")
    yield nested("abs(", "-1", ")")
    yield nested("HEX(", "F", ")")
    yield nested("LOGXY(2,", "8", ")")
    yield nested("Pol(1,", "1", ")")
    yield nested("(1+", "1", ")")
    yield nested("2^(", "1", ")")
    yield nested("-", "1")
    yield nested("+", "1")
    yield nested("-+", "1")

    yield "# 1024-character inputs of every kind"
    yield fill("9")
    yield fill("0", prefix="0.", suffix="1")
    yield fill("9", prefix="0.")
    yield fill("1", prefix="1.")
    yield fill("0", prefix="1E-", length=40) + "5"
    yield fill(FULL_WIDTH_DIGIT)
    yield fill("A")
    yield fill(KANJI)
    yield fill("\uff71")  # half-width katakana
    yield fill("\u30a2")  # full-width katakana: two half-width units each after mapping
    yield fill(" ", suffix="1")
    yield fill("1 ")
    yield fill("\u00b0")
    yield fill("\U0001F600", length=MAX // 2)  # two UTF-16 units each
    yield fill("\ud800")  # lone surrogates, written as their three-byte forms
    yield fill("ANS")
    yield fill("PI")
    yield fill("\u03c0")
    yield fill("M")
    yield fill("E")
    yield fill("1E")
    yield fill(".")
    yield fill("1.")
    yield fill(",")
    yield fill("=")
    yield fill("@")
    yield "@CALC:" + fill("A*", length=MAX - 7) + "B"
    yield fill("9", length=MAX + 1)

    yield "# Huge and tiny literals"
    for literal in ["1E308", "1.7976931348623157E308", "1.7976931348623159E308", "1E309",
                    "4.9E-324", "2.4E-324", "2.5E-324", "1E-400", "1E2147483647",
                    "1E-2147483648", "1E99999999999999999999", "1E-99999999999999999999",
                    "9" * 64, "9" * 65, "0." + "0" * 62 + "1", "0." + "0" * 63 + "1",
                    "0." + "1" * 70, "1" * 64 + ".5", "-" + "9" * 64 + "-1"]:
        yield literal
    yield fill("0", prefix="1")
    yield fill("0", prefix="-0.", suffix="1")

    yield "# Long operator chains"
    yield chain("1", "+")
    yield chain("1", "-")
    yield chain("2", "*")
    yield chain("1", "/")
    yield chain("9", "^")
    yield chain("2", "^")
    yield chain("1", "^")
    yield chain("7", " DIV ")
    yield chain("7", " MOD ")
    yield chain("1.5", "*")
    yield chain("0.5", "/")
    yield chain("ANS", "*")
    yield chain("A", "+")
    yield fill("!", prefix="3")
    yield fill("!", prefix="0")
    yield fill("%", prefix="5")
    yield fill("\u00b2", prefix="2")
    yield fill("\u00b3", prefix="1.0001")
    yield fill("^(-1)", prefix="3")
    yield fill("\u221a", suffix="9")
    yield fill("SIN ", suffix="1")
    yield fill("ANS ")
    yield fill("2(", suffix="1")
    yield fill(")", prefix="1")

    yield "# Powers and factorials at their boundaries"
    for power in ["2^1023", "2^1024", "2^-1074", "2^-1075", "10^308", "10^309", "10^-323",
                  "10^-324", "2^63", "2^64", "(-2)^63", "2^212", "2^213", "2^-212", "10^63",
                  "10^64", "1^2147483647", "(-1)^2147483647", "(-1)^-2147483648", "1^2147483648",
                  "0^0", "0^-1", "0^2147483647", "2^0.5", "(-8)^(1/3)", "0.5^-2147483647",
                  "0.9999^-1000000", "0.99999999^-2147483647", "1.0000001^-2147483647",
                  "1.0000001^2147483647", "1.5^-2147483647", "2^-2147483648", "10^-2147483648",
                  "9^9^9", "2^2^2^2^2^2", "1E-10^-10"]:
        yield power
    yield chain("0.9999^-1000000", "+")
    yield chain("0.99999999^-2147483647", "*")
    for factorial in ["0!", "1!", "49!", "50!", "69!", "70!", "170!", "171!", "2.5!", "-1!",
                      "1E308!", "2147483647!", "(3!)!!"]:
        yield factorial

    yield "# Hexadecimal and binary extremes"
    for text in ["HEX(7FFFFFFFFFFFFFFF)", "HEX(8000000000000000)", "HEX(FFFFFFFFFFFFFFFF)",
                 "HEX(10000000000000000)", "BIN(" + "1" * 63 + ")", "BIN(" + "1" * 64 + ")",
                 "BIN(" + "1" * 65 + ")", "HEX()", "BIN()", "HEX(G)", "BIN(2)",
                 "-HEX(8000000000000000)", "HEX(FFFFFFFFFFFFFFFF)+1"]:
        yield text
    yield fill("F", prefix="HEX(", suffix=")")
    yield fill("1", prefix="BIN(", suffix=")")
    yield fill("0", prefix="HEX(", suffix="1)")
    for display in ["@HEX", "@BIN"]:
        for value in ["9223372036854775807", "9223372036854775808", "-9223372036854775808",
                      "-9223372036854775809", "1E19", "-1E19", "1E308", "-1", "0.5", "1.5",
                      "2.5", "-0.5"]:
            yield display + "\t" + value

    yield "# Functions at their edges"
    for text in ["tan(90)", "tan(270)", "sin(1E308)", "cos(-1E308)", "sin(1E22)", "ln(0)",
                 "ln(-1)", "log(1E-320)", "exp(709.78)", "exp(709.79)", "exp(-745.2)",
                 "arcsin(1.0000000001)", "arccosh(0.9999999)", "arctanh(1)", "arctanh(-1)",
                 "arcsinh(-1E9)", "arcsinh(1E308)", "cosh(710.5)", "sinh(-710.5)", "tanh(1E308)",
                 "ROUNDOFF(1.5,2147483647)", "ROUNDOFF(1.5,-2147483648)", "ROUNDOFF(1E308,-308)",
                 "int(1E308)", "frac(1E308)", "ceil(-1E308)", "floor(1E-308)",
                 "9223372036854775807 DIV 1", "-9223372036854775808 DIV -1",
                 "-9223372036854775808 MOD -1", "1E19 DIV 3", "1E308 MOD 7", "7 MOD 0",
                 "7 DIV 0.1", "Pol(1E308,1E308)", "Rec(1E308,45)", "Pol(0,0)",
                 "LOGXY(1,8)", "LOGXY(0,0)", "\u221a(-1)", "4\u221a-16", "0\u221a2",
                 "123\u00b030", "1E308%", "1E-320%"]:
        yield text

    yield "# Display modes with extreme values"
    for display in ["@FIX9", "@SCI9", "@ENG2147483647", "@ENG-2147483648", "@DMS", "@,"]:
        for value in ["1E308", "-1E-308", "4.9E-324", "123456789.987654321", "0",
                      "1E16", "-99999999999999999"]:
            yield display + "\t" + value


def write_expressions():
    lines = list(cases())
    for line in lines:
        if not line.startswith("#"):
            units = len(line.split("\t")[-1].encode("utf-16-le", "surrogatepass")) // 2
            assert units <= MAX + 1, line[:40]
    text = "\n".join(lines) + "\n"
    (HERE / "expressions.txt").write_text(text, encoding="utf-8", errors="surrogatepass")


BOM = b"\xef\xbb\xbf"


def settings_files():
    yield "huge_counts.ini", BOM + (
        b"[Expression]\r\nHistory=1\r\nRecordCount=2147483647\r\nCount=2147483647\r\n\r\n"
        b"[Expression0]\r\nExpression=1+2\r\nValue=3\r\nBcdValue=3\r\n\r\n"
        b"[Variable]\r\nRecord=1\r\nCount=2147483647\r\nM=1.5\r\nBcdM=1.5\r\n\r\n"
        b"[Variable0]\r\nName=A\r\nValue=2\r\nBcdValue=2\r\n\r\n"
        b"[ExpressionRecord]\r\nCount=2147483647\r\nExpression0=sin 30\r\n\r\n"
        b"[Display]\r\nSignificantDigits=2147483647\r\nBcdSignificantDigits=-2147483648\r\n")
    yield "hex_and_negative_counts.ini", BOM + (
        b"[Expression]\r\nHistory=1\r\nRecordCount=0x7FFFFFFF\r\n"
        b"[Expression0]\r\nExpression=1\r\n"
        b"[Variable]\r\nCount=-1\r\n[Variable0]\r\nName=A\r\n"
        b"[ExpressionRecord]\r\nCount=$FFFFFFFF\r\nExpression0=x\r\n")
    yield "truncated_line.ini", BOM + (
        b"[Variable]\r\nRecord=1\r\nM=2.5\r\nBcdM=123456789012345678901234567890.5\r\n"
        b"Count=1\r\n[Variable0]\r\nName=\xe5\xa4\x89\xe6\x95\xb0\r\nValue=0.5\r\nBcdVal")
    yield "truncated_section.ini", BOM + b"[Position]\r\nLeft=10\r\nTop=20\r\n[Mode"
    yield "truncated_utf8.ini", BOM + b"[Expression]\r\nText=1+\xe5\xa4"
    yield "binary_garbage.ini", bytes((index * 7919 + 13) % 256 for index in range(65536))
    yield "utf16.ini", "[Position]\r\nLeft=5\r\n".encode("utf-16")
    yield "nul_bytes.ini", BOM + b"[Position]\r\nLeft=\x001\r\n[Mo\x00de]\r\nView=2\r\n\x00\x00"
    yield "overlong_values.ini", BOM + (
        b"[Variable]\r\nAns=" + b"9" * 5000 + b"\r\nBcdAns=" + b"9" * 5000 +
        b"\r\nPreAns=1E99999\r\nBcdPreAns=1E99999\r\n[Mode]\r\nView=300\r\nAngle=-1\r\n"
        b"Eng=99999999999999999999\r\n")
    yield "lone_carriage_returns.ini", BOM + (
        b"[Expression]\rText=1+2\rHistory=1\rRecordCount=1\r[Expression0]\rExpression=a\rb\r")
    yield "duplicates.ini", BOM + (
        b"[Variable]\r\nRecord=1\r\nCount=2\r\n[Variable0]\r\nName=A\r\nValue=1\r\n"
        b"[Variable1]\r\nName=a\r\nValue=2\r\n[variable0]\r\nName=B\r\n[Variable]\r\nCount=0\r\n")


def write_settings():
    folder = HERE / "settings"
    folder.mkdir(exist_ok=True)
    for name, data in settings_files():
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    write_expressions()
    write_settings()
