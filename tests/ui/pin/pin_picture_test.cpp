#include "pin_test_support.h"
#include "ui/pin/pin_picture.h"

#include <QImage>

namespace {

struct Ink {
    qsizetype dark = 0;
    qsizetype light = 0;
};

Ink inkIn(const QImage& image, const QRect& area) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            if (grey < 96) {
                ++ink.dark;
            } else if (grey > 224) {
                ++ink.light;
            }
        }
    }
    return ink;
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

    void drawingSitsAtNaturalSizeInsideASunkenBorder() {
        auto* picture = pin_->control<ui::PinPicture>(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QCOMPARE(picture->drawingSize(), QSize(307, 358));
        QCOMPARE(picture->frameWidth(), 2);
        QCOMPARE(picture->frameShadow(), QFrame::Sunken);
        QCOMPARE(picture->contentsRect(), QRect(QPoint(2, 2), picture->drawingSize()));
        QVERIFY(picture->focusPolicy() & Qt::TabFocus);
    }

    void drawingIsALineDrawingOnWhite_data() {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
    }

    void drawingIsALineDrawingOnWhite() {
        QFETCH(qreal, scale);
        auto* picture = pin_->control<ui::PinPicture>(QStringLiteral("Picture1"));
        QVERIFY(picture);
        QImage image(picture->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::magenta);
        picture->render(&image);

        const QRect drawing(QPoint(2, 2) * scale, picture->drawingSize() * scale);
        const Ink ink = inkIn(image, drawing);
        const qsizetype area = qsizetype(drawing.width()) * drawing.height();
        // Black lines on white paper, mostly paper, and nothing of the box left unpainted.
        QVERIFY2(ink.light > area / 2, qPrintable(QString::number(ink.light)));
        QVERIFY2(ink.dark > area / 50 && ink.dark < area / 4,
                 qPrintable(QString::number(ink.dark)));
        const QImage drawn = image.copy(drawing);
        QVERIFY(drawn.allGray());
        qsizetype unpainted = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                unpainted += drawn.pixel(x, y) == QColor(Qt::magenta).rgb() ? 1 : 0;
            }
        }
        QCOMPARE(unpainted, 0);
    }

private:
    std::unique_ptr<pin_test::ShownPin> pin_;
};

QUARNEST_PIN_TEST_MAIN(PinPictureTest)
#include "pin_picture_test.moc"
