"""Reads the committed quarnest.ico back image by image.

Usage: check_windows_icon.py ICO HICOLOR_DIR
"""

import pathlib
import sys
import unittest

import gear_picture
import icon_images

# (size, bits per pixel) of each image, in the order the icon must hold them.
EXPECTED_IMAGES = ((32, 8), (16, 8), (128, 32), (48, 32), (32, 32), (16, 32))
ICON_NAME = "com.kestrow.Quarnest.png"


class WindowsIconTest(gear_picture.GearAssertions, unittest.TestCase):
    ico_path = None
    hicolor_dir = None

    @classmethod
    def setUpClass(cls):
        cls.entries = icon_images.read_ico(cls.ico_path.read_bytes())
        cls.dibs = [icon_images.read_dib(entry.data) for entry in cls.entries]

    def images(self, bit_count=None):
        """(subtest, directory entry, image) for each image, or for those of one depth."""
        for number, (entry, dib) in enumerate(zip(self.entries, self.dibs), start=1):
            if bit_count in (None, entry.bit_count):
                subtest = self.subTest(image=number, size=entry.width, bits=entry.bit_count)
                yield subtest, entry, dib

    def test_holds_the_six_images_in_order(self):
        self.assertEqual([(entry.width, entry.bit_count) for entry in self.entries],
                         list(EXPECTED_IMAGES))

    def test_directory_entries_are_square_single_plane_without_colour_count(self):
        for subtest, entry, _ in self.images():
            with subtest:
                self.assertEqual(entry.height, entry.width)
                self.assertEqual(entry.planes, 1)
                self.assertEqual(entry.reserved, 0)
                # 0 stands for 256 colours and for the true-colour images alike.
                self.assertEqual(entry.colour_count, 0)

    def test_images_are_uncompressed_dibs_with_an_and_mask(self):
        for subtest, entry, dib in self.images():
            with subtest:
                self.assertEqual(dib.width, entry.width)
                self.assertEqual(dib.stored_height, 2 * entry.height, "colour rows and mask rows")
                self.assertEqual(dib.planes, 1)
                self.assertEqual(dib.bit_count, entry.bit_count)
                self.assertEqual(dib.compression, icon_images.BI_RGB)
                self.assertEqual(dib.trailing_bytes, 0)

    def test_palette_images_have_256_colours_and_masked_background(self):
        for subtest, _, dib in self.images(bit_count=8):
            with subtest:
                self.assertEqual(len(dib.palette), 256)
                # Windows draws (screen AND mask) XOR colour: masked pixels must be black.
                masked_colours = {
                    pixel[:3]
                    for row, mask_row in zip(dib.picture.rows, dib.and_mask)
                    for pixel, masked in zip(row, mask_row) if masked}
                self.assertEqual(masked_colours, {(0, 0, 0)})
                self.assert_is_gear(lambda x, y, dib=dib: not dib.and_mask[y][x],
                                    dib.picture.pixel, dib.width)

    def test_true_colour_images_have_soft_alpha_and_a_matching_mask(self):
        for subtest, _, dib in self.images(bit_count=32):
            with subtest:
                alphas = {pixel[3] for row in dib.picture.rows for pixel in row}
                self.assertIn(0, alphas)
                self.assertIn(255, alphas)
                self.assertTrue(any(0 < alpha < 255 for alpha in alphas), "edges are smoothed")
                for row, mask_row in zip(dib.picture.rows, dib.and_mask):
                    for pixel, masked in zip(row, mask_row):
                        if pixel[3] in (0, 255):
                            self.assertEqual(masked, pixel[3] == 0)
                self.assert_is_gear(lambda x, y, dib=dib: dib.picture.pixel(x, y)[3] >= 128,
                                    dib.picture.pixel, dib.width)

    def test_images_show_the_linux_theme_icons(self):
        for subtest, entry, dib in self.images():
            with subtest:
                theme = icon_images.read_png(
                    (self.hicolor_dir / f"{entry.width}x{entry.width}" / "apps" / ICON_NAME)
                    .read_bytes())
                if entry.bit_count == 32:
                    self.assertEqual(dib.picture.rows, theme.rows)
                else:
                    shown = [[not masked for masked in row] for row in dib.and_mask]
                    solid = [[pixel[3] >= 128 for pixel in row] for row in theme.rows]
                    self.assertEqual(shown, solid)


if __name__ == "__main__":
    WindowsIconTest.ico_path = pathlib.Path(sys.argv[1])
    WindowsIconTest.hicolor_dir = pathlib.Path(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)
