#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <functional>

#include "render/ReportDocument.h"

namespace kelvane {

// The whole page of document as an image of dpi dots per inch on white
// paper; a null image when it cannot be made.
QImage ReportPageImage(const ReportDocument& document, double dpi);

// A PDF made in memory, so that nothing half-written reaches a file: pages of
// pageInches without margins at 1200 dots per inch, paintPage painting each
// (0 to pageCount - 1) with the page's corner at the painter's origin and
// false giving up; title is the PDF's title. The embedded fonts come in the
// same order in every run, so the same pages give the same bytes but for
// the creation date. Empty when it cannot be made.
QByteArray PdfPages(const QString& title, const QSizeF& pageInches, int pageCount,
                    const std::function<bool(QPainter& painter, int page)>& paintPage);

// The document as a one-page PDF whose page is the document's page, at 1200
// dots per inch, with title as the PDF's title; empty when it cannot be
// made. Made in memory, so that nothing half-written reaches a file.
QByteArray ReportPdf(const ReportDocument& document, const QString& title);

} // namespace kelvane
