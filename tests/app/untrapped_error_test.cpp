#include "app/application.h"

#include <QMessageBox>
#include <QMetaEnum>
#include <QTest>
#include <QTimer>
#include <stdexcept>

// An exception that escapes a handler is reported in a critical box and ends the program.
class UntrappedErrorTest : public QObject {
    Q_OBJECT

private slots:
    void exceptionFromAHandlerIsReportedAndEndsTheProgram() {
        QStringList seen;
        QTimer poll;
        poll.callOnTimeout([&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle()
                     << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon())
                     << QString::number(box->buttons().size()) << box->text();
                box->accept();
            }
        });
        poll.start(10);
        QTimer::singleShot(0, this, [] { throw std::runtime_error("disk full"); });
        static_assert(app::Application::untrappedErrorExitStatus != 0);
        QCOMPARE(QApplication::exec(), app::Application::untrappedErrorExitStatus);
        QCOMPARE(seen.mid(0, 3), (QStringList{"Tovrel", "Critical", "1"}));
        QVERIFY2(seen.value(3).contains(QStringLiteral("disk full")), qPrintable(seen.join('|')));
    }
};

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    UntrappedErrorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "untrapped_error_test.moc"
