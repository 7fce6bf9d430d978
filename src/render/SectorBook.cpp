#include "render/SectorBook.h"

#include <QCoreApplication>
#include <filesystem>

#include "core/model/RandomSource.h"
#include "render/QtText.h"
#include "render/ReportOutput.h"
#include "render/ReportUnits.h"
#include "render/SectorMapPainter.h"
#include "render/SystemReport.h"

namespace kelvane {

namespace {

constexpr double TitlePoints = 17.5;
constexpr double BodyPoints = 10;
// Room between the options line and the map.
constexpr double AboveMap = 180;

// Qt writes the time of writing as the PDF's creation date. The book puts a
// fixed date in its place, of the same length so that no offset in the file
// moves: the same sector then gives the same bytes.
void FixCreationDate(QByteArray& pdf)
{
    static const QByteArray key = "/CreationDate (D:";
    const qsizetype start = pdf.indexOf(key);
    if (start < 0)
        return;
    const qsizetype date = start + key.size();
    const qsizetype end = pdf.indexOf(')', date);
    if (end < date + 14)
        return;
    // Fourteen digits of the time, then Z or an offset from UTC: +hh'mm'.
    const char fixed[] = "20000101000000";
    for (qsizetype i = 0; i < end - date; ++i) {
        char& c = pdf[date + i];
        if (i < 14)
            c = fixed[i];
        else if (c >= '0' && c <= '9')
            c = '0';
        else if (c == '-')
            c = '+';
    }
}

} // namespace

SectorMapPage BuildSectorMapPage(const Sector& sector)
{
    SectorMapPage page;
    ReportDocument& document = page.document;
    document.SetPageSize(LetterWidthTwips, LetterHeightTwips);
    document.SetMargins(InchTwips(0.75), InchTwips(0.75), InchTwips(0.5), InchTwips(0.5));
    document.SetFontName(QStringLiteral("Arial"));
    document.SetHeaderFont({QStringLiteral("Arial"), 8});
    document.SetHeader(QCoreApplication::translate("SystemReport", SectorMapHeaderText));
    document.SetFooter(QString::fromLatin1(ReportFooterText));
    document.StartDoc();
    document.SetFontSize(TitlePoints);
    document.Paragraph(ToQt(SectorTitle(sector)));
    document.SetFontSize(BodyPoints);
    document.Paragraph(ToQt(SectorOptionsText(sector.options)));
    const double top = document.CurrentY() + AboveMap;
    const double width = document.PageWidth() - document.MarginLeft() - document.MarginRight();
    const double bottom = document.PageHeight() - document.MarginBottom() - AboveMap;
    page.mapBox = QRectF(document.MarginLeft(), top, width, bottom - top);
    return page;
}

void PaintSectorMapPage(QPainter& painter, const SectorMapPage& page, const SectorMap& map)
{
    page.document.PaintOnDevice(painter);
    const QPaintDevice* device = painter.device();
    if (device == nullptr)
        return;
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    const QRectF box(TwipsToDevice(page.mapBox.x(), dpiX), TwipsToDevice(page.mapBox.y(), dpiY),
                     TwipsToDevice(page.mapBox.width(), dpiX), TwipsToDevice(page.mapBox.height(), dpiY));
    PaintSectorMap(painter, map, box, dpiX / 96.0);
}

ReportDocument SectorSystemPage(const SectorSystem& system, const AppSettings& settings,
                                char decimalSeparator)
{
    RandomSource random = RandomSource::Deterministic(0);
    return BuildSystemReport(system.system, settings, ReportPictureBackColor(settings), random,
                             decimalSeparator);
}

QByteArray SectorBookPdf(const Sector& sector, const AppSettings& settings, char decimalSeparator,
                         const SectorWriteStep& step)
{
    const SectorMapPage mapPage = BuildSectorMapPage(sector);
    const SectorMap map = DrawSectorMap(sector);
    QByteArray bytes =
        PdfPages(ToQt(SectorTitle(sector)), QSizeF(8.5, 11), static_cast<int>(sector.systems.size()) + 1,
                 [&](QPainter& painter, int page) {
                     if (page == 0)
                         PaintSectorMapPage(painter, mapPage, map);
                     else
                         SectorSystemPage(sector.systems[static_cast<std::size_t>(page - 1)], settings,
                                          decimalSeparator)
                             .PaintOnDevice(painter);
                     return !step || step();
                 });
    FixCreationDate(bytes);
    return bytes;
}

SectorFolderResult WriteSectorFolderWithBook(const Sector& sector, const std::string& folder,
                                             char decimalSeparator, bool book, const SectorWriteStep& step)
{
    if (!book)
        return WriteSectorFolder(sector, folder, decimalSeparator, std::nullopt, step);
    // The book is made whole in memory first: a failure writes nothing.
    bool stopped = false;
    const QByteArray pdf = SectorBookPdf(sector, AppSettings(), decimalSeparator, [&] {
        stopped = step && !step();
        return !stopped;
    });
    if (stopped)
        return {folder, SectorWriteCancelled};
    if (pdf.isEmpty())
        return {(std::filesystem::path(folder) / SectorBookFileName).string(), "the PDF could not be made"};
    return WriteSectorFolder(sector, folder, decimalSeparator,
                             std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), step);
}

int SectorFolderSteps(const Sector& sector, bool book)
{
    const int systems = static_cast<int>(sector.systems.size());
    // The files: the systems', the map and the index, and the book's pages
    // and its file.
    return systems + 2 + (book ? systems + 2 : 0);
}

} // namespace kelvane
