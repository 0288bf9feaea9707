#pragma once

#include "design/design_sheet.h"

#include <QString>

class QMimeData;
class QPageLayout;
class QPagedPaintDevice;

// The calculation sheet laid out for the screen, the clipboard, a PDF file and the printer, all
// from the one DesignSheet, so that they never disagree.
namespace ui::sheet_document {

// The sheet as HTML tables: the givens, then the steps (stage, name, formula, substitution,
// result), the conclusion and the stamp; the title on top where `withTitle`.
QString html(const design::DesignSheet& sheet, bool withTitle);

// The sheet as plain text for plain editors, each table's columns aligned by their width in a
// fixed-pitch CJK face (a Chinese character takes two columns).
QString plainText(const design::DesignSheet& sheet);

// The sheet for the clipboard: HTML, which word processors paste as tables, and the plain text.
QMimeData* mimeData(const design::DesignSheet& sheet);

// The sheet's page: A4 upright with margins of 15 mm, for the PDF file and the printer alike.
QPageLayout pageLayout();

// Lays the sheet out on one page of `device` (a QPdfWriter or a QPrinter, already set up):
// title, drawing and tables, shrunk to fit where a design needs more than the page. Text stays
// text and the drawing vectors. False where the device cannot be painted on.
bool paintPage(QPagedPaintDevice& device, const design::DesignSheet& sheet);

// The sheet as a one-page A4 PDF document; empty if it could not be made.
QByteArray pdf(const design::DesignSheet& sheet, const QString& creator);

} // namespace ui::sheet_document
