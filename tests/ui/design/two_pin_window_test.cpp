// The two-pin design window as the user fills it in, by keys only.
#include "calc/pin_dimensions.h"
#include "design/design_outcome.h"
#include "tests/support/qt/qt_window_test.h"
#include "ui/design/two_pin_window.h"
#include "ui/shell/window_system.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <tuple>
#include <utility>

// The results of the examples are worked by hand in tests/design/design_test.cpp.
const char* const fields[] = {"hole1Diameter",  "hole1UpperDeviation",     "hole1LowerDeviation",
                              "hole2Diameter",  "hole2UpperDeviation",     "hole2LowerDeviation",
                              "centreDistance", "centreDistanceTolerance", "pinDistanceTolerance"};

class TwoPinWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Typed field by field with Tab, the zone picked by its first letter, Enter in the zone box or
    // the grade box: the second pin on screen, its deviation signed, and in the sheet beside it.
    // Alt+P copies the sheet, as HTML and as plain text, with the inputs and choices on top.
    // Then any change of an input or a choice takes the results away: each field reached by its
    // access key, a key that changes it, then the key that undoes the change.
    void computesCopiesAndForgetsOnChange() {
        const std::pair<QString, QString> examples[] = {
            {"12|+0.018|0|12|+0.018|0|80|0.004||f|\r", "φ12 -0.016/-0.034"},
            {"12|+0.018|0|12|+0.077|+0.050|80|0.05||\r", "φ12 +0.007/-0.004"},
        };
        for (const auto& [typed, pin2] : examples) {
            open();
            typeKeys(typed);
            QCOMPARE(window_->findChild<QLineEdit*>("pin2Result")->text(), pin2);
            QVERIFY(sheetText().contains(pin2));
        }
        QTest::keyClick(qApp->focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(QApplication::clipboard()->mimeData()->html().contains("<table"));
        const QString copied = QApplication::clipboard()->text();
        QVERIFY(copied.contains(QRegularExpression("孔2直径 D2 +φ12 \\+0.077/\\+0.050")));
        for (const char key : QByteArray("1EI2UWLDNZG")) {
            QTest::keyClick(qApp->focusWidget(), Qt::Key_C, Qt::AltModifier);
            QTRY_COMPARE(resultLine("x1MaxResult"), "孔1最大间隙 X1max (mm)：0.035");
            QTest::keyClick(qApp->focusWidget(), key, Qt::AltModifier);
            const bool choice = key == 'Z' || key == 'G';
            pressKeys(choice ? "Down" : "End, 5");
            QCOMPARE(resultLine("x1MaxResult"), "孔1最大间隙 X1max (mm)：");
            QCOMPARE(window_->findChild<QLabel*>("conclusion")->text(), QString());
            QCOMPARE(sheetText(), QString());
            QVERIFY(!window_->findChild<QPushButton*>("copyResults")->isEnabled());
            pressKeys(choice ? "Up" : "Backspace");
        }
    }

    // Alt+R opens the system's print dialog, or where Windows' own has no printer to offer (under
    // Wine) a box says so. Alt+S offers the sheet's own file name; saved where nothing can be
    // written, it gets a box naming the file. The results and the sheet stay.
    void printingAndSavingWhereNothingCanBeWritten() {
        open();
        typeKeys("12|+0.018|0|12|+0.018|0|80|0.05||\r");
        if (QGuiApplication::platformName() == "windows" &&
            QPrinter().outputFormat() == QPrinter::NativeFormat) {
            QSKIP("Windows' own print dialog takes no keys from Qt Test");
        }
        const ModalWatch printing;
        QTest::keyClick(qApp->focusWidget(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(!printing.description.isEmpty());
#ifdef Q_OS_WIN
        QCOMPARE(printing.description.join(' '),
                 "QMessageBox " + applicationTitle() +
                     " Critical 确定 系统中没有安装打印机，无法打印"
                     "计算书。请先安装打印机，或用“保存PDF”保存后再打印！");
        QSKIP("Windows' own file dialog takes no keys from Qt Test");
#endif
        QCOMPARE(printing.description.join(' '), "QPrintDialog 打印");
        window_->activateWindow(); // as a click would, where a window manager holds it back
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QString offered;
        std::unique_ptr<ModalWatch> box;
        const ModalWatch dialog([&](QWidget& fileDialog) {
            auto* name = fileDialog.findChild<QLineEdit*>("fileNameEdit");
            offered = name->text();
            name->setText("/proc/sheet.pdf");
            box = std::make_unique<ModalWatch>();
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::keyClick(qApp->focusWidget(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(box && !box->description.isEmpty());
        QCOMPARE(offered, "两销定位_D12_D12_L80.pdf");
        QCOMPARE(box->description.mid(0, 4).join(u' '),
                 "QMessageBox " + applicationTitle() + " Critical 确定");
        QVERIFY2(box->description[4].startsWith("无法保存文件“/proc/sheet.pdf”"),
                 qPrintable(box->description[4]));
        QCOMPARE(resultLine("x1MaxResult"), "孔1最大间隙 X1max (mm)：0.035");
        QVERIFY(sheetText().contains("0.063 mm"));
    }

    // Each row types a whole input that the design refuses, then Enter in the zone box: a
    // critical box names the field and what is allowed; the field takes the focus with its text
    // selected; every typed field stays; 复制结果 is off.
    void rejectionFocusesTheFieldAndKeepsTheOthers() {
        const std::tuple<QString, int, QString> rows[] = {
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
        };
        for (const auto& [typed, field, message] : rows) {
            open();
            typeKeys(typed);
            const ModalWatch watch;
            QTest::keyClick(qApp->focusWidget(), Qt::Key_Return);
            QCOMPARE(watch.description.join(' '),
                     "QMessageBox " + applicationTitle() + " Critical 确定 " + message);
            QTRY_COMPARE(window_->focusWidget(), box(field));
            QCOMPARE(box(field)->selectedText(), typed.section(u'|', field, field));
            for (int i = 0; i < std::ssize(fields); ++i) {
                QCOMPARE(box(i)->text(), typed.section(u'|', i, i));
            }
            QVERIFY(!window_->findChild<QPushButton*>("copyResults")->isEnabled());
            QVERIFY(!window_->findChild<QPushButton*>("savePdf")->isEnabled());
        }
    }

    // The red note's ranges are the rule's: D1 and D2 as the main window takes D2, and δLD. A
    // screen reader hears each box by its caption's words without access key, colon or unit, the
    // unit and the window's hints in the description.
    void theNoteAndWhatAScreenReaderHears() {
        window_ = std::make_unique<ui::TwoPinWindow>();
        QVERIFY(window_->findChild<QLabel*>("note")->text().remove('\n').contains(
            QString("%1≤D1、D2≤%2，0＜δLD≤%3，")
                .arg(calc::kSmallestDiameter)
                .arg(calc::kPinDimensionTable.back().upperBound)
                .arg(design::kLargestCentreDistanceTolerance)));
        QCOMPARE(accessibleSummary(*window_, "pinDistanceTolerance"),
                 "EditableText 销距公差 ±δLd 单位：毫米；空白时取 δLD/3 | 销距公差 ±δLd");
    }

private:
    QLineEdit* box(int field) {
        return window_->findChild<QLineEdit*>(fields[field]);
    }
    QString sheetText() {
        return window_->findChild<QTextBrowser*>("sheetView")->toPlainText();
    }

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
        QTRY_COMPARE(qApp->focusWidget(), box(0));
    }

    std::unique_ptr<ui::TwoPinWindow> window_;
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<TwoPinWindowTest>();
}

#include "two_pin_window_test.moc"
