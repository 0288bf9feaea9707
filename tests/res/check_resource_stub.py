"""Reads the version block and the icon back from a Windows executable built with quarnest.rc.

Usage: check_resource_stub.py EXECUTABLE ICO
"""

import pathlib
import struct
import sys
import unittest

import pefile

from check_icons import ICO_IMAGES, read_ico

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
ICON_IDS = range(30001, 30001 + len(ICO_IMAGES))
CHINESE_PRC = (0x04, 0x02)
VOS__WINDOWS32, VFT_APP = 4, 1
STRINGS = [
    (b"CompanyName", b"Kestrow"),
    (b"ProductName", b"Tovrel"),
    (b"FileVersion", b"1.00"),
    (b"ProductVersion", b"1.00"),
    (b"InternalName", b"Quarnest"),
    (b"OriginalFilename", b"Quarnest.exe"),
]
executable = ico = None


class ResourceStubTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(str(executable))
        # {(type, id): [(language, sublanguage, data), ...]}
        cls.resources = {
            (kind.id, item.id): [(entry.data.lang, entry.data.sublang,
                                  cls.pe.get_data(entry.data.struct.OffsetToData,
                                                  entry.data.struct.Size))
                                 for entry in item.directory.entries]
            for kind in cls.pe.DIRECTORY_ENTRY_RESOURCE.entries
            for item in kind.directory.entries}

    def data(self, kind, number):
        ((*language, data),) = self.resources[(kind, number)]
        self.assertEqual(tuple(language), CHINESE_PRC, f"language of resource {kind}/{number}")
        return data

    def test_holds_the_version_block_the_icon_group_and_its_images_only(self):
        icons = [(RT_ICON, number) for number in ICON_IDS]
        self.assertEqual(sorted(self.resources), icons + [(RT_GROUP_ICON, 1), (RT_VERSION, 1)])

    def test_version_block(self):
        self.data(RT_VERSION, 1)
        (fixed,) = self.pe.VS_FIXEDFILEINFO
        self.assertEqual(
            (fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS,
             fixed.ProductVersionLS, fixed.FileFlagsMask, fixed.FileFlags, fixed.FileOS,
             fixed.FileType, fixed.FileSubtype, fixed.FileDateMS, fixed.FileDateLS),
            (0x10000, 0, 0x10000, 0, 0, 0, VOS__WINDOWS32, VFT_APP, 0, 0, 0))
        (blocks,) = self.pe.FileInfo
        self.assertEqual([block.Key for block in blocks], [b"VarFileInfo", b"StringFileInfo"])
        self.assertEqual([var.entry for var in blocks[0].Var], [{b"Translation": "0x0804 0x04b0"}])
        (table,) = blocks[1].StringTable
        self.assertEqual(table.LangID, b"080404B0")
        self.assertEqual(list(table.entries.items()), STRINGS)

    def test_icon_group_names_the_images_of_the_ico(self):
        group = self.data(RT_GROUP_ICON, 1)
        self.assertEqual(struct.unpack_from("<HHH", group), (0, 1, len(ICO_IMAGES)))
        self.assertEqual(len(group), 6 + 14 * len(ICO_IMAGES))
        ico_entries = read_ico(ico.read_bytes())
        for index, (number, (size, bits)) in enumerate(zip(ICON_IDS, ICO_IMAGES)):
            with self.subTest(image=number):
                image = self.data(RT_ICON, number)
                self.assertEqual(image, ico_entries[index][-1])
                self.assertEqual(struct.unpack_from("<BBBBHHIH", group, 6 + 14 * index),
                                 (size, size, 0, 0, 1, bits, len(image), number))


if __name__ == "__main__":
    executable, ico = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)
