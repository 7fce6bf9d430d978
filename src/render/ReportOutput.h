#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "render/ReportDocument.h"

namespace kelvane {

// The whole page of document as an image of dpi dots per inch on white
// paper; a null image when it cannot be made.
QImage ReportPageImage(const ReportDocument& document, double dpi);

// The document as a one-page PDF whose page is the document's page, at 1200
// dots per inch, with title as the PDF's title; empty when it cannot be
// made. Made in memory, so that nothing half-written reaches a file.
QByteArray ReportPdf(const ReportDocument& document, const QString& title);

} // namespace kelvane
