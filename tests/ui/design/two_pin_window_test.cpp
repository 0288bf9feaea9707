// The two-pin design window as the user fills it in, by keys only.
#include "tests/support/qt/qt_modal_watch.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/design/two_pin_window.h"
#include "ui/shell/window_system.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// Two φ12H7 holes 80 ± 0.05 apart, δLd left to its default 0.016; the examples are worked by hand
// in tests/design/two_pin_design_test.cpp.
const QStringList equalHoles{"12", "+0.018", "0", "12", "+0.018", "0", "80", "0.05", ""};
const QString twoRoundPins = "a ≤ 0：圆柱销的间隙已能补偿中心距误差，可用两个圆柱销";
const char* const fields[] = {"hole1Diameter",  "hole1UpperDeviation",     "hole1LowerDeviation",
                              "hole2Diameter",  "hole2UpperDeviation",     "hole2LowerDeviation",
                              "centreDistance", "centreDistanceTolerance", "pinDistanceTolerance"};

QWidget* focused() {
    return QApplication::focusWidget();
}

} // namespace

class TwoPinWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = std::make_unique<ui::TwoPinWindow>();
        ui::shell::showStartupWindow(*window_);
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTRY_COMPARE(focused(), find<QLineEdit>("hole1Diameter"));
    }

    // Typed field by field with Tab, the zone and grade picked by their first letters, Enter in
    // the grade box; then Alt+P copies every result shown.
    void computesAndCopies_data() {
        QTest::addColumn<QStringList>("typed"); // the fields, the zone, the grade
        QTest::addColumn<QStringList>("shown"); // box=text
        QTest::addColumn<QString>("lastCopied");
        QTest::addColumn<int>("copiedLines");
        QTest::newRow("equal holes")
            << equalHoles + QStringList{"", ""}
            << QStringList{"centreDistanceResult=80 ± 0.016", "relievedPinResult=φ12 -0.042/-0.053",
                           "angularErrorResult=±0°02′16.7″"}
            << "总转角误差 2Δα：0°04′33.3″" << 16;
        QTest::newRow("unequal holes, f7, IT7")
            << QStringList{"20",  "0.021", "0",    "10", "0.015", "0",
                           "100", "0.06",  "0.02", "f",  "IT7"}
            << QStringList{"roundPinResult=φ20 -0.020/-0.041", "x2MinHandbookResult=0.056",
                           "relievedPinResult=φ10 -0.056/-0.071"}
            << "总转角误差 2Δα：0°05′05.3″" << 16;
        QStringList absorbed = equalHoles + QStringList{"f", ""};
        absorbed[7] = "0.005";
        QTest::newRow("a ≤ 0") << absorbed
                               << QStringList{"compensationResult=-0.002", "x2MinHandbookResult=",
                                              "twoRoundPins=" + twoRoundPins}
                               << twoRoundPins << 8;
    }

    void computesAndCopies() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, shown);
        QFETCH(QString, lastCopied);
        QFETCH(int, copiedLines);
        typeIn(typed);
        QTest::keyClick(focused(), Qt::Key_Return);
        for (const QString& box : shown) {
            const QString name = box.section('=', 0, 0);
            QCOMPARE(name + "=" + window_->findChild<QWidget*>(name)->property("text").toString(),
                     box);
        }
        QApplication::clipboard()->clear();
        QTest::keyClick(focused(), Qt::Key_P, Qt::AltModifier); // an animated click
        QTRY_VERIFY(!QApplication::clipboard()->text().isEmpty());
        const QStringList copied = QApplication::clipboard()->text().split('\n');
        QCOMPARE(copied.size(), copiedLines + 1); // each line ends in a line break
        QCOMPARE(copied.at(copiedLines - 1), lastCopied);
        QVERIFY(copied.at(1).startsWith("圆柱销直径 d1 (mm)：φ"));
    }

    // Each row spoils one field of a computed example and presses Enter in the grade box.
    void rejectionFocusesTheFieldAndKeepsTheOthers_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("message");
        QTest::newRow("text") << 0 << "1 2"
                              << "您输入的孔1直径不是数值型，请核对后重新输入！";
        QTest::newRow("µm") << 1 << "18"
                            << "您输入的孔1上偏差超出范围，偏差请以mm为单位输入！";
        QTest::newRow("EI > ES") << 5 << "0.02"
                                 << "您输入的孔2下偏差大于上偏差，请核对后重新输入！";
        QTest::newRow("overlap") << 6 << "12"
                                 << "您输入的两孔中心距太小，两孔重叠，请核对后重新输入！";
        QTest::newRow("δLd > δLD") << 8 << "0.06"
                                   << "您输入的销距公差大于孔距公差，请核对后重新输入！";
    }

    void rejectionFocusesTheFieldAndKeepsTheOthers() {
        QFETCH(int, field);
        QFETCH(QString, bad);
        QFETCH(QString, message);
        typeIn(equalHoles + QStringList{"", ""});
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(find<QLineEdit>("x1MaxResult")->text(), "0.035");
        QStringList typed = equalHoles;
        typed[field] = bad;
        find<QLineEdit>(fields[field])->setText(bad);
        const ModalWatch watch;
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(watch.description(),
                 (QStringList{"QMessageBox", "Tovrel", "Critical", "Ok", message}));
        QTRY_COMPARE(window_->focusWidget(), find<QLineEdit>(fields[field]));
        QCOMPARE(find<QLineEdit>(fields[field])->selectedText(), bad);
        for (int i = 0; i < typed.size(); ++i) {
            QCOMPARE(find<QLineEdit>(fields[i])->text(), typed[i]);
        }
        QCOMPARE(find<QLineEdit>("x1MaxResult")->text(), QString()); // cleared, not stale
    }

private:
    template <class Control = QWidget>
    Control* find(const char* name) {
        return window_->findChild<Control*>(QLatin1String(name));
    }

    void typeIn(const QStringList& texts) {
        for (const QString& text : texts) {
            QTest::keyClicks(focused(), text);
            if (&text != &texts.back()) {
                QTest::keyClick(focused(), Qt::Key_Tab);
            }
        }
    }

    std::unique_ptr<ui::TwoPinWindow> window_;
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<TwoPinWindowTest>();
}

#include "two_pin_window_test.moc"
