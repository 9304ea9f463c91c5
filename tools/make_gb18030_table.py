#!/usr/bin/env python3
"""Writes src/platform/gb18030_table.inc, the data of our GB18030 codec.

The mapping comes from glibc's iconv converter "GB18030" (the full GB18030,
not GBK), called through ctypes so that every code is converted on its own and
an invalid one cannot throw the rest out of step. The script checks that
glibc's decoder and encoder agree, so one table serves both directions.

Two tables come out:
  two_byte_to_unicode  23940 code units, one per two-byte code, indexed by
                       (lead - 0x81) * 190 + (trail - 0x40 - (trail > 0x7F));
                       0xFFFD marks a code glibc does not decode.
  four_byte_ranges     runs of the four-byte BMP area (81 30 81 30 to
                       84 31 A4 39): the first linear index of each run and the
                       code point it maps to; within a run both rise by one.
Supplementary planes follow GB18030's linear formula and need no data.

Two deliberate departures from glibc (2.36, Debian 12, made the committed
table), both so that every BMP character keeps a code and a round trip is exact:
- it reads six two-byte codes (FE51, FE52, FE53, FE6C, FE76, FE91) as
  supplementary-plane ideographs and then has no code at all for the
  private-use characters GBK gives them. Code page 936 (and so every file a GBK
  program wrote) reads them as those private-use characters, so we keep GBK's
  reading; the six ideographs keep their four-byte linear codes.
- it leaves eighteen four-byte codes and eighteen private-use characters
  without a mapping (the 2022 edition's swap, half done); we complete the swap.

Run from the repository root:  python3 tools/make_gb18030_table.py
"""

import ctypes
import ctypes.util
import os
import sys

OUTPUT = os.path.join(os.path.dirname(__file__), "..", "src", "platform", "gb18030_table.inc")

libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t),
                       ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t)]
libc.iconv_close.argtypes = [ctypes.c_void_p]


class Converter:
    """One glibc iconv descriptor; convert() gives None when glibc refuses the input."""

    def __init__(self, to_code, from_code):
        self.handle = libc.iconv_open(to_code.encode(), from_code.encode())
        if self.handle in (None, ctypes.c_void_p(-1).value):
            sys.exit(f"iconv_open({to_code}, {from_code}) failed: is this glibc?")

    def convert(self, data):
        libc.iconv(self.handle, None, None, None, None)  # reset the shift state
        source = ctypes.create_string_buffer(data, len(data))
        target = ctypes.create_string_buffer(64)
        in_ptr = ctypes.c_char_p(ctypes.addressof(source))
        out_ptr = ctypes.c_char_p(ctypes.addressof(target))
        in_left = ctypes.c_size_t(len(data))
        out_left = ctypes.c_size_t(64)
        result = libc.iconv(self.handle, ctypes.byref(in_ptr), ctypes.byref(in_left),
                            ctypes.byref(out_ptr), ctypes.byref(out_left))
        if result == ctypes.c_size_t(-1).value or in_left.value != 0:
            return None
        return target.raw[:64 - out_left.value]


decoder = Converter("UTF-32LE", "GB18030")
encoder = Converter("GB18030", "UTF-32LE")


def decode(data):
    text = decoder.convert(data)
    if text is None or len(text) != 4:
        return None
    return int.from_bytes(text, "little")


def encode(code_point):
    return encoder.convert(code_point.to_bytes(4, "little"))


def four_byte_code(index):
    """The four bytes of the given linear index (0 is 81 30 81 30)."""
    b4 = index % 10
    index //= 10
    b3 = index % 126
    index //= 126
    b2 = index % 10
    b1 = index // 10
    return bytes([0x81 + b1, 0x30 + b2, 0x81 + b3, 0x30 + b4])


def four_byte_index(code):
    return (((code[0] - 0x81) * 10 + (code[1] - 0x30)) * 126 + (code[2] - 0x81)) * 10 + (code[3] - 0x30)


# Code page 936's reading of the two-byte codes glibc sends beyond the BMP.
GBK_PRIVATE_USE = {b"\xFE\x51": 0xE816, b"\xFE\x52": 0xE817, b"\xFE\x53": 0xE818,
                   b"\xFE\x6C": 0xE831, b"\xFE\x76": 0xE83B, b"\xFE\x91": 0xE855}
for code, code_point in GBK_PRIVATE_USE.items():
    assert decode(code) > 0xFFFF and encode(code_point) is None, code

# GB18030-2005 gave eighteen two-byte codes private-use characters and the
# characters themselves (vertical forms, eight ideographs) four-byte codes; the
# 2022 edition swapped them. glibc reads the two-byte codes the new way but
# leaves the freed four-byte codes and the private-use characters without a
# mapping. We complete the swap as the 2022 edition does, so that every BMP
# character has a code. Python's "gb18030" codec still has the 2005 readings.
SWAPPED_TWO_BYTE = [b"\xA6" + bytes([t]) for t in (0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xEC, 0xED, 0xF3)] + \
                   [b"\xFE" + bytes([t]) for t in (0x59, 0x61, 0x66, 0x67, 0x6D, 0x7E, 0x90, 0xA0)]
FREED_FOUR_BYTE = {}
for code in SWAPPED_TWO_BYTE:
    old_private_use = ord(code.decode("gb18030"))
    old_four_byte = chr(decode(code)).encode("gb18030")
    assert 0xE000 <= old_private_use <= 0xF8FF and len(old_four_byte) == 4, code
    assert decode(old_four_byte) is None and encode(old_private_use) is None, code
    FREED_FOUR_BYTE[old_four_byte] = old_private_use

TRAILS = [t for t in range(0x40, 0xFF) if t != 0x7F]
two_byte = []
for lead in range(0x81, 0xFF):
    for trail in TRAILS:
        code = bytes([lead, trail])
        code_point = GBK_PRIVATE_USE.get(code) or decode(code)
        two_byte.append(0xFFFD if code_point is None else code_point)
assert len(two_byte) == 23940

LAST_BMP_INDEX = four_byte_index(bytes([0x84, 0x31, 0xA4, 0x39]))
four_byte = {}
for index in range(LAST_BMP_INDEX + 1):
    code = four_byte_code(index)
    code_point = FREED_FOUR_BYTE.get(code) or decode(code)
    if code_point is not None:
        four_byte[index] = code_point

# Both directions must agree, so that the codec's reverse map is exact.
for index, code_point in enumerate(two_byte):
    if code_point == 0xFFFD:
        continue
    assert code_point <= 0xFFFF, hex(code_point)
    lead, trail = 0x81 + index // 190, TRAILS[index % 190]
    if code_point in GBK_PRIVATE_USE.values():
        continue
    assert encode(code_point) == bytes([lead, trail]), (hex(lead), hex(trail), hex(code_point))
for index, code_point in four_byte.items():
    if four_byte_code(index) in FREED_FOUR_BYTE:
        continue
    assert encode(code_point) == four_byte_code(index), (index, hex(code_point))
decoded = [c for c in two_byte if c != 0xFFFD] + list(four_byte.values())
assert len(decoded) == len(set(decoded)), "a character with two codes"
covered = set(two_byte) | set(four_byte.values())
for code_point in range(0x80, 0x10000):
    if not 0xD800 <= code_point <= 0xDFFF:
        assert code_point in covered, hex(code_point)

ranges = []
for index in sorted(four_byte):
    code_point = four_byte[index]
    if ranges and ranges[-1][0] + ranges[-1][2] == index and ranges[-1][1] + ranges[-1][2] == code_point:
        ranges[-1][2] += 1
    else:
        ranges.append([index, code_point, 1])

with open(OUTPUT, "w", newline="\n") as out:
    out.write("// Generated by tools/make_gb18030_table.py from glibc iconv \"GB18030\". Do not edit.\n\n")
    out.write("// Unicode of each two-byte code, (lead - 0x81) * 190 + trail position; 0xFFFD: none.\n")
    out.write(f"constexpr std::uint16_t two_byte_to_unicode[{len(two_byte)}] = {{\n")
    for start in range(0, len(two_byte), 12):
        out.write("    " + ", ".join(f"0x{c:04X}" for c in two_byte[start:start + 12]) + ",\n")
    out.write("};\n\n")
    out.write("// Runs of the four-byte BMP area: first linear index, first code point, length.\n")
    out.write(f"constexpr FourByteRange four_byte_ranges[{len(ranges)}] = {{\n")
    for start in range(0, len(ranges), 4):
        out.write("    " + " ".join(f"{{{i}, 0x{c:04X}, {n}}}," for i, c, n in ranges[start:start + 4]) + "\n")
    out.write("};\n")

print(f"{len(two_byte)} two-byte codes ({two_byte.count(0xFFFD)} without a character), "
      f"{len(four_byte)} four-byte BMP codes in {len(ranges)} runs")
