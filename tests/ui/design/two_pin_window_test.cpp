// The two-pin design window as the user fills it in, by keys only.
#include "tests/support/qt/qt_modal_watch.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/design/two_pin_window.h"
#include "ui/shell/window_system.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <tuple>

namespace {

// Two φ12H7 holes 80 ± 0.05 apart, δLd left to its default, g6 and IT6; this and the other
// examples are worked by hand in tests/design/two_pin_design_test.cpp.
const QStringList equalHoles{"12", "+0.018", "0", "12", "+0.018", "0", "80", "0.05", "", "", ""};
const QString twoRoundPins = "a ≤ 0：圆柱销的间隙已能补偿中心距误差，可用两个圆柱销";
const char* const fields[] = {"hole1Diameter",  "hole1UpperDeviation",     "hole1LowerDeviation",
                              "hole2Diameter",  "hole2UpperDeviation",     "hole2LowerDeviation",
                              "centreDistance", "centreDistanceTolerance", "pinDistanceTolerance"};

} // namespace

class TwoPinWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Typed field by field with Tab, the zone and the grade picked by their first letters, Enter
    // in the grade box; then Alt+P copies every result shown, one per line: how many lines, and
    // the last.
    void computesAndCopies() {
        const std::tuple<QStringList, QStringList, int, QString> examples[] = {
            {equalHoles,
             {"centreDistanceResult=80 ± 0.016", "relievedPinResult=φ12 -0.042/-0.053",
              "angularErrorResult=±0°02′16.7″"},
             16,
             "总转角误差 2Δα：0°04′33.3″"},
            {{"20", "0.021", "0", "10", "0.015", "0", "100", "0.06", "0.02", "f", "IT7"},
             {"roundPinResult=φ20 -0.020/-0.041", "relievedPinResult=φ10 -0.056/-0.071"},
             16,
             "总转角误差 2Δα：0°05′05.3″"},
            {{"12", "+0.018", "0", "12", "+0.018", "0", "80", "0.005", "", "f", ""},
             {"compensationResult=-0.002", "x2MinHandbookResult=", "twoRoundPins=" + twoRoundPins},
             8,
             twoRoundPins},
        };
        for (const auto& [typed, shown, lines, last] : examples) {
            openAndType(typed);
            for (const QString& expected : shown) {
                const QString name = expected.section('=', 0, 0);
                QCOMPARE(name + '=' +
                             window_->findChild<QWidget*>(name)->property("text").toString(),
                         expected);
            }
            QApplication::clipboard()->clear();
            QTest::keyClick(focused(), Qt::Key_P, Qt::AltModifier); // an animated click
            QTRY_VERIFY(!QApplication::clipboard()->text().isEmpty());
            const QStringList copied = QApplication::clipboard()->text().split('\n');
            QCOMPARE(copied.size(), lines + 1); // each line ends in a line break
            QCOMPARE(copied.at(lines - 1), last);
        }
    }

    // Each row spoils one field of the computed first example, then Enter in the grade box: the
    // box names the field, which takes the focus with its text selected; the others stay.
    void rejectionFocusesTheFieldAndKeepsTheOthers() {
        const std::tuple<int, QString, QString> rows[] = {
            {0, "1 2", "您输入的孔1直径不是数值型，请核对后重新输入！"},
            {1, "18", "您输入的孔1上偏差超出范围，偏差请以mm为单位输入！"},
            {5, "0.02", "您输入的孔2下偏差大于上偏差，请核对后重新输入！"},
            {6, "12", "您输入的两孔中心距太小，两孔重叠，请核对后重新输入！"},
            {8, "0.06", "您输入的销距公差大于孔距公差，请核对后重新输入！"},
        };
        for (const auto& [field, bad, message] : rows) {
            openAndType(equalHoles);
            auto* x1Max = window_->findChild<QLineEdit*>("x1MaxResult");
            QCOMPARE(x1Max->text(), "0.035");
            QStringList typed = equalHoles.first(9);
            typed[field] = bad;
            box(field)->setText(bad);
            const ModalWatch watch;
            QTest::keyClick(focused(), Qt::Key_Return);
            QCOMPARE(watch.description(),
                     (QStringList{"QMessageBox", "Tovrel", "Critical", "Ok", message}));
            QTRY_COMPARE(window_->focusWidget(), box(field));
            QCOMPARE(box(field)->selectedText(), bad);
            for (int i = 0; i < typed.size(); ++i) {
                QCOMPARE(box(i)->text(), typed[i]);
            }
            QCOMPARE(x1Max->text(), QString()); // not left beside input it does not belong to
        }
    }

private:
    static QWidget* focused() { return QApplication::focusWidget(); }
    QLineEdit* box(int field) { return window_->findChild<QLineEdit*>(fields[field]); }

    void openAndType(const QStringList& texts) {
        window_ = std::make_unique<ui::TwoPinWindow>();
        ui::shell::showStartupWindow(*window_);
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTRY_COMPARE(focused(), box(0));
        for (const QString& text : texts) {
            QTest::keyClicks(focused(), text);
            QTest::keyClick(focused(), &text == &texts.back() ? Qt::Key_Return : Qt::Key_Tab);
        }
    }

    std::unique_ptr<ui::TwoPinWindow> window_;
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<TwoPinWindowTest>();
}

#include "two_pin_window_test.moc"
