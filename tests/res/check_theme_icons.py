"""Checks the icons installed into the hicolor theme: the PNG sizes and the scalable SVG.

Usage: check_theme_icons.py ICONS_DIR   (the folder holding the SVG and hicolor/)
"""

import pathlib
import sys
import unittest
import xml.etree.ElementTree as ElementTree

import gear_picture
import icon_images

ICON_ID = "com.kestrow.Quarnest"
SIZES = (16, 32, 48, 128)
SVG_NAMESPACE = "{http://www.w3.org/2000/svg}"


class ThemeIconsTest(gear_picture.GearAssertions, unittest.TestCase):
    icons_dir = None

    def test_pngs_have_their_folders_size_and_show_the_gear_on_clear_ground(self):
        for size in SIZES:
            with self.subTest(size=size):
                path = self.icons_dir / "hicolor" / f"{size}x{size}" / "apps" / f"{ICON_ID}.png"
                picture = icon_images.read_png(path.read_bytes())
                self.assertEqual((picture.width, picture.height), (size, size))
                last = size - 1
                corners = [picture.pixel(x, y)[3] for x in (0, last) for y in (0, last)]
                self.assertEqual(corners, [0, 0, 0, 0], "alpha of the corners")
                self.assert_is_gear(lambda x, y, p=picture: p.pixel(x, y)[3] >= 128,
                                    picture.pixel, size)

    def test_scalable_icon_is_a_square_svg(self):
        root = ElementTree.parse(self.icons_dir / f"{ICON_ID}.svg").getroot()
        self.assertEqual(root.tag, f"{SVG_NAMESPACE}svg")
        left, top, width, height = (float(value) for value in root.get("viewBox").split())
        self.assertEqual((left, top), (0, 0))
        self.assertEqual(width, height)


if __name__ == "__main__":
    ThemeIconsTest.icons_dir = pathlib.Path(sys.argv[1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
