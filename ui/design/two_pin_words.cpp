#include "ui/design/two_pin_words.h"

namespace ui::two_pin_words {

namespace {

using design::DesignField;
using design::ResultId;

struct FieldWords {
    const char16_t* name;   // as the messages name the field
    const char16_t* symbol; // as the handbooks write it
    char16_t accessKey;
};

FieldWords wordsOf(DesignField field) {
    switch (field) {
    case DesignField::Hole1Diameter:
        return {u"孔1直径", u"D1", u'1'};
    case DesignField::Hole1UpperDeviation:
        return {u"孔1上偏差", u"ES1", u'E'};
    case DesignField::Hole1LowerDeviation:
        return {u"孔1下偏差", u"EI1", u'I'};
    case DesignField::Hole2Diameter:
        return {u"孔2直径", u"D2", u'2'};
    case DesignField::Hole2UpperDeviation:
        return {u"孔2上偏差", u"ES2", u'U'};
    case DesignField::Hole2LowerDeviation:
        return {u"孔2下偏差", u"EI2", u'W'};
    case DesignField::CentreDistance:
        return {u"两孔中心距", u"L", u'L'};
    case DesignField::CentreDistanceTolerance:
        return {u"孔距公差", u"±δLD", u'D'};
    case DesignField::PinDistanceTolerance:
        return {u"销距公差", u"±δLd", u'N'};
    }
    return {};
}

QString nameOf(DesignField field) {
    return QString::fromUtf16(wordsOf(field).name);
}

QString outOfRangeMessage(DesignField field) {
    const QString name = nameOf(field);
    switch (field) {
    case DesignField::Hole1UpperDeviation:
    case DesignField::Hole1LowerDeviation:
    case DesignField::Hole2UpperDeviation:
    case DesignField::Hole2LowerDeviation:
        return QStringLiteral("您输入的%1超出范围，偏差请以mm为单位输入！").arg(name);
    case DesignField::CentreDistanceTolerance:
        return QStringLiteral("您输入的%1超出范围，δLD 应大于0且不大于%2 mm！")
            .arg(name)
            .arg(design::kLargestCentreDistanceTolerance);
    case DesignField::PinDistanceTolerance:
        return QStringLiteral("您输入的%1超出范围，δLd 不能小于0！").arg(name);
    default:
        break;
    }
    return QStringLiteral("您输入的%1超出范围！").arg(name);
}

} // namespace

QString fieldLabel(DesignField field) {
    const FieldWords words = wordsOf(field);
    return QStringLiteral("%1 %2(&%3)：")
        .arg(QString::fromUtf16(words.name), QString::fromUtf16(words.symbol),
             QChar(words.accessKey));
}

QString resultLabel(ResultId id) {
    switch (id) {
    case ResultId::CentreDistance:
        return QStringLiteral("销中心距 L±δLd (mm)：");
    case ResultId::RoundPin:
        return QStringLiteral("圆柱销直径 d1 (mm)：");
    case ResultId::X1Min:
        return QStringLiteral("孔1最小间隙 X1min (mm)：");
    case ResultId::X1Max:
        return QStringLiteral("孔1最大间隙 X1max (mm)：");
    case ResultId::LandWidth:
        return QStringLiteral("菱形销圆柱部分宽度 b (mm)：");
    case ResultId::CornerWidth:
        return QStringLiteral("菱形销总宽度 B (mm)：");
    case ResultId::Compensation:
        return QStringLiteral("补偿量 a (mm)：");
    case ResultId::ExactFit:
        return QStringLiteral("a > 0：销2用菱形销。d2max 按精确最小间隙 X2min = D2min − "
                              "√(D2min² − 4ab − 4a²) 取，孔2为最小直径且中心偏移 a 时也能装入；"
                              "手册近似式 2ab/D2 略去 a² 并以 D2 代 D2min，偏小，仅供对照");
    case ResultId::TwoRoundPins:
        return QStringLiteral(
            "a ≤ 0：圆柱销的间隙已能补偿中心距误差，可用两个圆柱销。销2与销1"
            "同一公差带，基本尺寸取孔2最小直径 D2min，最小间隙即其上偏差，总能装入");
    case ResultId::X2MinHandbook:
        return QStringLiteral("X2min 手册近似值 2ab/D2 (mm)：");
    case ResultId::X2Min:
        return QStringLiteral("孔2最小间隙 X2min (mm)：");
    case ResultId::RelievedPinMax:
        return QStringLiteral("菱形销最大直径 d2max (mm)：");
    case ResultId::RelievedPinMin:
        return QStringLiteral("菱形销最小直径 d2min (mm)：");
    case ResultId::RelievedPin:
        return QStringLiteral("菱形销直径 d2 (mm)：");
    case ResultId::RoundPin2Max:
        return QStringLiteral("圆柱销2最大直径 d2max (mm)：");
    case ResultId::RoundPin2Min:
        return QStringLiteral("圆柱销2最小直径 d2min (mm)：");
    case ResultId::RoundPin2:
        return QStringLiteral("圆柱销2直径 d2 (mm)：");
    case ResultId::X2Max:
        return QStringLiteral("孔2最大间隙 X2max (mm)：");
    case ResultId::Hole1Displacement:
        return QStringLiteral("孔1中心位移误差 X1max (mm)：");
    case ResultId::AngularError:
        return QStringLiteral("转角误差 Δα：");
    case ResultId::TotalAngularError:
        return QStringLiteral("总转角误差 2Δα：");
    }
    return {};
}

QString rejectionMessage(const design::DesignRejection& rejection) {
    const QString name = nameOf(rejection.field);
    switch (rejection.reason) {
    case design::RejectionReason::Empty:
        return QStringLiteral("您没有输入%1！").arg(name);
    case design::RejectionReason::NotNumeric:
        return QStringLiteral("您输入的%1不是数值型，请核对后重新输入！").arg(name);
    case design::RejectionReason::MisplacedComma:
        return QStringLiteral("您输入的%1不是数值型，小数请用小数点“.”输入，逗号只用作千位分隔"
                              "（如1,200）！")
            .arg(name);
    case design::RejectionReason::OutOfRange:
        return outOfRangeMessage(rejection.field);
    case design::RejectionReason::BeyondTables:
        return QStringLiteral(
                   "您输入的%1使孔%2最小直径大于%3 mm，公差表只到%3 mm，请核对后重新输入！")
            .arg(name, rejection.field == DesignField::Hole1LowerDeviation ? u"1" : u"2")
            .arg(design::kLargestTableSize);
    case design::RejectionReason::LowerAboveUpper:
        return QStringLiteral("您输入的%1大于上偏差，请核对后重新输入！").arg(name);
    case design::RejectionReason::AboveCentreDistanceTolerance:
        return QStringLiteral(
                   "您输入的%1大于孔距公差，δLd 一般取 δLD 的1/3～1/5，请核对后重新输入！")
            .arg(name);
    case design::RejectionReason::HolesOverlap:
        return QStringLiteral("您输入的%1太小，两孔重叠，请核对后重新输入！").arg(name);
    case design::RejectionReason::NoRelievedPinFits:
        return QStringLiteral("您输入的%1太大，菱形销无法装入孔2，请核对后重新输入！").arg(name);
    case design::RejectionReason::PinNarrowerThanLand:
        return QStringLiteral("您输入的%1太大，菱形销最小直径不大于其圆柱部分宽度 b，无法制造，"
                              "请核对后重新输入！")
            .arg(name);
    }
    return {};
}

QString saveCaption() {
    return QStringLiteral("保存计算书");
}

QString pdfFilter() {
    return QStringLiteral("PDF 文件 (*.pdf)");
}

QString saveFailedMessage(const QString& path, const QString& reason) {
    return QStringLiteral("无法保存文件“%1”（%2），请选择其他文件夹或检查磁盘空间！")
        .arg(path, reason);
}

QString printFailedMessage() {
    return QStringLiteral("无法打印计算书，请检查打印机后重试！");
}

QString noPrinterMessage() {
    return QStringLiteral(
        "系统中没有安装打印机，无法打印计算书。请先安装打印机，或用“保存PDF”保存后再打印！");
}

} // namespace ui::two_pin_words
