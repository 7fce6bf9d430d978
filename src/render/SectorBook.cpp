#include "render/SectorBook.h"

#include <QCoreApplication>
#include <filesystem>
#include <variant>
#include <vector>

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
constexpr double HeadingPoints = 12;
// Room between the options line and the map.
constexpr double AboveMap = 180;
// Room above a heading of notes.
constexpr double AboveHeading = 240;
// The longest paragraph of notes, in characters: a longer line is cut at a
// space (or, without one, where it must) so that every paragraph fits a page.
constexpr qsizetype NotesPiece = 1000;

constexpr char NotesHeaderText[] = QT_TRANSLATE_NOOP("SystemReport", "Kelvane Sector Notes");

QString Translated(const char* text)
{
    return QCoreApplication::translate("SectorBook", text);
}

// A page of the book set up as the map page is, with its running header.
void StartBookPage(ReportDocument& document, const char* header)
{
    document.SetPageSize(LetterWidthTwips, LetterHeightTwips);
    document.SetMargins(InchTwips(0.75), InchTwips(0.75), InchTwips(0.5), InchTwips(0.5));
    document.SetFontName(QStringLiteral("Arial"));
    document.SetHeaderFont({QStringLiteral("Arial"), 8});
    document.SetHeader(QCoreApplication::translate("SystemReport", header));
    document.SetFooter(QString::fromLatin1(ReportFooterText));
    document.StartDoc();
}

// A paragraph to lay out: its text, size and the room above it. A heading
// goes onto the next page with the paragraph after it.
struct Piece {
    QString text;
    double points = BodyPoints;
    double above = 0;
    bool heading = false;
};

// The paragraphs of a hex's notes: one a line (a CR before the line feed
// belongs to the line break), long ones cut into NotesPiece pieces, control
// characters but the tab left out.
void AppendNotesPieces(std::vector<Piece>& pieces, const std::string& notes)
{
    QString text = ToQt(notes);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        line.removeIf([](QChar c) { return c != QLatin1Char('\t') && c.category() == QChar::Other_Control; });
        while (line.size() > NotesPiece) {
            qsizetype cut = line.lastIndexOf(QLatin1Char(' '), NotesPiece);
            if (cut <= 0)
                cut = NotesPiece;
            pieces.push_back({line.left(cut)});
            line = line.mid(cut).trimmed();
        }
        // An empty line keeps its height.
        pieces.push_back({line.isEmpty() ? QStringLiteral(" ") : line});
    }
}

// The pieces laid out from the current position of first, on as many pages
// as they take: first, then pages of notes under continued's title.
std::vector<ReportDocument> Flow(ReportDocument first, const std::vector<Piece>& pieces,
                                 const QString& continued)
{
    std::vector<ReportDocument> pages;
    pages.push_back(std::move(first));
    const auto heightOf = [](const ReportDocument& page, const Piece& piece) {
        ReportFont font = page.Font();
        font.Points = piece.points;
        return BreakLines(piece.text, font, page.PageWidth() - page.MarginRight() - page.CurrentX()).Height();
    };
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        ReportDocument* page = &pages.back();
        double height = heightOf(*page, piece);
        if (piece.heading && i + 1 < pieces.size())
            height += heightOf(*page, pieces[i + 1]);
        if (page->CurrentY() + piece.above + height > page->PageHeight() - page->MarginBottom()) {
            ReportDocument next;
            StartBookPage(next, NotesHeaderText);
            next.SetFontSize(BodyPoints);
            next.Paragraph(continued);
            pages.push_back(std::move(next));
            page = &pages.back();
        } else {
            page->SetCurrentY(page->CurrentY() + piece.above);
        }
        page->SetFontSize(piece.points);
        page->Paragraph(piece.text);
    }
    return pages;
}

// The name of a hex in the book: "0304 Heltathe", or "0304" when empty.
QString HexTitle(const Sector& sector, HexNumber hex)
{
    const SectorSystem* system = sector.At(hex);
    return ToQt(system != nullptr ? hex.Text() + " " + system->name : hex.Text());
}

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
    StartBookPage(document, SectorMapHeaderText);
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

std::vector<ReportDocument> PagesWithNotes(ReportDocument page, const std::string& notes,
                                           const QString& continued)
{
    if (notes.empty())
        return {std::move(page)};
    std::vector<Piece> pieces{
        {Translated(QT_TRANSLATE_NOOP("SectorBook", "Notes")), HeadingPoints, AboveHeading, true}};
    AppendNotesPieces(pieces, notes);
    page.SetFontName(QStringLiteral("Arial"));
    return Flow(std::move(page), pieces, continued);
}

std::vector<ReportDocument> EmptyHexNotesPages(const Sector& sector)
{
    std::vector<Piece> pieces;
    for (const auto& [hex, notes] : sector.notes) {
        if (sector.At(hex) != nullptr)
            continue;
        pieces.push_back({HexTitle(sector, hex), HeadingPoints, pieces.empty() ? 0 : AboveHeading, true});
        AppendNotesPieces(pieces, notes);
    }
    if (pieces.empty())
        return {};
    ReportDocument first;
    StartBookPage(first, NotesHeaderText);
    first.SetFontSize(TitlePoints);
    first.Paragraph(Translated(QT_TRANSLATE_NOOP("SectorBook", "Notes")));
    return Flow(std::move(first), pieces, Translated(QT_TRANSLATE_NOOP("SectorBook", "Notes, continued")));
}

namespace {

// A page of the book: the map, a system's report page made when it is
// painted, or a page laid out beforehand (a report with notes, notes).
struct BookPage {
    std::variant<std::monostate, std::size_t, ReportDocument> content;
    // Whether SectorFolderSteps counts it: the map's, and each system's first.
    bool counted = true;
};

std::vector<BookPage> PlanBook(const Sector& sector, const AppSettings& settings, char decimalSeparator)
{
    std::vector<BookPage> pages{{std::monostate()}};
    for (std::size_t i = 0; i < sector.systems.size(); ++i) {
        const SectorSystem& system = sector.systems[i];
        const std::string& notes = sector.NotesOf(system.hex);
        if (notes.empty()) {
            pages.push_back({i});
            continue;
        }
        std::vector<ReportDocument> laidOut =
            PagesWithNotes(SectorSystemPage(system, settings, decimalSeparator), notes,
                           Translated(QT_TRANSLATE_NOOP("SectorBook", "%1: notes, continued"))
                               .arg(HexTitle(sector, system.hex)));
        for (std::size_t page = 0; page < laidOut.size(); ++page)
            pages.push_back({std::move(laidOut[page]), page == 0});
    }
    for (ReportDocument& page : EmptyHexNotesPages(sector))
        pages.push_back({std::move(page), false});
    return pages;
}

} // namespace

QByteArray SectorBookPdf(const Sector& sector, const AppSettings& settings, char decimalSeparator,
                         const SectorWriteStep& step)
{
    const SectorMapPage mapPage = BuildSectorMapPage(sector);
    const SectorMap map = DrawSectorMap(sector);
    const std::vector<BookPage> pages = PlanBook(sector, settings, decimalSeparator);
    // A step a page of the map and each system's first page, as
    // SectorFolderSteps counts them.
    QByteArray bytes = PdfPages(
        ToQt(SectorTitle(sector)), QSizeF(8.5, 11), static_cast<int>(pages.size()),
        [&](QPainter& painter, int page) {
            const BookPage& planned = pages[static_cast<std::size_t>(page)];
            if (std::holds_alternative<std::monostate>(planned.content))
                PaintSectorMapPage(painter, mapPage, map);
            else if (const auto* system = std::get_if<std::size_t>(&planned.content))
                SectorSystemPage(sector.systems[*system], settings, decimalSeparator).PaintOnDevice(painter);
            else
                std::get<ReportDocument>(planned.content).PaintOnDevice(painter);
            if (!planned.counted)
                return true;
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
        return SectorWriteCancelledIn(folder);
    if (pdf.isEmpty())
        return {(std::filesystem::path(folder) / SectorBookFileName).string(),
                Message(KELVANE_TEXT("CoreText", "the PDF could not be made"))};
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
