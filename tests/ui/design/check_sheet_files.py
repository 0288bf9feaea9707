"""Reads back the calculation sheet that the sheet test wrote for the equal φ12H7 holes 80 ± 0.05
apart (δLd left to its default, g6 and IT6, worked by hand in tests/design/design_test.cpp): the
saved PDF and the printed page with poppler's tools, the HTML a word processor pastes and its
plain-text alternative. The same check reads the Linux program's files and those the Windows
program wrote under Wine.

Usage: check_sheet_files.py DIR   (DIR holds sheet.pdf, printed.pdf, sheet.html and sheet.txt)
"""

import html.parser
import pathlib
import re
import subprocess
import sys
import unicodedata
import unittest

FOLDER = pathlib.Path(sys.argv[1])

# Every step: name, formula, numbers put in, result.
STEPS = [
    ("销距公差", "δLd = δLD/3（向下圆整到 0.001）", "0.05/3", "0.016 mm"),
    ("销中心距", "L ± δLd", "", "80 ± 0.016 mm"),
    ("圆柱销基本尺寸", "d1 = D1min = D1 + EI1", "12 + 0", "12.000 mm"),
    ("圆柱销最大直径", "d1max = D1min + es（g6）", "12 − 0.006", "11.994 mm"),
    ("圆柱销最小直径", "d1min = d1max − IT6", "11.994 − 0.011", "11.983 mm"),
    ("圆柱销直径", "d1（g6）", "", "φ12 -0.006/-0.017"),
    ("孔1最小间隙", "X1min = D1min − d1max", "12 − 11.994", "0.006 mm"),
    ("孔1最大间隙", "X1max = D1max − d1min", "12.018 − 11.983", "0.035 mm"),
    ("菱形销圆柱部分宽度", "b（按 D2 查表）", "D2 = 12", "4 mm"),
    ("菱形销总宽度", "B（按 D2 查表）", "D2 = 12", "10 mm"),
    ("补偿量", "a = δLD + δLd − X1min/2", "0.05 + 0.016 − 0.006/2", "0.063 mm"),
    ("孔2最小间隙（手册近似式）", "X2min ≈ 2ab/D2", "2×0.063×4/12", "0.042 mm"),
    # 12 − √(144 − 1.008 − 0.015876) = 0.042738; 11.957262 rounded down.
    ("孔2最小间隙（精确式）", "X2min = D2min − √(D2min² − 4ab − 4a²)",
     "12 − √(12² − 4×0.063×4 − 4×0.063²)", "0.043 mm"),
    ("菱形销最大直径", "d2max = D2min − X2min（向下圆整到 0.001）", "12 − 0.0427", "11.957 mm"),
    ("菱形销最小直径", "d2min = d2max − IT6", "11.957 − 0.011", "11.946 mm"),
    ("菱形销直径", "d2", "", "φ12 -0.043/-0.054"),
    ("孔2最大间隙", "X2max = D2max − d2min", "12.018 − 11.946", "0.072 mm"),
    ("孔1中心位移误差", "ΔY = X1max", "", "0.035 mm"),
    # tan Δα = 0.107/160: 137.94″.
    ("转角误差", "Δα = arctan[(X1max + X2max)/(2L)]", "arctan[(0.035 + 0.072)/(2×80)]",
     "±0°02′17.9″"),
    ("总转角误差", "2Δα", "", "0°04′35.9″"),
]
CONCLUSION = ("孔1装圆柱销 φ12 -0.006/-0.017（g6），孔2装菱形销 φ12 -0.043/-0.054（IT6），"
              "b = 4 mm，B = 10 mm，销中心距 80 ± 0.016 mm；孔1中心位移误差 0.035 mm，"
              "转角误差 ±0°02′17.9″。")


def tool(*arguments):
    return subprocess.run(arguments, check=True, capture_output=True, text=True).stdout


def without_blanks(text):
    return re.sub(r"\s", "", text)


def columns(text):
    """The columns a text takes in a fixed-pitch face: two for an East Asian wide character."""
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


class TableRows(html.parser.HTMLParser):
    """The cells of every table row, each cell's text with its blanks collapsed."""

    def __init__(self, text):
        super().__init__()
        self.rows, self.cell = [], None
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.rows.append([])
        elif tag in ("td", "th"):
            self.cell = ""

    def handle_endtag(self, tag):
        if tag in ("td", "th"):
            self.rows[-1].append(" ".join(self.cell.split()))
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


class SheetFilesTest(unittest.TestCase):
    def test_each_pdf_is_one_a4_page_with_fonts_embedded_and_every_step_as_text(self):
        for name in ("sheet.pdf", "printed.pdf"):
            with self.subTest(name):
                path = str(FOLDER / name)
                info = tool("pdfinfo", path)
                self.assertRegex(info, r"Pages: +1\n[\s\S]*\(A4\)")
                fonts = tool("pdffonts", path).splitlines()[2:]
                self.assertTrue(fonts)
                for font in fonts:  # name type encoding emb sub uni object ID
                    self.assertEqual(font.split()[-5], "yes", font)
                text = without_blanks(tool("pdftotext", "-enc", "UTF-8", path, "-"))
                for part in [part for step in STEPS for part in step] + [CONCLUSION]:
                    self.assertIn(without_blanks(part), text)

    def test_the_html_holds_the_givens_and_every_step_in_rows_of_their_own(self):
        rows = TableRows((FOLDER / "sheet.html").read_text(encoding="utf-8")).rows
        self.assertEqual(rows[:2], [["孔1直径 D1", "φ12 +0.018/0", "孔2直径 D2", "φ12 +0.018/0"],
                                    ["两孔中心距 L ± δLD", "80 ± 0.05 mm",
                                     "销距公差 δLd", "未给定，按步骤1取值"]])
        self.assertEqual(rows[3], ["步骤", "名称", "公式", "代入数值", "结果"])
        self.assertEqual([row[1:] for row in rows[4:]], [list(step) for step in STEPS])

    def test_the_plain_text_has_every_step_with_the_formulas_in_one_column(self):
        lines = (FOLDER / "sheet.txt").read_text(encoding="utf-8").splitlines()
        starts = set()
        for name, formula, substitution, result in STEPS:
            (line,) = [line for line in lines if re.search(rf"(^|\s){re.escape(name)}\s\s", line)]
            self.assertTrue(line.endswith("= " + result), line)
            self.assertIn(f"= {substitution}" if substitution else formula, line)
            starts.add(columns(line[:line.index(formula)]))
        self.assertEqual(len(starts), 1, starts)
        self.assertIn("结论：" + CONCLUSION, lines)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
