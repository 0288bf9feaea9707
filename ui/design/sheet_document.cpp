#include "ui/design/sheet_document.h"

#include "ui/design/locating_drawing.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace ui::sheet_document {

namespace {

// The page is laid out in pixels of 1/96 inch, as the screen is, then scaled to the device.
constexpr double kLayoutDpi = 96.0;
constexpr double kDrawingHeight = 230.0;

QString qs(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QString cell(const QString& text, bool nowrap = false) {
    return (nowrap ? QStringLiteral("<td style=\"white-space: nowrap;\">%1</td>")
                   : QStringLiteral("<td>%1</td>"))
        .arg(text.toHtmlEscaped());
}

QString cell(const std::u16string& text, bool nowrap = false) {
    return cell(qs(text), nowrap);
}

// The columns a text takes in a fixed-pitch face: two for East Asian wide characters.
int columnsOf(const QString& text) {
    int columns = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

// Rows of cells as lines, each column padded to its widest cell, two blanks between columns.
QString alignedRows(const std::vector<QStringList>& rows) {
    std::vector<int> widths;
    for (const QStringList& row : rows) {
        widths.resize(std::max(widths.size(), std::size_t(row.size())));
        for (int i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], columnsOf(row[i]));
        }
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (int i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) {
                line += QString(widths[i] - columnsOf(row[i]) + 2, u' ');
            }
        }
        text += line + u'\n';
    }
    return text;
}

QString withEquals(const std::u16string& text) {
    return text.empty() ? QString() : QStringLiteral("= ") + qs(text);
}

// The sheet as HTML for the screen and the clipboard, Latin in Times New Roman, Chinese in 宋体,
// wrapping any cell; for the page, Chinese in AR PL UMing where it is installed, with formulas and
// numbers each on one line, so that they read back whole from the PDF. (A Song face too, it names
// each of its glyphs by one character; the OpenType CJK faces share glyphs between ideographs and
// radicals, such as 角 and ⻆, and Qt's PDF writer then names the glyph by the radical.)
QString htmlIn(const design::DesignSheet& sheet, bool withTitle, bool forPage) {
    // The first of the listed faces that is installed and has a character's script sets it:
    // Times New Roman on Windows, its metric twin Liberation Serif elsewhere.
    const QString faces = QStringLiteral("'Times New Roman', 'Liberation Serif', %1")
                              .arg(forPage ? QStringLiteral("'AR PL UMing CN', '宋体'")
                                           : QStringLiteral("'宋体', 'SimSun'"));
    const QString table =
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\" "
                       "style=\"border-collapse: collapse; border-color: black;\">");
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head>"
                                  "<body style=\"font-family: %1; font-size: 9pt;\">")
                       .arg(faces);
    if (withTitle) {
        html += QStringLiteral("<h3 align=\"center\">%1</h3>").arg(qs(sheet.title).toHtmlEscaped());
    }
    html += QStringLiteral("<p><b>已知条件</b></p>") + table;
    for (std::size_t i = 0; i < sheet.givens.size(); i += 2) {
        html += QStringLiteral("<tr>");
        for (std::size_t j = i; j < std::min(i + 2, sheet.givens.size()); ++j) {
            html += cell(sheet.givens[j].name) + cell(sheet.givens[j].value);
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table><p><b>计算步骤</b></p>") + table +
            QStringLiteral("<tr><th>步骤</th><th>名称</th><th>公式</th><th>代入数值</th>"
                           "<th>结果</th></tr>");
    int stage = 0;
    for (const design::SheetStep& step : sheet.steps) {
        html += QStringLiteral("<tr>") +
                cell(step.stage == stage ? QString() : QString::number(step.stage)) +
                cell(step.name) + cell(step.formula, forPage) + cell(step.substitution, forPage) +
                cell(step.result, forPage) + QStringLiteral("</tr>");
        stage = step.stage;
    }
    html += QStringLiteral("</table><p><b>结论：</b>%1</p><p align=\"right\">%2</p></body></html>")
                .arg(qs(sheet.conclusion).toHtmlEscaped(), qs(sheet.stamp).toHtmlEscaped());
    return html;
}

} // namespace

QString html(const design::DesignSheet& sheet, bool withTitle) {
    return htmlIn(sheet, withTitle, false);
}

QString plainText(const design::DesignSheet& sheet) {
    std::vector<QStringList> givens;
    for (const design::SheetGiven& given : sheet.givens) {
        givens.push_back({qs(given.name), qs(given.value)});
    }
    std::vector<QStringList> steps;
    int stage = 0;
    for (const design::SheetStep& step : sheet.steps) {
        steps.push_back({step.stage == stage ? QString() : QString::number(step.stage),
                         qs(step.name), qs(step.formula), withEquals(step.substitution),
                         QStringLiteral("= ") + qs(step.result)});
        stage = step.stage;
    }
    return qs(sheet.title) + QStringLiteral("\n\n已知条件\n") + alignedRows(givens) +
           QStringLiteral("\n计算步骤\n") + alignedRows(steps) + QStringLiteral("\n结论：") +
           qs(sheet.conclusion) + u'\n' + qs(sheet.stamp) + u'\n';
}

QMimeData* mimeData(const design::DesignSheet& sheet) {
    auto* data = new QMimeData;
    data->setHtml(html(sheet, true));
    data->setText(plainText(sheet));
    return data;
}

QPageLayout pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

bool paintPage(QPagedPaintDevice& device, const design::DesignSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double scale = device.logicalDpiX() / kLayoutDpi;
    const double width = device.width() / scale;
    const double height = device.height() / scale;

    // Without shaping: the OpenType CJK faces give digits after Latin letters or before a point
    // glyphs of their own, which Qt's PDF writer cannot name by their characters.
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("宋体")});
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(12); // 9 pt
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setTextWidth(width);
    document.setHtml(htmlIn(sheet, false, true));
    QFont titleFont = font;
    titleFont.setPixelSize(20);
    titleFont.setBold(true);
    const double titleHeight = QFontMetricsF(titleFont).height() * 1.8;
    const double needed = titleHeight + kDrawingHeight + document.size().height();
    // A sheet longer or wider than the page is shrunk to fit it: one page is what is handed in.
    const double fit = std::min({1.0, height / needed, width / document.size().width()});

    painter.scale(scale * fit, scale * fit);
    const double pageWidth = width / fit;
    document.setTextWidth(pageWidth);
    painter.setFont(titleFont);
    painter.drawText(QRectF(0, 0, pageWidth, titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                     qs(sheet.title));
    paintLocatingLayout(painter, QRectF(0, titleHeight, pageWidth, kDrawingHeight - 10),
                        sheet.figure);
    painter.translate(0, titleHeight + kDrawingHeight);
    document.drawContents(&painter);
    return painter.end();
}

QByteArray pdf(const design::DesignSheet& sheet, const QString& creator) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pageLayout());
        writer.setTitle(qs(sheet.title));
        writer.setCreator(creator);
        if (!paintPage(writer, sheet)) {
            return {};
        }
    }
    return buffer.data();
}

} // namespace ui::sheet_document
