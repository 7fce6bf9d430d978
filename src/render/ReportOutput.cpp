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

// Qt's PDF writer keeps the fonts it embeds in a hash table and writes them
// in the table's order, which the random hash seed of each process decides.
// A table keeps the seed it was made with, so while a PDF is made tables take
// the fixed seed: the same document gives the same bytes in every run of
// every program, and no other table is affected.
class FixedHashSeed {
public:
    FixedHashSeed() : m_wasFixed(size_t(QHashSeed::globalSeed()) == 0)
    {
        QHashSeed::setDeterministicGlobalSeed();
    }
    ~FixedHashSeed()
    {
        if (!m_wasFixed)
            QHashSeed::resetRandomGlobalSeed();
    }
    FixedHashSeed(const FixedHashSeed&) = delete;
    FixedHashSeed& operator=(const FixedHashSeed&) = delete;

private:
    bool m_wasFixed;
};

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

QByteArray PdfPages(const QString& title, const QSizeF& pageInches, int pageCount,
                    const std::function<bool(QPainter& painter, int page)>& paintPage)
{
    const FixedHashSeed fixedSeed;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfDpi);
        writer.setCreator(QStringLiteral("Kelvane"));
        writer.setTitle(title);
        // The page's corner is the painter's origin: no margins.
        const QPageSize pageSize(pageInches, QPageSize::Inch);
        if (!writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0))))
            return {};
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        for (int page = 0; page < pageCount; ++page)
            if ((page > 0 && !writer.newPage()) || !paintPage(painter, page))
                return {};
        if (!painter.end())
            return {};
    }
    buffer.close();
    return bytes;
}

QByteArray ReportPdf(const ReportDocument& document, const QString& title)
{
    const QSizeF inches(document.PageWidth() / TwipsPerInch, document.PageHeight() / TwipsPerInch);
    return PdfPages(title, inches, 1, [&document](QPainter& painter, int) {
        document.PaintOnDevice(painter);
        return true;
    });
}

} // namespace kelvane
