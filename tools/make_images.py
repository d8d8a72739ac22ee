#!/usr/bin/env python3
"""Draws Quarvel's toolbar bitmap and icons from the pixel maps below.

Writes the BMP and ICO files to res/images/ and embeds their bytes in
res/bitmaps.cpp and res/icons.cpp. Run it from anywhere after changing a map:

    python3 tools/make_images.py

The build itself never runs this script; the generated files are committed.

Every image uses the 16-colour palette below, one letter a pixel. In icons,
"-" marks a transparent pixel.
"""

import pathlib
import struct

ROOT = pathlib.Path(__file__).resolve().parent.parent

# The standard 16-colour palette, in its usual order: (letter, (r, g, b)).
PALETTE = [
    ("K", (0, 0, 0)),  # black
    ("r", (128, 0, 0)),  # dark red
    ("g", (0, 128, 0)),  # dark green
    ("o", (128, 128, 0)),  # olive
    ("n", (0, 0, 128)),  # navy
    ("p", (128, 0, 128)),  # purple
    ("t", (0, 128, 128)),  # teal
    (".", (192, 192, 192)),  # light grey: the button face
    ("d", (128, 128, 128)),  # dark grey
    ("R", (255, 0, 0)),  # red
    ("G", (0, 255, 0)),  # green
    ("Y", (255, 255, 0)),  # yellow
    ("B", (0, 0, 255)),  # blue
    ("M", (255, 0, 255)),  # magenta
    ("C", (0, 255, 255)),  # cyan
    ("W", (255, 255, 255)),  # white
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}
TRANSPARENT = "-"

# Toolbar images, 16 x 15 each, in button order.
TOOLBAR_IMAGES = {
    "new: a blank sheet with a folded corner": """
        ................
        ..KKKKKKKK......
        ..KWWWWWWKK.....
        ..KWWWWWWKWK....
        ..KWWWWWWKKKK...
        ..KWWWWWWWWWK...
        ..KWWWWWWWWWK...
        ..KWWWWWWWWWK...
        ..KWWWWWWWWWK...
        ..KWWWWWWWWWK...
        ..KWWWWWWWWWK...
        ..KWWWWWWWWWK...
        ..KWWWWWWWWWK...
        ..KKKKKKKKKKK...
        ................
    """,
    "open: an opening folder": """
        ................
        ................
        ................
        ..KKKK..........
        .KYYYYK.........
        .KYYYYKKKKKKK...
        .KYYYYYYYYYYK...
        .KYYYYYYYYYYK...
        .KYYYKKKKKKKKKKK
        .KYYKoooooooooK.
        .KYKoooooooooK..
        .KKoooooooooK...
        .KKKKKKKKKKK....
        ................
        ................
    """,
    "save: a floppy disk": """
        ................
        .KKKKKKKKKKKKKK.
        .KnKWWWWWWWWKnK.
        .KnKWWWWWWWWKnK.
        .KnKWddddddWKnK.
        .KnKWWWWWWWWKnK.
        .KnKWddddddWKnK.
        .KnnKKKKKKKKnnK.
        .KnnnnnnnnnnnnK.
        .KnnddddddddnnK.
        .KnndWKKWWWdnnK.
        .KnndWKKWWWdnnK.
        .KnndWKKWWWdnnK.
        .KKKKKKKKKKKKKK.
        ................
    """,
    "cut: scissors": """
        ................
        .....d.....d....
        .....Kd...dK....
        .....Kd...dK....
        ......Kd.dK.....
        ......KdddK.....
        .......KdK......
        ........K.......
        .......n.n......
        ....nnnn.nnnn...
        ...n...n.n...n..
        ...n...n.n...n..
        ...n...n.n...n..
        ....nnn...nnn...
        ................
    """,
    "copy: two sheets": """
        ................
        .KKKKKK.........
        .KWWWWKK........
        .KWWWWKWK.......
        .KWnnnKKKK......
        .KWWWWWWWK......
        .KWnnnKKKKKK....
        .KWWWWKWWWWKK...
        .KWnnnKWWWWKWK..
        .KWWWWKWnnWKKKK.
        .KKKKKKWWWWWWWK.
        ......KWnnnnnWK.
        ......KWWWWWWWK.
        ......KWnnnnnWK.
        ......KKKKKKKKK.
    """,
    "paste: a clipboard with a sheet": """
        ....KKKKK.......
        .KKKKdWdKKKK....
        .KooKKKKKooK....
        .KoooooooooK....
        .KoooooooooK....
        .KooooKKKKKKKK..
        .KooooKWWWWWWK..
        .KooooKWnnnnWK..
        .KooooKWWWWWWK..
        .KooooKWnnnnWK..
        .KooooKWWWWWWK..
        .KooooKWnnnWWK..
        .KKKKKKWWWWWWK..
        ......KKKKKKKK..
        ................
    """,
    "print: a printer": """
        ................
        ....KKKKKKKK....
        ....KWWWWWWK....
        ....KWnnnnWK....
        ....KWWWWWWK....
        ..KKKKKKKKKKKK..
        .KWWWWWWWWWWWWK.
        .KddddddddddddK.
        .KddddddddGGddK.
        .KKKKKKKKKKKKKK.
        .KddKWWWWWWKddK.
        ..KKKWWWWWWKKK..
        ....KWnnnnWK....
        ....KKKKKKKK....
        ................
    """,
    "about: a yellow question mark": """
        ................
        .....KKKKK......
        ....KYYYYYK.....
        ...KYYKKKYYK....
        ...KYYK.KYYK....
        ....KK..KYYK....
        .......KYYK.....
        ......KYYK......
        ......KYYK......
        .......KK.......
        ......KKKK......
        ......KYYK......
        ......KYYK......
        .......KK.......
        ................
    """,
}

# Icon 128: a yellow arrow pointing down beside a cyan arrow pointing up, on a
# dark blue field.
MAINFRAME_32 = """
    KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK
    KnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnK
    KnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnK
    KnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnK
    KnnnnnYYYYYYnnnnnnnnnnnnnnnnnnnK
    KnnnnnYYYYYYnnnnnnnnnnnnnnnnnnnK
    KnnnnnYYYYYYnnnnnnnnnnnnnnnnnnnK
    KnnnnnYYYYYYnnnnnnnnnnnnnnnnnnnK
    KnnnnnYYYYYYnnnnnnnnnnnnnnnnnnnK
    KnnnnnYYYYYYnnnnnnnnnnCCnnnnnnnK
    KnnnnnYYYYYYnnnnnnnnnCCCCnnnnnnK
    KnnnnnYYYYYYnnnnnnnnCCCCCCnnnnnK
    KnnnnnYYYYYYnnnnnnnCCCCCCCCnnnnK
    KnnnnnYYYYYYnnnnnnCCCCCCCCCCnnnK
    KnnnnnYYYYYYnnnnnCCCCCCCCCCCCnnK
    KnnnnnYYYYYYnnnnCCCCCCCCCCCCCCnK
    KnYYYYYYYYYYYYYYnnnnCCCCCCnnnnnK
    KnnYYYYYYYYYYYYnnnnnCCCCCCnnnnnK
    KnnnYYYYYYYYYYnnnnnnCCCCCCnnnnnK
    KnnnnYYYYYYYYnnnnnnnCCCCCCnnnnnK
    KnnnnnYYYYYYnnnnnnnnCCCCCCnnnnnK
    KnnnnnnYYYYnnnnnnnnnCCCCCCnnnnnK
    KnnnnnnnYYnnnnnnnnnnCCCCCCnnnnnK
    KnnnnnnnnnnnnnnnnnnnCCCCCCnnnnnK
    KnnnnnnnnnnnnnnnnnnnCCCCCCnnnnnK
    KnnnnnnnnnnnnnnnnnnnCCCCCCnnnnnK
    KnnnnnnnnnnnnnnnnnnnCCCCCCnnnnnK
    KnnnnnnnnnnnnnnnnnnnCCCCCCnnnnnK
    KnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnK
    KnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnK
    KnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnK
    KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK
"""

MAINFRAME_16 = """
    KKKKKKKKKKKKKKKK
    KnnnnnnnnnnnnnnK
    KnnnYYnnnnnnnnnK
    KnnnYYnnnnnnnnnK
    KnnnYYnnnnnnnnnK
    KnnnYYnnnnCCnnnK
    KnnnYYnnnCCCCnnK
    KnnnYYnnCCCCCCnK
    KnYYYYYYnnCCnnnK
    KnnYYYYnnnCCnnnK
    KnnnYYnnnnCCnnnK
    KnnnnnnnnnCCnnnK
    KnnnnnnnnnCCnnnK
    KnnnnnnnnnCCnnnK
    KnnnnnnnnnnnnnnK
    KKKKKKKKKKKKKKKK
"""

# Icon 129: a sheet of paper, the document icon.
DOCUMENT_32 = """
    --------------------------------
    --------------------------------
    ------KKKKKKKKKKKKKK------------
    ------KWWWWWWWWWWWWKK-----------
    ------KWWWWWWWWWWWWKWK----------
    ------KWWWWWWWWWWWWKWWK---------
    ------KWWWWWWWWWWWWKWWWK--------
    ------KWWWWWWWWWWWWKWWWWK-------
    ------KWWWWWWWWWWWWKKKKKKK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWddddddddddddddWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWddddddddddddddWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWddddddddddddddWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWddddddddddddddWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWddddddddddWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KWWWWWWWWWWWWWWWWWWK------
    ------KKKKKKKKKKKKKKKKKKKK------
    --------------------------------
    --------------------------------
"""

DOCUMENT_16 = """
    ----------------
    ---KKKKKKK------
    ---KWWWWWKK-----
    ---KWWWWWKWK----
    ---KWWWWWKKKK---
    ---KWWWWWWWWK---
    ---KWddddddWK---
    ---KWWWWWWWWK---
    ---KWddddddWK---
    ---KWWWWWWWWK---
    ---KWddddddWK---
    ---KWWWWWWWWK---
    ---KWddddWWWK---
    ---KWWWWWWWWK---
    ---KKKKKKKKKK---
    ----------------
"""


def parse(pixmap, width, height, name):
    rows = [line.strip() for line in pixmap.strip().splitlines()]
    if len(rows) != height or any(len(row) != width for row in rows):
        raise SystemExit(f"{name}: expected {width} x {height} pixels")
    for row in rows:
        for letter in row:
            if letter not in INDEX and letter != TRANSPARENT:
                raise SystemExit(f"{name}: unknown colour letter {letter!r}")
    return rows


def palette_bytes():
    # RGBQUAD order: blue, green, red, reserved.
    return b"".join(bytes((b, g, r, 0)) for _, (r, g, b) in PALETTE)


def packed_rows(rows, bits_per_pixel, pixel_value):
    """Rows bottom-up, each padded to a multiple of four bytes."""
    out = bytearray()
    for row in reversed(rows):
        bits = "".join(format(pixel_value(letter), f"0{bits_per_pixel}b") for letter in row)
        bits += "0" * (-len(bits) % 32)
        out += int(bits, 2).to_bytes(len(bits) // 8, "big") if bits else b""
    return bytes(out)


def colour_index(letter):
    return 0 if letter == TRANSPARENT else INDEX[letter]


def info_header(width, height, image_size):
    # BITMAPINFOHEADER for 4 bits per pixel, uncompressed, 16 colours.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def make_bmp(rows):
    width, height = len(rows[0]), len(rows)
    pixels = packed_rows(rows, 4, colour_index)
    offset = 14 + 40 + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info_header(width, height, len(pixels)) + palette_bytes() + pixels


def make_ico(images):
    """images: pixel rows of each image, in directory order."""
    blobs = []
    for rows in images:
        size = len(rows)
        xor = packed_rows(rows, 4, colour_index)
        mask = packed_rows(rows, 1, lambda letter: 1 if letter == TRANSPARENT else 0)
        # An icon image stores its height doubled: colour rows, then mask rows.
        blobs.append(info_header(size, 2 * size, len(xor) + len(mask)) + palette_bytes() + xor + mask)
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def cpp_array(name, data):
    lines = []
    for start in range(0, len(data), 16):
        lines.append("    " + " ".join(f"0x{b:02x}," for b in data[start : start + 16]))
    return f"constexpr BYTE {name}[] = {{\n" + "\n".join(lines) + "\n};\n"


GENERATED_NOTE = """\
// Generated by tools/make_images.py from the pixel maps in that script; do not
// edit. Change a map and run `python3 tools/make_images.py` again.
// clang-format off
"""


def write_cpp(path, arrays, table_name, function, entries):
    body = GENERATED_NOTE + '#include "res/resources.h"\n\nnamespace {\n\n'
    for name, data in arrays:
        body += cpp_array(name, data) + "\n"
    body += f"constexpr BinaryResource {table_name}[] = {{\n"
    for resource_id, name in entries:
        body += f"    {{{resource_id}, {name}}},\n"
    body += "};\n\n}  // namespace\n\n"
    body += f"std::span<const BinaryResource> {function}() {{ return {table_name}; }}\n"
    path.write_text(body)


def main():
    strips = [parse(pixmap, 16, 15, name) for name, pixmap in TOOLBAR_IMAGES.items()]
    toolbar_rows = ["".join(strip[y] for strip in strips) for y in range(15)]
    toolbar = make_bmp(toolbar_rows)

    mainframe = make_ico(
        [parse(MAINFRAME_16, 16, 16, "icon 128 small"), parse(MAINFRAME_32, 32, 32, "icon 128")]
    )
    document = make_ico(
        [parse(DOCUMENT_32, 32, 32, "icon 129"), parse(DOCUMENT_16, 16, 16, "icon 129 small")]
    )

    images = ROOT / "res" / "images"
    images.mkdir(parents=True, exist_ok=True)
    (images / "toolbar_128.bmp").write_bytes(toolbar)
    (images / "mainframe_128.ico").write_bytes(mainframe)
    (images / "document_129.ico").write_bytes(document)

    write_cpp(
        ROOT / "res" / "bitmaps.cpp",
        [("kToolbarBitmap", toolbar)],
        "kBitmaps",
        "QuarvelBitmaps",
        [("IDR_MAINFRAME", "kToolbarBitmap")],
    )
    write_cpp(
        ROOT / "res" / "icons.cpp",
        [("kMainFrameIcon", mainframe), ("kDocumentIcon", document)],
        "kIcons",
        "QuarvelIcons",
        [("IDR_MAINFRAME", "kMainFrameIcon"), ("IDI_DOCUMENT", "kDocumentIcon")],
    )


if __name__ == "__main__":
    main()
