#include "app/application.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

// An exception that escapes a handler, in a program of its own: the report ends the program.
class UntrappedErrorTest : public QObject {
    Q_OBJECT

private slots:
    void exceptionFromAHandlerIsReportedAndEndsTheProgram() {
        QPushButton button(QStringLiteral("go"));
        connect(&button, &QPushButton::clicked, this,
                [] { throw std::runtime_error("disk full"); });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));

        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QTimer::singleShot(0, &button, [&] { QTest::mouseClick(&button, Qt::LeftButton); });
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll->stop();
                caption = box->windowTitle();
                text = box->text();
                icon = box->icon();
                buttons = box->buttons().size();
                box->accept();
            }
        });
        poll->start(10);

        QCOMPARE(QApplication::exec(), app::Application::untrappedErrorExitStatus);
        QCOMPARE(caption, QStringLiteral("Tovrel"));
        QVERIFY2(text.contains(QStringLiteral("disk full")), qPrintable(text));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
    }
};

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    UntrappedErrorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "untrapped_error_test.moc"
