#include "ui/pin/pin.h"

#include "calc/pin_dimensions.h"
#include "ui/about/pin_about.h"
#include "ui/shell/accessibility.h"
#include "ui/shell/window_system.h"
#include "ui_pin.h"

#include <QStringView>
#include <QStyle>
#include <initializer_list>

namespace ui {

namespace {

using Outcome = calc::PinDimensionOutcome;

// The size of the boxes' and the b/B captions' Times New Roman: 19-pixel type at 96 dpi. The
// form stores whole points only.
constexpr qreal valueFontPointSize = 14.25;

// The answer to each kind of rejected input; a computed outcome has none.
QString rejectionMessage(Outcome::Kind kind) {
    switch (kind) {
    case Outcome::Kind::EmptyInput:
        return QStringLiteral("您没有输入定位孔的直径！");
    case Outcome::Kind::NotNumeric:
        return QStringLiteral("您输入内孔直径不是数值型，请核对后重新输入！");
    case Outcome::Kind::OutOfRange:
        return QStringLiteral("您输入的内孔直径超出范围！");
    case Outcome::Kind::Computed:
        break;
    }
    return {};
}

} // namespace

Pin::Pin(QWidget* parent)
    : QWidget(parent, shell::fixedWindowFlags), ui_(std::make_unique<Ui::Pin>()) {
    // 宋体 has no bold face: Windows thickens the regular one for the form's bold 宋体. The
    // controls inherit the regular face from the window, which keeps that look where a substitute
    // has a bold face of its own and spares reading a second font file.
    QFont regularFace = font();
    regularFace.setStyleName(QStringLiteral("Regular"));
    setFont(regularFace);
    ui_->setupUi(this);
    setWindowTitle(shell::withApplicationTitle(windowTitle()));
    ui_->Frame1->setTitle(shell::withApplicationTitle(ui_->Frame1->title()));
    Text2 = {ui_->Text2_0, ui_->Text2_1};
    Label3 = {ui_->Label3_0, ui_->Label3_1};
    useDescribedFonts();
    shell::useEtchedFrames(*this, {ui_->Frame1});
    // Label5 reaches under Refresh; the button stays fully visible on top of it.
    ui_->Command3->raise();
    shell::nameCaptionsAfterBoxes(*this);
    announcer_ = new shell::Announcer(*this);

    ui_->Text1->installEventFilter(this);
    connect(ui_->Command1, &QPushButton::clicked, this, &Pin::calculate);
    connect(ui_->Command3, &QPushButton::clicked, this, &Pin::refresh);
    connect(ui_->Command4, &QPushButton::clicked, this, &Pin::openAbout);
    connect(ui_->Command2, &QPushButton::clicked, this, &Pin::close);
}

Pin::~Pin() = default;

void Pin::useDescribedFonts() {
    // Frame1's bold font is meant for its caption only. The controls inside it that have no font
    // of their own keep the window's font rather than inheriting the frame's.
    QFont windowFont = font();
    windowFont.setResolveMask(QFont::AllPropertiesResolved);
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui_->Command1, ui_->Command2, ui_->Command3, ui_->Command4,
                                         ui_->Label1, ui_->Label2}) {
        control->setFont(windowFont);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui_->Text1, Text2[0], Text2[1], Label3[0], Label3[1]}) {
        QFont valueFont = control->font();
        valueFont.setPointSizeF(valueFontPointSize);
        control->setFont(valueFont);
    }
}

bool Pin::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the input box calculates, whatever the modifiers. The key still reaches the box.
    if (watched == ui_->Text1 && shell::isEnterKeyPress(event)) {
        calculate();
    }
    return QWidget::eventFilter(watched, event);
}

void Pin::calculate() {
    const QString input = ui_->Text1->text();
    const Outcome outcome = calc::ComputePinDimensions(
        std::u16string_view(QStringView(input).utf16(), std::size_t(input.size())));
    if (outcome.kind() != Outcome::Kind::Computed) {
        showRejection(outcome);
        return;
    }
    Text2[0]->setText(QStringView(outcome.bText()).toString());
    Text2[1]->setText(QStringView(outcome.BText()).toString());
    // The focus stays where it is, so a screen reader would not read the results unasked.
    QStringList spoken;
    for (const QLineEdit* box : Text2) {
        spoken << QStringLiteral("%1 为 %2 毫米").arg(box->accessibleName(), box->text());
    }
    announcer_->announce(QStringLiteral("计算结果：") + spoken.join(QStringLiteral("，")));
}

void Pin::showRejection(const Outcome& outcome) {
    // The rejected text stays in the box while the message is shown; an empty box has nothing
    // to clear.
    shell::showMessage(rejectionMessage(outcome.kind()), shell::MessageStyle::Critical);
    if (outcome.kind() != Outcome::Kind::EmptyInput) {
        ui_->Text1->clear();
    }
    ui_->Text1->setFocus(Qt::OtherFocusReason);
}

void Pin::refresh() {
    ui_->Text1->clear();
    Text2[0]->clear();
    Text2[1]->clear();
    ui_->Text1->setFocus(Qt::OtherFocusReason);
}

void Pin::openAbout() {
    if (!about_) {
        about_ = std::make_unique<PinAbout>(this);
    }
    shell::showModal(*about_, *this);
}

} // namespace ui
