#!/usr/bin/env python3
"""Writes the seed inputs in corpus/<target>/. Run again after editing; each
seed is one file named by its number. Fields before the last end in a zero
byte (see fuzz_fields.h)."""
import os
import shutil

here = os.path.dirname(os.path.abspath(__file__))


def gbk(text):
    return text.encode("gbk")


def fields(*parts):
    return b"\0".join(p if isinstance(p, bytes) else p.encode("utf-8") for p in parts)


settings_files = [
    b"",
    gbk("[路径]\r\n存档=C:\\save\r\n箱子=C:\\box\r\n[状态]\r\n正在使用=MYBOX 1\r\n"),
    gbk("[路径]\n存档=C:\\save\n[状态]\n正在使用=箱子一\n"),
    gbk("[状态]\r正在使用=\"引号\"\r"),
    b"[a]\r\nk=v",
    b"[a]\r\nk=v\r\n[a]\r\nk=second\r\n",
    b"; comment\r\n[a]\r\n; k=commented\r\nk = spaced value \r\n\r\n\r\n[b]\r\nx\r\n",
    b"k=outside\r\n[A]\r\nK='single'\r\n",
    b"[ a ]junk\r\nk=\"unmatched\r\n",
    b"[a\r\nk=no closing bracket\r\n",
    b"\xef\xbb\xbf[a]\r\nk=v\r\n",
    "\ufeff[路径]\r\n箱子=D:\\盒子\r\n".encode("utf-16-le"),
    b"\xff\xfe" + "[a]\r\nk=v\r\n".encode("utf-16-le") + b"\x00",
    b"[\x81]\r\nk=trail bracket\r\n",
    b"[\x95\x32\x82\x36]\r\nk=four bytes\r\n",
    b"[a]\r\nk=" + b"x" * 11000 + b"\r\n",
    b"[a]\r\n" + b"long=" + b"\xb0\xa1" * 3000 + b"\r\n",
    b"\r\n\r\n\n\r[a]\r\n\x00k=nul\r\n",
    b"[a]\r\nk==v=\r\n",
    b"[a]\r\n\t k \t=\t v \t\r\n",
    b"[a]\r\nk\r\n",
    b"[]\r\n=empty\r\n",
    b"[a]\r\n\x80euro\r\nk=\x80\r\n",
]

targets = {}

targets["fuzz_profile_text"] = [
    fields("a", "k", "v", "a", "other", f) for f in settings_files
] + [
    fields(gbk("路径"), gbk("存档"), gbk("C:\\游戏\\save"), gbk("路径"), gbk("箱子"), settings_files[1]),
    fields(gbk("状态"), gbk("正在使用"), "\"quoted\"", gbk("状态"), "x", settings_files[3]),
    fields(" a ", " K ", "  blanks  ", "b", "x", settings_files[6]),
    fields("A", "k", "'", "a", "K", settings_files[5]),
    fields("new", "key", "", "a", "k", settings_files[4]),
    fields("a", "k", "line\r\nbreak", "a", "x", settings_files[4]),
    fields("a]b", "k", "v", "a", "k", b""),
    fields("\x81", "k", "v", "\x81", "k", settings_files[13]),
    fields("a", "[k", "v", "a", "k", settings_files[4]),
    fields("a", ";k", "v", "a", "k", settings_files[4]),
    fields("a", "k", "v" * 300, "a", "k", settings_files[15]),
]

targets["fuzz_settings_file"] = [
    fields("a", "k", "v", "other", "default ", f) for f in settings_files
] + [
    fields("路径", "存档", "C:\\游戏\\save", "箱子", "", settings_files[1]),
    fields("状态", "正在使用", "🎒 가방 Сундук", "x", "", settings_files[1]),
    fields("a", "k", "€ euro", "K", "", settings_files[22]),
    fields("a", "K", "'single'", "k", "", settings_files[7]),
    fields("路径", "箱子", "E:\\新", "存档", "", settings_files[11]),
    fields("a", "k", "v", "x", "", settings_files[12]),
    fields(" \t a", "\x01k", "v", "x", "", settings_files[4]),
    fields("a", "k", "", "x", "trailing  ", b""),
]

drops = [
    "C:\\Users\\player\\Desktop\\box.bin",
    "C:\\box.bin",
    "box.bin",
    ".bin",
    "\\.bin",
    "C:\\a\\",
    "C:\\a\\\\",
    "C:\\a.bin\r\nC:\\b.bin\r\n",
    "\\\\server\\share\\装备.bin",
    "C:\\游戏\\箱子\\宝箱 1.bin",
    "C:\\🎒\\가방.bin",
    "D:\\Сундук.BIN",
    "C:\\x.binary",
    "C:\\x.bin.bak",
    "",
    "\\",
    "\\\\",
    "a\\b\\c\\d\\e\\f\\g.bin",
    "C:\\" + "deep\\" * 60 + "box.bin",
]
targets["fuzz_dropped_paths"] = [d.encode("utf-8") for d in drops] + [
    gbk("C:\\箱子\\宝.bin"), b"C:\\\xc3\\.bin", b"\xe4\xb8\\.bin", b"C:\\\xff\xfe.bin",
]

names = ["box", "MYBOX 1", "宝箱", "🎒", "가방", "Сундук", "CON", "con.txt", "CON .x", "NUL", "Com1", "LPT9.bin",
         "COM10", "CONSOLE", "a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "tab\there",
         " ", ".", "..", "name.", "name ", "x" * 300, "aux.", "prn  .bin", "\x7f", "€"]
targets["fuzz_box_names"] = [n.encode("utf-8") for n in names] + [gbk("宝箱"), b"\x81\x5c", b"\xff"]

numbers = ["0", "1", "-1", "+7", "  42", "\t\n\v\f\r 9", "2147483647", "2147483648", "-2147483648",
           "-2147483649", "99999999999999999999", "1.5", ".5", "5.", "1e3", "1e", "1e+", "1E-3", "1e400",
           "-1e400", "1e-400", "1e-310", "0.000", "abc", "", "-", "+-1", "12abc", "0x10", "inf", "nan",
           "１２３", "－５", "３．５ｅ２", "\u3000７", "00000000000000000001", "1" + "0" * 400, "0." + "0" * 400 + "1"]
targets["fuzz_numbers"] = [n.encode("utf-8") for n in numbers] + [gbk("１２"), b"\xa3\xb1", b"\x81"]

targets["fuzz_split_text"] = [
    fields(",", "", "a,b,c"),
    fields(",", "2", "a,b,c"),
    fields(",", "0", "a,b"),
    fields(",", "-1", "a,b"),
    fields("\\", "", "C:\\a\\b.bin"),
    fields("\\", "", "a\\"),
    fields("", "", "abc"),
    fields("ab", "", "abababa"),
    fields("\r\n", "", "a\r\nb\r\n"),
    fields("\xa9", "", "é"),
    fields("\x80", "", "€"),
    fields("箱", "", "箱子箱子"),
    fields("\\", "1", "\\\\\\"),
    fields(",", "99999999999", ",,,,"),
    fields("x", "", ""),
] + [fields(b"\xb8", b"", b"\xe4\xb8\xad\xb8"), fields(b",", b"3", gbk("甲,乙,丙,丁"))]

# Inputs that once broke an invariant, as the fuzzer found them: kept for
# good, so every run replays them first. Named found-NN.
found = {
    # A key line between a lone CR and an LF: removing it made the two one
    # CR LF line end, changing the line before.
    "fuzz_profile_text": [
        bytes.fromhex("5b0d3d0a0a"),
        bytes.fromhex("61006b00760061006f7468657200006e0d0a0d0a0a0d5b615d320d0a006b3d6e756c0dc2b7beb600"
                      "b4b7beb600cfe4d7d3005bc2b7beb65d0d0ab4e6b5b53d433a5c8c0a6176650d310a0d0d6b0a0a"),
    ],
}

for target, seeds in targets.items():
    folder = os.path.join(here, "corpus", target)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for number, seed in enumerate(seeds, 1):
        with open(os.path.join(folder, f"seed-{number:02d}"), "wb") as out:
            out.write(seed)
    for number, data in enumerate(found.get(target, []), 1):
        with open(os.path.join(folder, f"found-{number:02d}"), "wb") as out:
            out.write(data)
    print(target, len(seeds), "seeds,", len(found.get(target, [])), "found")
