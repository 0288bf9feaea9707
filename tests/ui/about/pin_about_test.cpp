// The About dialog as a user meets it: its texts at each opening, how it closes, the owner it
// blocks and stands over, and System Info by its access key or by Enter.
#include "tests/support/qt/qt_modal_watch.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/about/pin_about.h"
#include "ui/shell/window_system.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

namespace {

enum class CloseBy { okClick, enter, esc, closeButton };

} // namespace

Q_DECLARE_METATYPE(CloseBy)

class PinAboutTest : public QObject {
    Q_OBJECT

    QLineEdit owner_; // stands in for the main window

private slots:
    void initTestCase() {
        owner_.show();
        QVERIFY(QTest::qWaitForWindowActive(&owner_));
    }

    void opensAndCloses_data() {
        QTest::addColumn<CloseBy>("closeBy");
        QTest::newRow("OK clicked") << CloseBy::okClick;
        QTest::newRow("Enter") << CloseBy::enter;
        QTest::newRow("Esc") << CloseBy::esc;
        QTest::newRow("close button") << CloseBy::closeButton;
    }

    // One dialog opened twice, the owner moved in between.
    void opensAndCloses() {
        QFETCH(CloseBy, closeBy);
        ui::PinAbout about(&owner_, [] {});
        for (const QPoint ownerAt : {QPoint(40, 40), QPoint(260, 170)}) {
            owner_.move(ownerAt);
            QStringList texts;
            const ModalWatch watch([&](QWidget& dialog) {
                for (const char* name : {"lblTitle", "lblVersion", "lblDescription"}) {
                    texts << dialog.findChild<QLabel*>(name)->text().section(u'。', 0, 0);
                }
                QCOMPARE(QApplication::focusWidget(), dialog.findChild<QWidget*>("cmdOK"));
                QCOMPARE(dialog.size(), QSize(479, 300));
                const QPoint offCentre =
                    dialog.frameGeometry().center() - owner_.frameGeometry().center();
                QVERIFY(offCentre.manhattanLength() <= 1);   // over the owner wherever it stands
                QTest::keyClick(owner_.windowHandle(), '6'); // must not reach the owner
                if (closeBy == CloseBy::okClick) {
                    QTest::mouseClick(dialog.findChild<QWidget*>("cmdOK"), Qt::LeftButton);
                } else if (closeBy == CloseBy::closeButton) {
                    dialog.windowHandle()->close(); // what the title bar's close button asks for
                } else {
                    QTest::keyClick(QApplication::focusWidget(),
                                    closeBy == CloseBy::enter ? Qt::Key_Return : Qt::Key_Escape);
                }
                QVERIFY(!dialog.isVisible());
            });
            ui::shell::showModal(about, owner_);
            QCOMPARE(watch.description(), (QStringList{"ui::PinAbout", "关于Tovrel "}));
            QCOMPARE(texts,
                     (QStringList{"Tovrel 2005", "版本 1.0.0",
                                  "    本软件用于机床夹具设计中，定位削边销尺寸的参考计算"}));
        }
        QTest::keyClick(owner_.windowHandle(), '7'); // the owner takes input again
        QCOMPARE(owner_.text(), QStringLiteral("7"));
        owner_.clear();
    }

    void systemInfoStartsTheViewerAndStaysOpen_data() {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("tabs"); // from OK, where the focus starts
        QTest::newRow("Alt+S") << (Qt::AltModifier | Qt::Key_S) << 0;
        QTest::newRow("Return on it") << QKeyCombination(Qt::Key_Return) << 1;
        QTest::newRow("keypad Enter on it") << (Qt::KeypadModifier | Qt::Key_Enter) << 1;
    }

    void systemInfoStartsTheViewerAndStaysOpen() {
        QFETCH(QKeyCombination, key);
        QFETCH(int, tabs);
        int started = 0;
        ui::PinAbout about(&owner_, [&started] { ++started; });
        const ModalWatch watch([&](QWidget& dialog) {
            for (int tab = 0; tab < tabs; ++tab) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            QTRY_COMPARE(started, 1);
            QCOMPARE(QApplication::activeModalWidget(), &dialog);
        });
        ui::shell::showModal(about, owner_);
        QCOMPARE(watch.description().value(0), QStringLiteral("ui::PinAbout"));
    }
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<PinAboutTest>();
}

#include "pin_about_test.moc"
