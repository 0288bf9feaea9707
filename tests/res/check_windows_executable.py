"""Reads Quarnest.exe back: a 64-bit GUI program that needs no DLL but Windows' own, with its
version block and icon.

Usage: check_windows_executable.py EXE ICO

The block is checked against the values written here, not against the build's identity settings
that generate it: a wrong value there must fail.
"""

import pathlib
import struct
import sys
import unittest

import pefile

from check_icons import ICO_IMAGES, read_ico

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
ICON_IDS = range(30001, 30001 + len(ICO_IMAGES))
CHINESE_PRC = (0x04, 0x02)  # language and sublanguage of every resource
EXE, ICO = sys.argv[1:3]
MAJOR, MINOR, PATCH = 1, 0, 0
STRINGS = {b"CompanyName": b"Kestrow", b"ProductName": b"Tovrel",
           b"FileVersion": b"1.00", b"ProductVersion": b"1.00",
           b"InternalName": b"Quarnest", b"OriginalFilename": b"Quarnest.exe"}


# Wine's builtin libraries stand for Windows' own (drivers such as the print spooler's
# winspool.drv included); API sets ("api-ms-win-...") are Windows' by name.
WINDOWS_DLLS = {path.name.lower() for path in
                pathlib.Path("/usr/lib/x86_64-linux-gnu/wine/x86_64-windows").iterdir()
                if path.suffix in (".dll", ".drv")}


class WindowsExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(EXE)
        cls.resources = {  # {(type, id, language, sublanguage): data}
            (kind.id, item.id, entry.data.lang, entry.data.sublang):
                cls.pe.get_data(entry.data.struct.OffsetToData, entry.data.struct.Size)
            for kind in cls.pe.DIRECTORY_ENTRY_RESOURCE.entries
            for item in kind.directory.entries for entry in item.directory.entries}

    def test_is_a_64_bit_gui_program_that_imports_only_windows_own_dlls(self):
        self.assertEqual(self.pe.FILE_HEADER.Machine, 0x8664)  # x86-64
        self.assertEqual(self.pe.OPTIONAL_HEADER.Subsystem, 2)  # Windows GUI
        imports = {entry.dll.decode().lower() for entry in self.pe.DIRECTORY_ENTRY_IMPORT}
        self.assertIn("user32.dll", imports)
        foreign = {name for name in imports
                   if name not in WINDOWS_DLLS and not name.startswith("api-ms-win-")}
        self.assertEqual(foreign, set())

    def test_version_block(self):
        (fixed,) = self.pe.VS_FIXEDFILEINFO  # the version twice, no flags, VOS__WINDOWS32, VFT_APP
        high, low = MAJOR << 16 | MINOR, PATCH << 16
        self.assertEqual(struct.unpack("<13I", fixed.__pack__()),
                         (0xFEEF04BD, 0x10000, high, low, high, low, 0, 0, 4, 1, 0, 0, 0))
        (blocks,) = self.pe.FileInfo
        self.assertEqual([block.Key for block in blocks], [b"VarFileInfo", b"StringFileInfo"])
        self.assertEqual([var.entry for var in blocks[0].Var], [{b"Translation": "0x0804 0x04b0"}])
        (table,) = blocks[1].StringTable
        self.assertEqual((table.LangID, *table.entries.items()), (b"080404B0", *STRINGS.items()))

    def test_holds_only_the_version_block_and_the_icon_group_of_the_ico(self):
        kinds = [(RT_ICON, number) for number in ICON_IDS] + [(RT_GROUP_ICON, 1), (RT_VERSION, 1)]
        self.assertEqual(sorted(self.resources), [key + CHINESE_PRC for key in kinds])
        group = self.resources[(RT_GROUP_ICON, 1) + CHINESE_PRC]
        self.assertEqual((*struct.unpack_from("<HHH", group), len(group)), (0, 1, 6, 6 + 14 * 6))
        ico_images = read_ico(pathlib.Path(ICO).read_bytes())
        for index, (number, (size, bits)) in enumerate(zip(ICON_IDS, ICO_IMAGES)):
            with self.subTest(image=number):
                image = self.resources[(RT_ICON, number) + CHINESE_PRC]
                self.assertEqual(image, ico_images[index][-1])
                self.assertEqual(struct.unpack_from("<BBBBHHIH", group, 6 + 14 * index),
                                 (size, size, 0, 0, 1, bits, len(image), number))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
