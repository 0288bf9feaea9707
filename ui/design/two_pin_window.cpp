#include "ui/design/two_pin_window.h"

#include "design/two_pin_design.h"
#include "ui/design/sheet_document.h"
#include "ui/design/two_pin_words.h"
#include "ui/shell/accessibility.h"
#include "ui/shell/window_system.h"
#include "ui_two_pin_window.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <variant>

namespace ui {

namespace {

using design::DesignField;
using design::ResultId;
using Form = Ui::TwoPinWindow;

struct FieldControls {
    DesignField field;
    QLabel* Form::*label;
    QLineEdit* Form::*box;
};

constexpr FieldControls fieldControls[] = {
    {DesignField::Hole1Diameter, &Form::hole1DiameterLabel, &Form::hole1Diameter},
    {DesignField::Hole1UpperDeviation, &Form::hole1UpperDeviationLabel, &Form::hole1UpperDeviation},
    {DesignField::Hole1LowerDeviation, &Form::hole1LowerDeviationLabel, &Form::hole1LowerDeviation},
    {DesignField::Hole2Diameter, &Form::hole2DiameterLabel, &Form::hole2Diameter},
    {DesignField::Hole2UpperDeviation, &Form::hole2UpperDeviationLabel, &Form::hole2UpperDeviation},
    {DesignField::Hole2LowerDeviation, &Form::hole2LowerDeviationLabel, &Form::hole2LowerDeviation},
    {DesignField::CentreDistance, &Form::centreDistanceLabel, &Form::centreDistance},
    {DesignField::CentreDistanceTolerance, &Form::centreDistanceToleranceLabel,
     &Form::centreDistanceTolerance},
    {DesignField::PinDistanceTolerance, &Form::pinDistanceToleranceLabel,
     &Form::pinDistanceTolerance},
};

// Every result with a box; the conclusion of a shows in Form::conclusion. A round pin 2's values
// share the relieved pin's boxes under labels of their own: its entries come first, so that the
// relieved pin's labels are the ones a window without results shows.
struct ResultControls {
    ResultId id;
    QLabel* Form::*label;
    QLineEdit* Form::*box;
};

constexpr ResultControls resultControls[] = {
    {ResultId::RoundPin2Max, &Form::pin2MaxResultLabel, &Form::pin2MaxResult},
    {ResultId::RoundPin2Min, &Form::pin2MinResultLabel, &Form::pin2MinResult},
    {ResultId::RoundPin2, &Form::pin2ResultLabel, &Form::pin2Result},
    {ResultId::CentreDistance, &Form::centreDistanceResultLabel, &Form::centreDistanceResult},
    {ResultId::RoundPin, &Form::roundPinResultLabel, &Form::roundPinResult},
    {ResultId::X1Min, &Form::x1MinResultLabel, &Form::x1MinResult},
    {ResultId::X1Max, &Form::x1MaxResultLabel, &Form::x1MaxResult},
    {ResultId::LandWidth, &Form::landWidthResultLabel, &Form::landWidthResult},
    {ResultId::CornerWidth, &Form::cornerWidthResultLabel, &Form::cornerWidthResult},
    {ResultId::Compensation, &Form::compensationResultLabel, &Form::compensationResult},
    {ResultId::X2MinHandbook, &Form::x2MinHandbookResultLabel, &Form::x2MinHandbookResult},
    {ResultId::X2Min, &Form::x2MinResultLabel, &Form::x2MinResult},
    {ResultId::RelievedPinMax, &Form::pin2MaxResultLabel, &Form::pin2MaxResult},
    {ResultId::RelievedPinMin, &Form::pin2MinResultLabel, &Form::pin2MinResult},
    {ResultId::RelievedPin, &Form::pin2ResultLabel, &Form::pin2Result},
    {ResultId::X2Max, &Form::x2MaxResultLabel, &Form::x2MaxResult},
    {ResultId::Hole1Displacement, &Form::hole1DisplacementResultLabel,
     &Form::hole1DisplacementResult},
    {ResultId::AngularError, &Form::angularErrorResultLabel, &Form::angularErrorResult},
    {ResultId::TotalAngularError, &Form::totalAngularErrorResultLabel,
     &Form::totalAngularErrorResult},
};

// What a screen reader adds to a field's name: its unit and what the window says of it elsewhere.
QString fieldDescription(DesignField field) {
    switch (field) {
    case DesignField::Hole1Diameter:
    case DesignField::Hole2Diameter:
        return shell::millimetresDescription(QStringLiteral("范围：3 至 50"));
    case DesignField::PinDistanceTolerance:
        return shell::millimetresDescription(QStringLiteral("空白时取 δLD/3"));
    default:
        return shell::millimetresDescription();
    }
}

std::u16string textOf(const QLineEdit* box) {
    return box->text().toStdU16String();
}

// The program and its version as the start-up set them, as the sheet names them: "Tovrel 1.0.0".
QString programName() {
    return QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion();
}

} // namespace

TwoPinWindow::TwoPinWindow(QWidget* parent)
    : QWidget(parent, shell::fixedWindowFlags), ui_(std::make_unique<Form>()) {
    ui_->setupUi(this);
    setWindowTitle(shell::withApplicationTitle(windowTitle()));
    for (const FieldControls& controls : fieldControls) {
        const QString caption = two_pin_words::fieldLabel(controls.field);
        (ui_.get()->*controls.label)->setText(caption);
        shell::nameAfterCaption(*(ui_.get()->*controls.box), caption,
                                fieldDescription(controls.field));
        (ui_.get()->*controls.box)->installEventFilter(this);
    }
    for (const ResultControls& controls : resultControls) {
        shell::nameAfterCaption(*(ui_.get()->*controls.box),
                                two_pin_words::resultLabel(controls.id));
    }
    // Results never outlive the input they belong to.
    for (const FieldControls& controls : fieldControls) {
        connect(ui_.get()->*controls.box, &QLineEdit::textChanged, this,
                [this] { clearResults(); });
    }
    for (auto [choice, caption] : {std::pair{ui_->roundPinZone, ui_->roundPinZoneLabel},
                                   {ui_->relievedPinGrade, ui_->relievedPinGradeLabel}}) {
        choice->installEventFilter(this);
        connect(choice, &QComboBox::currentIndexChanged, this, [this] { clearResults(); });
        shell::nameAfterCaption(*choice, caption->text());
        shell::tellChoiceInDescription(*choice);
    }
    shell::nameCaptionsAfterBoxes(*this);
    shell::useEtchedFrames(*this, {ui_->inputFrame, ui_->resultFrame});
    connect(ui_->calculate, &QPushButton::clicked, this, &TwoPinWindow::calculate);
    connect(ui_->copyResults, &QPushButton::clicked, this, &TwoPinWindow::copyResults);
    connect(ui_->savePdf, &QPushButton::clicked, this, &TwoPinWindow::saveSheet);
    connect(ui_->print, &QPushButton::clicked, this, &TwoPinWindow::printSheet);
    saveFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    clearResults();
}

TwoPinWindow::~TwoPinWindow() = default;

bool TwoPinWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only the inputs are watched. Enter in any of them calculates, whatever the modifiers; the key
    // still reaches the input.
    if (shell::isEnterKeyPress(event)) {
        calculate();
    }
    return QWidget::eventFilter(watched, event);
}

void TwoPinWindow::calculate() {
    const design::TwoPinInput input{
        textOf(ui_->hole1Diameter),
        textOf(ui_->hole1UpperDeviation),
        textOf(ui_->hole1LowerDeviation),
        textOf(ui_->hole2Diameter),
        textOf(ui_->hole2UpperDeviation),
        textOf(ui_->hole2LowerDeviation),
        textOf(ui_->centreDistance),
        textOf(ui_->centreDistanceTolerance),
        textOf(ui_->pinDistanceTolerance),
        design::RoundPinZone(ui_->roundPinZone->currentIndex()),
        design::ToleranceGrade(ui_->relievedPinGrade->currentIndex()),
    };
    const design::DesignOutcome outcome = design::DesignTwoPinLocation(input);
    if (const auto* rejection = std::get_if<design::DesignRejection>(&outcome)) {
        showRejection(*rejection);
        return;
    }
    const auto& design = std::get<design::TwoPinDesign>(outcome);
    showResults(design::ListResults(design));
    showSheet(design::ComposeSheet(design, input, programName().toStdU16String(),
                                   QDate::currentDate().toString(Qt::ISODate).toStdU16String()));
}

void TwoPinWindow::showResults(const std::vector<design::ResultLine>& lines) {
    for (const ResultControls& controls : resultControls) {
        (ui_.get()->*controls.label)->setText(two_pin_words::resultLabel(controls.id));
        (ui_.get()->*controls.box)->clear();
    }
    ui_->conclusion->clear();
    for (const design::ResultLine& line : lines) {
        if (line.id == ResultId::ExactFit || line.id == ResultId::TwoRoundPins) {
            ui_->conclusion->setText(two_pin_words::resultLabel(line.id));
        }
        for (const ResultControls& controls : resultControls) {
            if (controls.id == line.id) {
                (ui_.get()->*controls.label)->setText(two_pin_words::resultLabel(line.id));
                (ui_.get()->*controls.box)->setText(QString::fromStdU16String(line.value));
            }
        }
    }
}

void TwoPinWindow::showRejection(const design::DesignRejection& rejection) {
    // Results beside input the user has changed since would belong to none of the input shown,
    // and Copy would carry them off as if they did.
    clearResults();
    shell::showMessage(two_pin_words::rejectionMessage(rejection), shell::MessageStyle::Critical);
    for (const FieldControls& controls : fieldControls) {
        if (controls.field == rejection.field) {
            QLineEdit* box = ui_.get()->*controls.box;
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
    }
}

void TwoPinWindow::showSheet(std::optional<design::DesignSheet> sheet) {
    sheet_ = std::move(sheet);
    ui_->drawing->setFigure(sheet_ ? std::optional(sheet_->figure) : std::nullopt);
    ui_->sheetView->setHtml(sheet_ ? sheet_document::html(*sheet_, true) : QString());
    ui_->copyResults->setEnabled(sheet_.has_value());
    ui_->savePdf->setEnabled(sheet_.has_value());
    ui_->print->setEnabled(sheet_.has_value());
}

void TwoPinWindow::clearResults() {
    showResults({});
    showSheet(std::nullopt);
}

void TwoPinWindow::copyResults() {
    if (sheet_) {
        QApplication::clipboard()->setMimeData(sheet_document::mimeData(*sheet_));
    }
}

void TwoPinWindow::saveSheet() {
    if (!sheet_) {
        return;
    }
    const QString suggested =
        QDir(saveFolder_).filePath(QString::fromStdU16String(sheet_->fileStem) + ".pdf");
    const QString path = QFileDialog::getSaveFileName(this, two_pin_words::saveCaption(), suggested,
                                                      two_pin_words::pdfFilter());
    if (path.isEmpty()) {
        return;
    }
    saveFolder_ = QFileInfo(path).absolutePath();
    const QByteArray pdf = sheet_document::pdf(*sheet_, programName());
    // The file is written aside and put in place only when whole: a folder that cannot be written
    // or a full disk leaves any file of that name as it was.
    QSaveFile file(path);
    if (pdf.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() ||
        !file.commit()) {
        shell::showMessage(
            two_pin_words::saveFailedMessage(QDir::toNativeSeparators(path), file.errorString()),
            shell::MessageStyle::Critical);
    }
}

void TwoPinWindow::printSheet() {
    if (!sheet_) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheet_document::pageLayout());
    printer.setDocName(QString::fromStdU16String(sheet_->fileStem));
#ifdef Q_OS_WIN
    // Windows' print dialog takes only an installed printer. Without one Qt's printer writes PDF
    // instead, and its dialog would not open at all: the user is told why nothing prints.
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        shell::showMessage(two_pin_words::noPrinterMessage(), shell::MessageStyle::Critical);
        return;
    }
#endif
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && !sheet_document::paintPage(printer, *sheet_)) {
        shell::showMessage(two_pin_words::printFailedMessage(), shell::MessageStyle::Critical);
    }
}

} // namespace ui
