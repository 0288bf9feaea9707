#include "pin_test_support.h"
#include "ui/pin/pin_picture.h"

#include <QImage>

namespace {

constexpr QSize naturalSize(307, 358);

struct Ink {
    qsizetype dark = 0;
    qsizetype light = 0;
    qsizetype unpainted = 0;
};

const QRgb unpaintedColour = qRgb(255, 0, 255);

Ink inkIn(const QImage& image, const QRect& area) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == unpaintedColour) {
                ++ink.unpainted;
            } else if (qGray(pixel) < 96) {
                ++ink.dark;
            } else if (qGray(pixel) > 224) {
                ++ink.light;
            }
        }
    }
    return ink;
}

// Black lines on white paper: mostly paper, a fair amount of line work.
bool looksLikeALineDrawing(const Ink& ink, qsizetype area) {
    return ink.light > area / 2 && ink.dark > area / 50 && ink.dark < area / 4;
}

} // namespace

class PinPictureTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        pin_ = std::make_unique<pin_test::ShownPin>();
        QVERIFY(QTest::qWaitForWindowExposed(&pin_->window()));
    }

    void cleanup() { pin_.reset(); }

    void drawingComesAt100And200Percent_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("scale");
        QTest::newRow("100 %") << QStringLiteral(":/pin/pin.png") << 1;
        QTest::newRow("200 %") << QStringLiteral(":/pin/pin@2x.png") << 2;
    }

    void drawingComesAt100And200Percent() {
        QFETCH(QString, file);
        QFETCH(int, scale);
        const QImage drawing(file);
        QCOMPARE(drawing.size(), naturalSize * scale);
        QVERIFY(drawing.allGray());
        const Ink ink = inkIn(drawing, drawing.rect());
        QVERIFY2(looksLikeALineDrawing(ink, qsizetype(drawing.width()) * drawing.height()),
                 qPrintable(QStringLiteral("dark %1, light %2").arg(ink.dark).arg(ink.light)));
    }

    void boxHasASunkenBorderAroundTheDrawing() {
        auto* picture = pin_->control<ui::PinPicture>(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QCOMPARE(picture->frameWidth(), 2);
        QCOMPARE(picture->frameShadow(), QFrame::Sunken);
        QCOMPARE(picture->contentsRect(), QRect(QPoint(2, 2), naturalSize));
        QVERIFY(picture->focusPolicy() & Qt::TabFocus);
    }

    void boxShowsTheWholeDrawing_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("100 %") << 1;
        QTest::newRow("200 %") << 2;
    }

    void boxShowsTheWholeDrawing() {
        QFETCH(int, scale);
        auto* picture = pin_->control<ui::PinPicture>(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QImage image(picture->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(unpaintedColour);
        picture->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

        const QRect drawing(QPoint(2, 2) * scale, naturalSize * scale);
        const Ink ink = inkIn(image, drawing);
        QCOMPARE(ink.unpainted, 0);
        QVERIFY(image.copy(drawing).allGray());
        QVERIFY(looksLikeALineDrawing(ink, qsizetype(drawing.width()) * drawing.height()));
    }

private:
    std::unique_ptr<pin_test::ShownPin> pin_;
};

QUARNEST_PIN_TEST_MAIN(PinPictureTest)
#include "pin_picture_test.moc"
