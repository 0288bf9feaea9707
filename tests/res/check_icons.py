"""Reads the committed icons back: quarnest.ico image by image, and the hicolor PNGs.

Usage: check_icons.py ICONS_DIR   (the folder holding quarnest.ico and hicolor/)
"""

import pathlib
import struct
import sys
import unittest
import zlib

# (size, bits per pixel) of each image of quarnest.ico, in order.
ICO_IMAGES = [(32, 8), (16, 8), (128, 32), (48, 32), (32, 32), (16, 32)]
THEME_SIZES = (16, 32, 48, 128)
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
icons_dir = None


def read_ico(data):
    """Per image: (width, height, colours, reserved, planes, bits, image bytes)."""
    assert struct.unpack_from("<HH", data) == (0, 1), "not an icon file"
    (count,) = struct.unpack_from("<H", data, 4)
    entries = []
    for index in range(count):
        *fields, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
        entries.append((*fields, data[offset:offset + length]))
    return entries


def read_dib(data, bits):
    """(header, palette, colour rows, AND-mask rows), rows top first. The header is (size, width,
    stored height, planes, bits, compression, colours used); the data must end with the mask."""
    header = struct.unpack_from("<IiiHHI12xI", data)
    width, height = header[1], header[2] // 2
    position = header[0] + (4 * (header[6] or 256) if bits == 8 else 0)
    palette = [(data[i + 2], data[i + 1], data[i]) for i in range(header[0], position, 4)]
    colour_stride, mask_stride = (width * bits + 31) // 32 * 4, (width + 31) // 32 * 4
    colours, masks = [], []
    for _ in range(height):  # DIB rows run bottom-up.
        line = data[position:position + colour_stride]
        colours.insert(0, [palette[i] + (255,) for i in line[:width]] if bits == 8 else
                       [(line[x + 2], line[x + 1], line[x], line[x + 3])
                        for x in range(0, 4 * width, 4)])
        position += colour_stride
    for _ in range(height):
        line = data[position:position + mask_stride]
        masks.insert(0, [bool(line[x // 8] & 0x80 >> x % 8) for x in range(width)])
        position += mask_stride
    assert position == len(data), f"DIB is {len(data)} bytes, colours and mask need {position}"
    return header, palette, colours, masks


def read_png(data):
    """Rows of (red, green, blue, alpha), top first, of an 8-bit RGBA PNG."""
    assert data.startswith(PNG_SIGNATURE), "not a PNG file"
    chunks, position = {}, len(PNG_SIGNATURE)
    while position < len(data):
        length, kind = struct.unpack_from(">I4s", data, position)
        chunks[kind] = chunks.get(kind, b"") + data[position + 8:position + 8 + length]
        position += 12 + length
    width, height, *form = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    assert form == [8, 6, 0, 0, 0], f"not 8-bit RGBA without interlace: {form}"
    raw, stride = zlib.decompress(chunks[b"IDAT"]), 4 * width
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:][:stride])
        for i in range(stride):
            a, b = line[i - 4] if i >= 4 else 0, previous[i]
            c = previous[i - 4] if i >= 4 else 0
            paeth = min((abs(b - c), 0, a), (abs(a - c), 1, b), (abs(a + b - 2 * c), 2, c))[2]
            line[i] = (line[i] + (0, a, b, (a + b) // 2, paeth)[kind]) & 0xFF
        rows.append([tuple(line[x:x + 4]) for x in range(0, stride, 4)])
        previous = line
    return width, height, rows


def theme_png(size):
    path = icons_dir / "hicolor" / f"{size}x{size}" / "apps" / "com.kestrow.Quarnest.png"
    return read_png(path.read_bytes())


class IconsTest(unittest.TestCase):
    def test_ico_holds_the_six_images_in_order_as_dibs_with_and_mask(self):
        entries = read_ico((icons_dir / "quarnest.ico").read_bytes())
        self.assertEqual([(entry[0], entry[5]) for entry in entries], ICO_IMAGES)
        for number, (size, height, colours, reserved, planes, bits, data) in enumerate(entries, 1):
            with self.subTest(image=number, size=size, bits=bits):
                self.assertFalse(data.startswith(PNG_SIGNATURE), "stored as PNG")
                self.assertEqual((height, colours, reserved, planes), (size, 0, 0, 1))
                header, palette, pixels, mask = read_dib(data, bits)
                self.assertEqual(header[:6], (40, size, 2 * size, 1, bits, 0))
                self.assertEqual(len(palette), 256 if bits == 8 else 0)
                self.assertEqual([mask[0][0], mask[0][-1], mask[-1][0], mask[-1][-1]], [True] * 4)
                _, _, theme = theme_png(size)
                for pixel, masked, shown in zip(sum(pixels, []), sum(mask, []), sum(theme, [])):
                    if bits == 8:
                        # Windows draws (screen AND mask) XOR colour: masked pixels must be black.
                        self.assertTrue(not masked or pixel[:3] == (0, 0, 0), pixel)
                        self.assertEqual(masked, shown[3] < 128, "mask follows the theme icon")
                    else:
                        self.assertEqual(pixel, shown, "pixels are those of the theme icon")
                        self.assertTrue(pixel[3] not in (0, 255) or masked == (pixel[3] == 0))

    def test_theme_pngs_have_their_size_and_transparent_corners(self):
        for size in THEME_SIZES:
            with self.subTest(size=size):
                width, height, rows = theme_png(size)
                self.assertEqual((width, height), (size, size))
                corners = [rows[y][x][3] for x in (0, -1) for y in (0, -1)]
                self.assertEqual(corners, [0] * 4)
                self.assertIn(255, {pixel[3] for row in rows for pixel in row}, "blank")


if __name__ == "__main__":
    icons_dir = pathlib.Path(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
