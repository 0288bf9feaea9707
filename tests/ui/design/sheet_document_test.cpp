// The calculation sheet as a designer hands it in: its files written for a check on the build
// machine, the drawing read back from its pixels.
#include "design/two_pin_design.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/design/locating_drawing.h"
#include "ui/design/sheet_document.h"

#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QTest>
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
    // Into the working folder, where tests/ui/design/check_sheet_files.py reads them back: the
    // saved file, the page the print dialog's printer gets (here a PDF file), and the copied
    // sheet's HTML and plain text.
    void writesTheSheetsFiles() {
        const std::unique_ptr<QMimeData> copied(ui::sheet_document::mimeData(equalHoles()));
        const std::pair<const char*, QByteArray> files[] = {
            {"sheet.pdf", ui::sheet_document::pdf(equalHoles(), "Tovrel 1.0.0")},
            {"sheet.html", copied->html().toUtf8()},
            {"sheet.txt", copied->text().toUtf8()}};
        for (const auto& [name, contents] : files) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("printed.pdf");
        printer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(ui::sheet_document::paintPage(printer, equalHoles()));
    }

    // Hole 2's relieved pin is turned with its flats along the line of centres: between them and
    // the hole the gap is wide, between the lands across the line narrow. Each dimension's value
    // is drawn, where it belongs: what changes without it lies in its region.
    void drawing() {
        using Figure = design::LayoutFigure;
        const Figure figure = equalHoles().figure;
        const QRectF area(0, 0, 1080, 400);
        const QImage image = drawn(figure, area);
        const auto [c1, c2, r1, r2, unit] = ui::placeLayout(area, figure);
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
