"""Reads quarnest.ico and the hicolor PNGs back. Usage: check_icons.py ICONS_DIR"""

import pathlib
import struct
import sys
import unittest
import zlib

ICO_IMAGES = [(32, 8), (16, 8), (128, 32), (48, 32), (32, 32), (16, 32)]  # (size, bits), in order


def read_ico(data):
    """Per image: (width, height, colours, reserved, planes, bits, image bytes)."""
    reserved, kind, count = struct.unpack_from("<HHH", data)
    assert (reserved, kind) == (0, 1), "not an icon file"
    entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
    return [(*fields, data[offset:offset + length]) for *fields, length, offset in entries]


def read_dib(data, size, bits):
    """RGBA pixels and AND mask, flat, top row first, of an icon image stored as DIB and mask."""
    header, colours = struct.unpack_from("<IiiHHI12xI", data), 256 if bits == 8 else 0
    assert header[:6] == (40, size, 2 * size, 1, bits, 0) and header[6] in (0, colours), header
    palette = [(data[i + 2], data[i + 1], data[i], 255) for i in range(40, 40 + 4 * colours, 4)]
    start, colour_stride, mask_stride = 40 + 4 * colours, size * bits // 8, (size + 31) // 32 * 4
    assert start + size * (colour_stride + mask_stride) == len(data), "no mask after the colours"
    pixels, mask = [], []
    for y in reversed(range(size)):  # DIB rows run bottom-up.
        row, mask_row = start + y * colour_stride, start + size * colour_stride + y * mask_stride
        pixels += ([palette[i] for i in data[row:row + size]] if bits == 8 else
                   [(data[i + 2], data[i + 1], data[i], data[i + 3])
                    for i in range(row, row + 4 * size, 4)])
        mask += [bool(data[mask_row + x // 8] & 0x80 >> x % 8) for x in range(size)]
    return pixels, mask


def theme_png(size):
    """RGBA pixels, flat, top row first, of the theme icon of that size."""
    data = (icons_dir / f"hicolor/{size}x{size}/apps/com.kestrow.Quarnest.png").read_bytes()
    assert data.startswith(b"\x89PNG\r\n\x1a\n"), "not a PNG file"
    width, height, *form = struct.unpack_from(">IIBBBBB", data, 16)  # IHDR comes first
    assert [width, height, *form] == [size, size, 8, 6, 0, 0, 0], f"not {size} px 8-bit RGBA"
    compressed, position = b"", 8
    while position < len(data):
        length, kind = struct.unpack_from(">I4s", data, position)
        compressed += data[position + 8:position + 8 + length] if kind == b"IDAT" else b""
        position += 12 + length
    raw, stride, pixels, previous = zlib.decompress(compressed), 4 * width, [], bytearray(4 * width)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:][:stride])
        for i in range(stride):
            a, b, c = (line[i - 4], previous[i], previous[i - 4]) if i >= 4 else (0, previous[i], 0)
            paeth = min((abs(b - c), 0, a), (abs(a - c), 1, b), (abs(a + b - 2 * c), 2, c))[2]
            line[i] = (line[i] + (0, a, b, (a + b) // 2, paeth)[kind]) & 0xFF
        pixels += [tuple(line[x:x + 4]) for x in range(0, stride, 4)]
        previous = line
    return pixels


class IconsTest(unittest.TestCase):
    def test_ico_holds_the_six_images_in_order_as_dibs_with_and_mask(self):
        entries = read_ico((icons_dir / "quarnest.ico").read_bytes())
        self.assertEqual([entry[:6] for entry in entries],
                         [(size, size, 0, 0, 1, bits) for size, bits in ICO_IMAGES])
        for size, *_, bits, data in entries:
            with self.subTest(size=size, bits=bits):
                pixels, mask = read_dib(data, size, bits)
                theme = theme_png(size)
                self.assertEqual(mask, [pixel[3] < 128 for pixel in theme], "mask")
                # At 8 bits Windows draws (screen AND mask) XOR colour: masked pixels must be black.
                black = [(0, 0, 0, 255) if masked else pixel for pixel, masked in zip(pixels, mask)]
                self.assertEqual(pixels, theme if bits == 32 else black, "pixels")

    def test_theme_pngs_have_their_size_and_transparent_corners(self):
        for size in (16, 32, 48, 128):
            with self.subTest(size=size):
                pixels = theme_png(size)  # checks the size
                self.assertEqual([pixels[i][3] for i in (0, size - 1, -size, -1)], [0] * 4)
                self.assertIn(255, {pixel[3] for pixel in pixels}, "blank")


if __name__ == "__main__":
    icons_dir = pathlib.Path(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
