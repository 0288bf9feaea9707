// The calculation sheet as a designer hands it in: the PDF read back by poppler's tools, the print
// path through QPrinter into a PDF file, the copied table read back as HTML, the drawing read back
// from its pixels.
#include "design/two_pin_design.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/design/locating_drawing.h"
#include "ui/design/sheet_document.h"

#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <cmath>

namespace {

// Two φ12H7 holes 80 ± 0.05 apart, δLd left to its default, g6 and IT6, worked by hand in
// tests/design/design_test.cpp.
design::DesignSheet equalHoles() {
    const design::TwoPinInput input{u"12", u"+0.018", u"0",    u"12", u"+0.018",
                                    u"0",  u"80",     u"0.05", u""};
    return design::ComposeSheet(std::get<design::TwoPinDesign>(DesignTwoPinLocation(input)), input,
                                u"Tovrel 1.0.0", u"2026-12-07");
}

// Every step of it: name, formula, numbers put in, result.
const QStringList workedSteps[] = {
    {"销距公差", "δLd = δLD/3（向下圆整到 0.001）", "0.05/3", "0.016 mm"},
    {"销中心距", "L ± δLd", "", "80 ± 0.016 mm"},
    {"圆柱销基本尺寸", "d1 = D1min = D1 + EI1", "12 + 0", "12.000 mm"},
    {"圆柱销最大直径", "d1max = D1min + es（g6）", "12 − 0.006", "11.994 mm"},
    {"圆柱销最小直径", "d1min = d1max − IT6", "11.994 − 0.011", "11.983 mm"},
    {"圆柱销直径", "d1（g6）", "", "φ12 -0.006/-0.017"},
    {"孔1最小间隙", "X1min = D1min − d1max", "12 − 11.994", "0.006 mm"},
    {"孔1最大间隙", "X1max = D1max − d1min", "12.018 − 11.983", "0.035 mm"},
    {"菱形销圆柱部分宽度", "b（按 D2 查表）", "D2 = 12", "4 mm"},
    {"菱形销总宽度", "B（按 D2 查表）", "D2 = 12", "10 mm"},
    {"补偿量", "a = δLD + δLd − X1min/2", "0.05 + 0.016 − 0.006/2", "0.063 mm"},
    {"孔2最小间隙（手册近似式）", "X2min ≈ 2ab/D2", "2×0.063×4/12", "0.042 mm"},
    // 12 − √(144 − 1.008 − 0.015876) = 0.042738; 11.957262 rounded down.
    {"孔2最小间隙（精确式）", "X2min = D2min − √(D2min² − 4ab − 4a²)",
     "12 − √(12² − 4×0.063×4 − 4×0.063²)", "0.043 mm"},
    {"菱形销最大直径", "d2max = D2min − X2min（向下圆整到 0.001）", "12 − 0.0427", "11.957 mm"},
    {"菱形销最小直径", "d2min = d2max − IT6", "11.957 − 0.011", "11.946 mm"},
    {"菱形销直径", "d2", "", "φ12 -0.043/-0.054"},
    {"孔2最大间隙", "X2max = D2max − d2min", "12.018 − 11.946", "0.072 mm"},
    {"孔1中心位移误差", "ΔY = X1max", "", "0.035 mm"},
    // tan Δα = 0.107/160: 137.94″.
    {"转角误差", "Δα = arctan[(X1max + X2max)/(2L)]", "arctan[(0.035 + 0.072)/(2×80)]",
     "±0°02′17.9″"},
    {"总转角误差", "2Δα", "", "0°04′35.9″"},
};

// What a poppler tool prints for the file; empty where it is not installed.
QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return process.exitCode() ? QString() : QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutBlanks(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Each a PDF file of one A4 page, its fonts all embedded, among them a Chinese one, and the text
// of every step and the conclusion in it as text.
void checkPdfs(const QStringList& paths) {
#ifdef Q_OS_WIN
    QSKIP("poppler's tools run on the build machine; the Windows program's PDF is checked there");
#endif
    for (const QString& path : paths) {
        const QString info = poppler("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Pages: +1\\n[\\s\\S]*\\(A4\\)")),
                 qPrintable(info.isEmpty() ? "pdfinfo (poppler-utils) is needed" : info));
        const QStringList fonts =
            poppler("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts) { // name type encoding emb sub uni object ID
            QCOMPARE(font.section(' ', -5, -5, QString::SectionSkipEmpty), "yes");
        }
        const QString text = withoutBlanks(poppler("pdftotext", {"-enc", "UTF-8", path, "-"}));
        for (const QStringList& step : workedSteps) {
            for (const QString& part : step) {
                QVERIFY2(text.contains(withoutBlanks(part)), qPrintable(part));
            }
        }
        QVERIFY(text.contains(withoutBlanks(QString::fromStdU16String(equalHoles().conclusion))));
    }
}

QImage drawn(const design::LayoutFigure& figure, const QRectF& area) {
    QImage image(area.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ui::paintLocatingLayout(painter, area, figure);
    return image;
}

} // namespace

class SheetDocumentTest : public QObject {
    Q_OBJECT

private slots:
    // The saved file, and the page the print dialog's printer gets, here a PDF file.
    void savedAndPrintedPdf() {
        QTemporaryDir folder;
        QFile file(folder.filePath("sheet.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ui::sheet_document::pdf(equalHoles(), "Tovrel 1.0.0"));
        file.close();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("printed.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(ui::sheet_document::paintPage(printer, equalHoles()));
        checkPdfs({file.fileName(), printer.outputFileName()});
    }

    // The HTML a word processor pastes: the givens and every step in cells of their own rows
    // (written back as Markdown, each row a line "|cell|cell|", its cells padded); the plain text
    // has the same steps, the formulas starting in one column.
    void copiedTable() {
        const std::unique_ptr<QMimeData> data(ui::sheet_document::mimeData(equalHoles()));
        QTextDocument html;
        html.setHtml(data->html());
        const QString rows = html.toMarkdown().replace(QRegularExpression(" +\\|"), "|");
        QVERIFY2(rows.contains("|孔1直径 D1|φ12 +0.018/0|孔2直径 D2|φ12 +0.018/0|\n"),
                 qPrintable(rows));
        // Three rows of givens, a heading row and two ruled lines under the headings.
        QCOMPARE(rows.count("|\n"), 6 + std::ssize(workedSteps));
        for (const QStringList& step : workedSteps) {
            QVERIFY2(rows.contains("|" + step.join('|') + "|\n"), qPrintable(step.join('|')));
        }
        const QStringList lines = data->text().split('\n');
        const auto column = [&](const QString& name, const QString& formula) {
            const QString line = lines.filter(name).value(0);
            const QString before = line.left(line.indexOf(formula));
            return before.size() +
                   before.count(QRegularExpression("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ff60}]"));
        };
        QVERIFY(column("4  补偿量", "a = ") > 0);
        QCOMPARE(column("4  补偿量", "a = "), column("销中心距", "L ± δLd"));
    }

    // Hole 2's relieved pin is turned with its flats along the line of centres: between them and
    // the hole the gap is wide, between the lands across the line narrow. Each dimension's value
    // is drawn, where it belongs: what changes without it lies in its region.
    void drawing() {
        using Figure = design::LayoutFigure;
        const Figure figure = equalHoles().figure;
        const QRectF area(0, 0, 1080, 400);
        const QImage image = drawn(figure, area);
        const ui::LayoutPlacement place = ui::placeLayout(area, figure);
        const QPointF c1 = place.centre1, c2 = place.centre2;
        const double r2 = place.hole2Radius;
        // From hole 2's outline inwards, at `degrees` above the line of centres, to the pin.
        const auto gap = [&](double degrees) {
            const QPointF towards(std::cos(degrees * M_PI / 180), -std::sin(degrees * M_PI / 180));
            for (double r = r2 - 3; r > 0; r -= 0.5) {
                if (qGray(image.pixel((c2 + towards * r).toPoint())) < 128) {
                    return r2 - r;
                }
            }
            return r2;
        };
        QVERIFY2(gap(10) > 2 * gap(100), qPrintable(QString("%1 %2").arg(gap(10)).arg(gap(100))));
        const QRectF belowHole2(c2.x() - r2, c2.y() + r2, 2 * r2, area.height());
        const std::pair<std::u16string Figure::*, QRectF> dimensions[] = {
            {&Figure::distanceText, QRectF(QPointF(c1.x(), 0), QPointF(c2.x(), c2.y() - r2))},
            {&Figure::pin1Text, QRectF(QPointF(0, 0), c1)},
            {&Figure::pin2Text, QRectF(QPointF(c2.x(), 0), QPointF(area.width(), c2.y()))},
            {&Figure::landText, belowHole2},
            {&Figure::cornerText, belowHole2}};
        for (const auto& [text, region] : dimensions) {
            Figure without = figure;
            without.*text = u"";
            const QImage other = drawn(without, area);
            QRect changed;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixel(x, y) != other.pixel(x, y)) {
                        changed |= QRect(x, y, 1, 1);
                    }
                }
            }
            QVERIFY2(!changed.isEmpty() && region.contains(changed.center()),
                     qPrintable(QString::fromStdU16String(figure.*text)));
        }
    }
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<SheetDocumentTest>();
}

#include "sheet_document_test.moc"
