#include "render/ReportOutput.h"

#include <QBuffer>
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

} // namespace kelvane
