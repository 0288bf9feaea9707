// The two-pin design window as the user fills it in, by keys only.
#include "tests/support/qt/qt_window_test.h"
#include "ui/design/two_pin_window.h"
#include "ui/shell/window_system.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTextBrowser>
#include <tuple>

// Two φ12H7 holes 80 ± 0.05 apart, δLd left to its default, g6 and IT6, field by field ('|'
// for Tab). The results of this and the other examples are worked by hand in
// tests/design/design_test.cpp.
const QString equalHoles = "12|+0.018|0|12|+0.018|0|80|0.05|||";
const char* const fields[] = {"hole1Diameter",  "hole1UpperDeviation",     "hole1LowerDeviation",
                              "hole2Diameter",  "hole2UpperDeviation",     "hole2LowerDeviation",
                              "centreDistance", "centreDistanceTolerance", "pinDistanceTolerance"};

class TwoPinWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Typed field by field with Tab, the zone and the grade picked by their first letters, Enter
    // in the grade box: a result in its box and the sheet with its conclusion beside it. Then
    // Alt+P copies the sheet, as HTML and as plain text.
    void computesAndCopies() {
        const std::tuple<QString, const char*, QString, QString> examples[] = {
            {"20|0.021|0|10|0.015|0|100|0.06|0.02|f|IT7", "relievedPinResult", "φ10 -0.056/-0.071",
             "孔2装菱形销 φ10 -0.056/-0.071（IT7）"},
            {"12|+0.018|0|12|+0.018|0|80|0.005||f|", "twoRoundPins",
             "a ≤ 0：圆柱销的间隙已能补偿中心距误差，可用两个圆柱销", "可用两个圆柱销。"},
        };
        for (const auto& [typed, result, value, conclusion] : examples) {
            openAndType(typed);
            QCOMPARE(window_->findChild<QWidget*>(result)->property("text").toString(), value);
            QVERIFY(sheetText().contains(conclusion));
            QTest::keyClick(focused(), Qt::Key_P, Qt::AltModifier);
            QTRY_VERIFY(QApplication::clipboard()->mimeData()->html().contains(conclusion));
            QVERIFY(QApplication::clipboard()->text().contains(conclusion));
        }
    }

    // Alt+S offers the sheet's own file name; saved where nothing can be written, it gets a box
    // naming the file, and the results and the sheet stay.
    void savingWhereNothingCanBeWritten() {
#ifdef Q_OS_WIN
        QSKIP("Windows' own file dialog takes no keys from Qt Test");
#endif
        openAndType(equalHoles);
        QString offered;
        std::unique_ptr<ModalWatch> box;
        const ModalWatch dialog([&](QWidget& fileDialog) {
            auto* name = fileDialog.findChild<QLineEdit*>("fileNameEdit");
            offered = name->text();
            name->setText("/proc/sheet.pdf");
            box = std::make_unique<ModalWatch>();
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::keyClick(focused(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(box && !box->description.isEmpty());
        QCOMPARE(offered, "两销定位_D12_D12_L80.pdf");
        QCOMPARE(box->description.mid(0, 4).join(' '), "QMessageBox Tovrel Critical Ok");
        QVERIFY2(box->description[4].startsWith("无法保存文件“/proc/sheet.pdf”"),
                 qPrintable(box->description[4]));
        QCOMPARE(window_->findChild<QLineEdit*>("x1MaxResult")->text(), "0.035");
        QVERIFY(sheetText().contains("0.063 mm"));
    }

    // Each row spoils one field of the computed equal holes, then Enter in the grade box: the
    // box names the field, which takes the focus with its text selected; the other fields stay,
    // the results go, as they would belong to no input shown.
    void rejectionFocusesTheFieldAndKeepsTheOthers() {
        const std::tuple<int, QString, QString> rows[] = {
            {0, "1 2", "您输入的孔1直径不是数值型，请核对后重新输入！"},
            {8, "0.06", "您输入的销距公差大于孔距公差，请核对后重新输入！"},
        };
        for (const auto& [field, bad, message] : rows) {
            openAndType(equalHoles);
            QCOMPARE(window_->findChild<QLineEdit*>("x1MaxResult")->text(), "0.035");
            box(field)->setText(bad);
            const ModalWatch watch;
            QTest::keyClick(focused(), Qt::Key_Return);
            QCOMPARE(watch.description.join(' '), "QMessageBox Tovrel Critical Ok " + message);
            QTRY_COMPARE(window_->focusWidget(), box(field));
            QCOMPARE(box(field)->selectedText(), bad);
            for (int i = 0; i < std::ssize(fields); ++i) {
                QCOMPARE(box(i)->text(), i == field ? bad : equalHoles.section(u'|', i, i));
            }
            QCOMPARE(window_->findChild<QLineEdit*>("x1MaxResult")->text(), QString());
            QCOMPARE(sheetText(), QString());
        }
    }

private:
    static QWidget* focused() {
        return QApplication::focusWidget();
    }
    QLineEdit* box(int field) {
        return window_->findChild<QLineEdit*>(fields[field]);
    }
    QString sheetText() {
        return window_->findChild<QTextBrowser*>("sheetView")->toPlainText();
    }

    // The window opens with the focus in the first field.
    void openAndType(const QString& typed) {
        window_ = std::make_unique<ui::TwoPinWindow>();
        ui::shell::showStartupWindow(*window_);
        window_->activateWindow(); // as a click would, where a window manager holds the focus back
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTRY_COMPARE(focused(), box(0));
        for (const QChar c : typed + u'\r') { // '|' for Tab, and Enter in the last field
            QTest::keyClick(focused(), c == u'|' ? '\t' : c.toLatin1());
        }
    }

    std::unique_ptr<ui::TwoPinWindow> window_;
};

std::unique_ptr<QObject> makeWindowTest() {
    return std::make_unique<TwoPinWindowTest>();
}

#include "two_pin_window_test.moc"
