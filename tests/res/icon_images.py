"""Readers for the icon files the program ships, independent of the tools that made them.

Only the forms the icons use are read: 8-bit RGBA PNG, and ICO files whose images are
uncompressed DIBs of 8 (palette) or 32 (BGRA) bits, each followed by its AND mask.
"""

import dataclasses
import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
BITMAPINFOHEADER_SIZE = 40
BI_RGB = 0


@dataclasses.dataclass
class Picture:
    """Pixels as rows of (red, green, blue, alpha), top row first."""

    width: int
    height: int
    rows: list

    def pixel(self, x, y):
        return self.rows[y][x]


@dataclasses.dataclass
class IconEntry:
    width: int
    height: int
    colour_count: int
    reserved: int
    planes: int
    bit_count: int
    data: bytes


@dataclasses.dataclass
class Dib:
    width: int
    stored_height: int
    planes: int
    bit_count: int
    compression: int
    palette: list
    picture: Picture
    # Rows of booleans, top row first; True where the AND mask lets the background through.
    and_mask: list
    # Bytes after the header, palette, colour rows and mask; zero for a well-formed image.
    trailing_bytes: int


def read_png(data):
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError("not a PNG file")
    position = len(PNG_SIGNATURE)
    header = None
    compressed = b""
    while position < len(data):
        length, kind = struct.unpack_from(">I4s", data, position)
        body = data[position + 8:position + 8 + length]
        position += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        elif kind == b"IEND":
            break
    if header is None:
        raise ValueError("PNG without IHDR")
    width, height, depth, colour_type, _, _, interlace = header
    if (depth, colour_type, interlace) != (8, 6, 0):
        raise ValueError(f"PNG is not 8-bit RGBA without interlace: {header}")
    raw = zlib.decompress(compressed)
    stride = width * 4
    rows = []
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        line = _unfilter(raw[start], bytearray(raw[start + 1:start + 1 + stride]), previous)
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        previous = line
    return Picture(width, height, rows)


def _unfilter(kind, line, previous, bytes_per_pixel=4):
    for i, value in enumerate(line):
        left = line[i - bytes_per_pixel] if i >= bytes_per_pixel else 0
        up = previous[i]
        upper_left = previous[i - bytes_per_pixel] if i >= bytes_per_pixel else 0
        if kind == 0:
            predictor = 0
        elif kind == 1:
            predictor = left
        elif kind == 2:
            predictor = up
        elif kind == 3:
            predictor = (left + up) // 2
        elif kind == 4:
            predictor = _paeth(left, up, upper_left)
        else:
            raise ValueError(f"unknown PNG filter {kind}")
        line[i] = (value + predictor) & 0xFF
    return line


def _paeth(left, up, upper_left):
    estimate = left + up - upper_left
    distances = (abs(estimate - left), abs(estimate - up), abs(estimate - upper_left))
    return (left, up, upper_left)[distances.index(min(distances))]


def read_ico(data):
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind) != (0, 1):
        raise ValueError(f"not an icon file: reserved {reserved}, type {kind}")
    entries = []
    for index in range(count):
        width, height, colours, zero, planes, bits, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * index)
        if offset + length > len(data):
            raise ValueError(f"image {index + 1} runs past the end of the file")
        entries.append(IconEntry(width or 256, height or 256, colours, zero, planes, bits,
                                 data[offset:offset + length]))
    return entries


def group_icon_directory(data):
    """The RT_GROUP_ICON resource, per image: (width, height, colours, reserved, planes, bits,
    size, resource id)."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind) != (0, 1) or len(data) != 6 + 14 * count:
        raise ValueError("not an icon group directory")
    return [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * index) for index in range(count)]


def read_dib(data):
    if data.startswith(PNG_SIGNATURE):
        raise ValueError("image is stored as PNG, not as a DIB")
    (size, width, stored_height, planes, bits, compression, _, _, _,
     colours_used, _) = struct.unpack_from("<IiiHHIIiiII", data, 0)
    if size != BITMAPINFOHEADER_SIZE:
        raise ValueError(f"unexpected bitmap header size {size}")
    if bits not in (8, 32) or compression != BI_RGB:
        raise ValueError(f"unsupported DIB: {bits} bits, compression {compression}")
    height = stored_height // 2
    position = size
    palette = []
    if bits == 8:
        for _ in range(colours_used or 256):
            blue, green, red, _ = data[position:position + 4]
            palette.append((red, green, blue))
            position += 4

    colour_stride = (width * bits + 31) // 32 * 4
    colour_rows = []
    for row in range(height):
        line = data[position + row * colour_stride:position + (row + 1) * colour_stride]
        if bits == 8:
            colour_rows.append([palette[index] + (255,) for index in line[:width]])
        else:
            colour_rows.append([(line[x * 4 + 2], line[x * 4 + 1], line[x * 4], line[x * 4 + 3])
                                for x in range(width)])
    position += colour_stride * height

    mask_stride = (width + 31) // 32 * 4
    mask_rows = []
    for row in range(height):
        line = data[position + row * mask_stride:position + (row + 1) * mask_stride]
        mask_rows.append([bool(line[x // 8] & (0x80 >> (x % 8))) for x in range(width)])
    position += mask_stride * height
    if position > len(data):
        raise ValueError(f"DIB is {len(data)} bytes, needs {position} with its AND mask")

    # DIB rows are stored bottom-up.
    colour_rows.reverse()
    mask_rows.reverse()
    return Dib(width, stored_height, planes, bits, compression, palette,
               Picture(width, height, colour_rows), mask_rows, len(data) - position)
