// The two-pin design window as the user fills it in, by keys only.
#include "calc/pin_dimensions.h"
#include "design/design_outcome.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/design/two_pin_window.h"
#include "ui/shell/window_system.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <tuple>
#include <utility>
#include <vector>

// Two φ12H7 holes 80 ± 0.05 apart, δLd left to its default, field by field ('|' for Tab) up to
// the zone box. The results of this and the other examples are worked by hand in
// tests/design/design_test.cpp.
const QString equalHoles = "12|+0.018|0|12|+0.018|0|80|0.05||";
const char* const fields[] = {"hole1Diameter",  "hole1UpperDeviation",     "hole1LowerDeviation",
                              "hole2Diameter",  "hole2UpperDeviation",     "hole2LowerDeviation",
                              "centreDistance", "centreDistanceTolerance", "pinDistanceTolerance"};

class TwoPinWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The red note's ranges are the rule's: D1 and D2 as the main window takes D2, and δLD.
    void noteStatesTheRangesOfTheRule() {
        open();
        const QString note = window_->findChild<QLabel*>("note")->text().remove('\n');
        QVERIFY2(note.contains(QString("%1≤D1、D2≤%2，0＜δLD≤%3，")
                                   .arg(calc::kSmallestDiameter)
                                   .arg(calc::kPinDimensionTable.back().upperBound)
                                   .arg(design::kLargestCentreDistanceTolerance)),
                 qPrintable(note));
    }

    // Typed field by field with Tab, the zone and the grade picked by their first letters, Enter
    // in the zone box or the grade box: the second pin on screen. Then Alt+P copies the inputs and
    // the choices, a blank line and every result shown, each on a line of its own.
    void computesAndCopies() {
        const QString shared = "销距公差 ±δLd (mm)：（空白，取默认值）\n圆柱销公差带：";
        const std::tuple<QString, QString, QString, QString> examples[] = {
            {equalHoles.left(equalHoles.indexOf("|+0.018|0|80")) + "|+0.077|+0.050|80|0.05||\r",
             "菱形销直径 d2 (mm)：φ12 +0.007/-0.004",
             "孔2上偏差 ES2 (mm)：+0.077\n孔2下偏差 EI2 (mm)：+0.050\n", "g6\n菱形销公差等级：IT6"},
            {"12|+0.018|0|12|+0.018|0|80|0.004||f|\r", "圆柱销2直径 d2 (mm)：φ12 -0.016/-0.034",
             "孔2上偏差 ES2 (mm)：+0.018\n孔2下偏差 EI2 (mm)：0\n", "f7\n菱形销公差等级：IT6"},
        };
        for (const auto& [typed, pin2, hole2, choices] : examples) {
            open();
            type(typed);
            QCOMPARE(resultLine("pin2Result"), pin2);
            QTest::keyClick(focused(), Qt::Key_P, Qt::AltModifier);
            QTRY_VERIFY(QApplication::clipboard()->text().contains(pin2 + '\n'));
            const QString copied = QApplication::clipboard()->text();
            QVERIFY2(copied.startsWith("孔1直径 D1 (mm)：12\n") && copied.contains(hole2) &&
                         copied.contains(shared + choices + "\n\n销中心距 L±δLd (mm)：80 ± 0.0") &&
                         copied.endsWith(resultLine("totalAngularErrorResult") + '\n'),
                     qPrintable(copied));
            QVERIFY(copied.contains(window_->findChild<QLabel*>("conclusion")->text() + '\n'));
        }
    }

    // Any change of an input or a choice after a calculation takes the results away: each field
    // reached by its access key, a key that changes it, then the key that undoes the change.
    void resultsGoWithTheirInput() {
        open();
        type(equalHoles + '\r');
        for (const char key : QByteArray("1EI2UWLDNZG")) {
            QTest::keyClick(focused(), Qt::Key_C, Qt::AltModifier);
            QTRY_COMPARE(resultLine("x1MaxResult"), "孔1最大间隙 X1max (mm)：0.035");
            QTest::keyClick(focused(), key, Qt::AltModifier);
            const bool choice = key == 'Z' || key == 'G';
            pressKeys(choice ? "Down" : "End, 5");
            QCOMPARE(resultLine("x1MaxResult"), "孔1最大间隙 X1max (mm)：");
            QCOMPARE(window_->findChild<QLabel*>("conclusion")->text(), QString());
            QVERIFY(!window_->findChild<QPushButton*>("copyResults")->isEnabled());
            pressKeys(choice ? "Up" : "Backspace");
        }
    }

    // Each row types a whole input that the design refuses, then Enter in the zone box: a
    // critical box names the field and what is allowed; the field takes the focus with its text
    // selected; every typed field stays; no result is left on screen and 复制结果 is off.
    void rejectionFocusesTheFieldAndKeepsTheOthers() {
        const std::tuple<QString, int, QString> rows[] = {
            {"1 2|+0.018|0|12|+0.018|0|80|0.05||", 0,
             "您输入的孔1直径不是数值型，请核对后重新输入！"},
            {"50|+0.018|+0.001|12|+0.018|0|80|0.05||", 2,
             "您输入的孔1下偏差使孔1最小直径大于50 mm，公差表只到50 mm，请核对后重新输入！"},
            {"12|+0.018|0|12|+0.018|0.019|80|0.05||", 5,
             "您输入的孔2下偏差大于上偏差，请核对后重新输入！"},
            {"12|+0.018|0|12|+0.018|0|80|0,05||", 7,
             "您输入的孔距公差不是数值型，小数请用小数点“.”输入，逗号只用作千位分隔（如1,200）！"},
            {"12|+0.018|0|12|+0.018|0|80|1e306||", 7,
             "您输入的孔距公差超出范围，δLD 应大于0且不大于0.5 mm！"},
            {"12|+0.018|0|3|+0.010|0|50|0.5||", 7,
             "您输入的孔距公差太大，菱形销最小直径不大于其圆柱部分宽度 "
             "b，无法制造，请核对后重新输入！"},
            {"12|+0.018|0|12|+0.018|0|80|0.05|0.06|", 8,
             "您输入的销距公差大于孔距公差，δLd 一般取 δLD 的1/3～1/5，请核对后重新输入！"},
        };
        for (const auto& [typed, field, message] : rows) {
            open();
            type(typed);
            const ModalWatch watch;
            QTest::keyClick(focused(), Qt::Key_Return);
            QCOMPARE(watch.description.join(' '), "QMessageBox Tovrel Critical Ok " + message);
            QTRY_COMPARE(window_->focusWidget(), box(field));
            QCOMPARE(box(field)->selectedText(), typed.section(u'|', field, field));
            for (int i = 0; i < std::ssize(fields); ++i) {
                QCOMPARE(box(i)->text(), typed.section(u'|', i, i));
            }
            QCOMPARE(resultLine("roundPinResult"), "圆柱销直径 d1 (mm)：");
            QVERIFY(!window_->findChild<QPushButton*>("copyResults")->isEnabled());
        }
    }

private:
    static QWidget* focused() { return QApplication::focusWidget(); }
    QLineEdit* box(int field) { return window_->findChild<QLineEdit*>(fields[field]); }

    // A result's label and value as the user reads them.
    QString resultLine(const QString& result) {
        return window_->findChild<QLabel*>(result + "Label")->text() +
               window_->findChild<QLineEdit*>(result)->text();
    }

    // The window opens with the focus in the first field.
    void open() {
        window_ = std::make_unique<ui::TwoPinWindow>();
        ui::shell::showStartupWindow(*window_);
        window_->activateWindow(); // as a click would, where a window manager holds the focus back
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTRY_COMPARE(focused(), box(0));
    }

    // Each character where the focus is, '|' for Tab and '\r' for Enter.
    static void type(const QString& typed) {
        for (const QChar c : typed) {
            QTest::keyClick(focused(), c == u'|' ? '\t' : c.toLatin1());
        }
    }

    std::unique_ptr<ui::TwoPinWindow> window_;
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<TwoPinWindowTest>();
}

#include "two_pin_window_test.moc"
