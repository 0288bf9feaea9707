// The About dialog as a user meets it: one dialog opened again and again, over an owner that has
// moved each time, and the keys pressed in it.
#include "tests/support/qt/qt_modal_watch.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/about/pin_about.h"
#include "ui/shell/window_system.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

class PinAboutTest : public QObject {
    Q_OBJECT

    QLineEdit owner_; // stands in for the main window
    int started_ = 0; // starts of the System Information viewer
    ui::PinAbout about_{&owner_, [this] { ++started_; }};

private slots:
    void initTestCase() {
        owner_.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner_));
    }

    // No keys: the title bar's close button. Keys that leave the dialog open are followed by Esc.
    void opensWithItsTextsAndCloses_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("starts");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("Enter") << "Return" << 0 << false;
        QTest::newRow("Esc") << "Esc" << 0 << false;
        QTest::newRow("close button") << "" << 0 << false;
        QTest::newRow("Alt+S") << "Alt+S" << 1 << true;
        QTest::newRow("Enter on System Info") << "Tab, Return" << 1 << true;
        QTest::newRow("keypad Enter on System Info") << "Tab, Num+Enter" << 1 << true;
    }

    void opensWithItsTextsAndCloses() {
        QFETCH(QString, keys);
        QFETCH(int, starts);
        QFETCH(bool, stillOpen);
        owner_.move(owner_.pos() + QPoint(37, 23));
        started_ = 0;
        QStringList texts;
        const ModalWatch watch([&](QWidget& dialog) {
            for (const char* name : {"lblTitle", "lblVersion", "lblDescription"}) {
                texts << dialog.findChild<QLabel*>(name)->text().section(u'。', 0, 0);
            }
            texts << QApplication::focusWidget()->objectName();
            const QPoint offCentre =
                dialog.frameGeometry().center() - owner_.frameGeometry().center();
            QVERIFY(dialog.size() == QSize(479, 300) && offCentre.manhattanLength() <= 1);
            QTest::keyClick(owner_.windowHandle(), '6'); // must not reach the owner
            keys.isEmpty() ? void(dialog.windowHandle()->close()) : pressKeys(keys);
            QTRY_COMPARE(started_, starts); // an access key presses its button a moment later
            QCOMPARE(dialog.isVisible(), stillOpen);
        });
        ui::shell::showModal(about_, owner_);
        QCOMPARE(watch.description(), (QStringList{"ui::PinAbout", "关于Tovrel "}));
        QCOMPARE(texts,
                 (QStringList{"Tovrel 2005", "版本 1.0.0",
                              "    本软件用于机床夹具设计中，定位削边销尺寸的参考计算", "cmdOK"}));
        QTest::keyClick(owner_.windowHandle(), '7'); // the owner takes input again
        QCOMPARE(owner_.text(), QStringLiteral("7"));
        owner_.clear();
    }
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<PinAboutTest>();
}

#include "pin_about_test.moc"
