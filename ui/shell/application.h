#pragma once

#include <QApplication>

namespace ui::shell {

// The program's QApplication. It uses the Simplified Chinese dialog font and Qt's own words in
// Simplified Chinese, and stops any exception that escapes an event handler before it can unwind
// through the event loop: the error is reported in a critical message box and the program ends
// with a non-zero exit status. An access key presses its button at once, as on a Windows form.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Exit status of a run ended by an untrapped error.
    static constexpr int untrappedErrorExitStatus = 70;

private:
    void useQtChineseWords();
    void reportUntrappedError(const QString& description);

    bool reportingError_ = false;
};

} // namespace ui::shell
