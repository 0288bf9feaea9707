// The About dialog as a user meets it: one dialog opened again and again, over an owner that has
// moved each time, and the keys pressed in it.
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
    // Starting System Info leaves the dialog open, for Esc.
    void opensWithItsTextsAndCloses_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("starts");
        QTest::newRow("Enter") << "Return" << 0;
        QTest::newRow("Esc") << "Esc" << 0;
        QTest::newRow("Alt+S") << "Alt+S" << 1;
        QTest::newRow("keypad Enter on System Info") << "Tab, Num+Enter" << 1;
    }

    void opensWithItsTextsAndCloses() {
        QFETCH(QString, keys);
        QFETCH(int, starts);
        owner_.move(owner_.pos() + QPoint(37, 23));
        owner_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner_));
        started_ = 0;
        QStringList texts;
        const ModalWatch watch([&](QWidget& dialog) {
            for (const char* name : {"lblTitle", "lblVersion", "lblDescription"}) {
                texts << dialog.findChild<QLabel*>(name)->text().section(u'。', 0, 0);
            }
            texts << QApplication::focusWidget()->objectName();
            const QPoint offset = dialog.frameGeometry().center() - owner_.frameGeometry().center();
            QVERIFY(dialog.size() == QSize(479, 300) && offset.manhattanLength() <= 1); // centred
            QTest::keyClick(owner_.windowHandle(), '6'); // must not reach the owner
            pressKeys(keys);
            QTRY_COMPARE(started_, starts); // an access key presses its button a moment later
            QCOMPARE(dialog.isVisible(), starts == 1);
        });
        ui::shell::showModal(about_, owner_);
        QCOMPARE(watch.description + texts,
                 (QStringList{"ui::PinAbout", "关于" + applicationTitle() + ' ',
                              applicationTitle() + " 2005", "版本 1.0.0",
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
