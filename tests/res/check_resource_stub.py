"""Reads the version block and the icon back from a Windows executable built with quarnest.rc.

Usage: check_resource_stub.py EXECUTABLE ICO
"""

import pathlib
import sys
import unittest

import pefile

import icon_images
from check_windows_icon import EXPECTED_IMAGES

RT_ICON = 3
RT_VERSION = 16
RT_GROUP_ICON = 14
ICON_GROUP_ID = 1
VERSION_ID = 1
FIRST_ICON_ID = 30001
# Chinese (PRC): primary language 0x04, sublanguage 0x02.
LANGUAGE = (0x04, 0x02)

VERSION_1_0_0_0 = (0x00010000, 0x00000000)
VOS__WINDOWS32 = 4
VFT_APP = 1
STRING_TABLE = b"080404B0"
STRINGS = [
    (b"CompanyName", b"Kestrow"),
    (b"ProductName", b"Tovrel"),
    (b"FileVersion", b"1.00"),
    (b"ProductVersion", b"1.00"),
    (b"InternalName", b"Quarnest"),
    (b"OriginalFilename", b"Quarnest.exe"),
]


class ResourceStubTest(unittest.TestCase):
    executable = None
    ico_path = None

    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(str(cls.executable))
        # {(type, id): [(language, sublanguage, data), ...]}
        cls.resources = {}
        for kind in cls.pe.DIRECTORY_ENTRY_RESOURCE.entries:
            for item in kind.directory.entries:
                cls.resources[(kind.id, item.id)] = [
                    (language.data.lang, language.data.sublang,
                     cls.pe.get_data(language.data.struct.OffsetToData,
                                     language.data.struct.Size))
                    for language in item.directory.entries]

    def resource(self, kind, number):
        return self.resources[(kind, number)][0][2]

    def version_block(self, key):
        (block,) = [block for block in self.pe.FileInfo[0] if block.Key == key]
        return block

    def test_every_resource_is_chinese_prc_only(self):
        for key, versions in self.resources.items():
            with self.subTest(resource=key):
                self.assertEqual([(lang, sublang) for lang, sublang, _ in versions], [LANGUAGE])

    def test_one_version_block(self):
        self.assertEqual([number for kind, number in self.resources if kind == RT_VERSION],
                         [VERSION_ID])
        self.assertEqual(len(self.pe.VS_FIXEDFILEINFO), 1)

    def test_fixed_part(self):
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), VERSION_1_0_0_0)
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), VERSION_1_0_0_0)
        self.assertEqual((fixed.FileFlagsMask, fixed.FileFlags), (0, 0))
        self.assertEqual(fixed.FileOS, VOS__WINDOWS32)
        self.assertEqual(fixed.FileType, VFT_APP)
        self.assertEqual(fixed.FileSubtype, 0)
        self.assertEqual((fixed.FileDateMS, fixed.FileDateLS), (0, 0))

    def test_translation_block_stands_ahead_of_the_strings(self):
        self.assertEqual([block.Key for block in self.pe.FileInfo[0]],
                         [b"VarFileInfo", b"StringFileInfo"])

    def test_single_translation_chinese_prc_unicode(self):
        variables = self.version_block(b"VarFileInfo").Var
        self.assertEqual([variable.entry for variable in variables],
                         [{b"Translation": "0x0804 0x04b0"}])

    def test_single_string_table_with_the_six_strings_in_order(self):
        tables = self.version_block(b"StringFileInfo").StringTable
        self.assertEqual([table.LangID for table in tables], [STRING_TABLE])
        self.assertEqual(list(tables[0].entries.items()), STRINGS)

    def test_icon_group_names_the_six_images(self):
        self.assertEqual([number for kind, number in self.resources if kind == RT_GROUP_ICON],
                         [ICON_GROUP_ID])
        directory = icon_images.group_icon_directory(self.resource(RT_GROUP_ICON, ICON_GROUP_ID))
        expected_ids = list(range(FIRST_ICON_ID, FIRST_ICON_ID + len(EXPECTED_IMAGES)))
        self.assertEqual([entry[-1] for entry in directory], expected_ids)
        for entry, (size, bits) in zip(directory, EXPECTED_IMAGES):
            width, height, colours, _, planes, bit_count, length, number = entry
            with self.subTest(image=number):
                self.assertEqual((width, height, colours, planes, bit_count),
                                 (size, size, 0, 1, bits))
                self.assertEqual(length, len(self.resource(RT_ICON, number)))

    def test_icon_images_are_those_of_the_ico(self):
        self.assertEqual(
            [number for kind, number in self.resources if kind == RT_ICON],
            list(range(FIRST_ICON_ID, FIRST_ICON_ID + len(EXPECTED_IMAGES))))
        entries = icon_images.read_ico(self.ico_path.read_bytes())
        for number, entry in enumerate(entries, start=FIRST_ICON_ID):
            with self.subTest(image=number):
                self.assertEqual(self.resource(RT_ICON, number), entry.data)


if __name__ == "__main__":
    ResourceStubTest.executable = pathlib.Path(sys.argv[1])
    ResourceStubTest.ico_path = pathlib.Path(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)
