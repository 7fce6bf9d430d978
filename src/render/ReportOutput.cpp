#include "render/ReportOutput.h"

#include <QBuffer>
#include <QHashSeed>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

#include "render/ReportUnits.h"

namespace kelvane {

namespace {

constexpr double InchesPerMetre = 1 / 0.0254;
constexpr int PdfDpi = 1200;

QByteArray PdfBytes(const ReportDocument& document, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDpi);
        writer.setCreator(QStringLiteral("Kelvane"));
        writer.setTitle(title);
        const QSizeF inches(document.PageWidth() / TwipsPerInch, document.PageHeight() / TwipsPerInch);
        const QPageSize pageSize(inches, QPageSize::Inch);
        // The page's corner is the painter's origin: no margins.
        if (!writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0))))
            return {};
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        document.PaintOnDevice(painter);
        if (!painter.end())
            return {};
    }
    buffer.close();
    return bytes;
}

} // namespace

QImage ReportPageImage(const ReportDocument& document, double dpi)
{
    const int width = static_cast<int>(std::lround(TwipsToDevice(document.PageWidth(), dpi)));
    const int height = static_cast<int>(std::lround(TwipsToDevice(document.PageHeight(), dpi)));
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    // The painter reads the resolution from the image.
    const int dotsPerMetre = static_cast<int>(std::lround(dpi * InchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    document.PaintOnDevice(painter);
    return image;
}

QByteArray ReportPdf(const ReportDocument& document, const QString& title)
{
    // The PDF writer keeps the fonts it embeds in a hash table and writes
    // them in the table's order, which a random hash seed would change from
    // run to run. A table keeps the seed it was made with, so with the seed
    // zero while the PDF is made the same document gives the same bytes in
    // every run of every program, and no other table is affected.
    QHashSeed::setDeterministicGlobalSeed();
    QByteArray bytes = PdfBytes(document, title);
    QHashSeed::resetRandomGlobalSeed();
    return bytes;
}

} // namespace kelvane
