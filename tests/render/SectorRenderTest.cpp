#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <regex>

#include "core/files/SystemFile.h"
#include "core/model/RandomSource.h"
#include "core/sector/SectorGeneration.h"
#include "render/ReportOutput.h"
#include "render/SectorBook.h"
#include "render/SectorMapPainter.h"
#include "render/SurfacePainter.h"
#include "render/SystemReport.h"

namespace kelvane {
namespace {

// Two hexes: 0101 a blue star with an Excellent world and belts, 0201 empty.
Sector TwoHexes()
{
    Sector sector;
    sector.options.width = 2;
    sector.options.height = 1;
    SectorSystem& vega = sector.systems.emplace_back();
    vega.name = "Vega";
    vega.summary = {ClassMainSequence, StarBlue, TypeEnvExcellent, 3, 1, 2};
    return sector;
}

const MapShape& Find(const SectorMap& map, MapShape::Role role)
{
    for (const MapShape& shape : map.shapes)
        if (shape.role == role)
            return shape;
    throw std::runtime_error("no such shape");
}

bool Near(QRgb pixel, Colour colour, int tolerance = 0)
{
    const QColor expected = ToQColor(colour);
    return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

// Whether anything darker than light grey lies in the rectangle.
bool Ink(const QImage& image, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

TEST(SectorMapPainter, PaintsEachShapeInItsPlaceAndLeavesOutWhatCannotBeRead)
{
    const SectorMap map = DrawSectorMap(TwoHexes());
    // One pixel a logical unit: a shape's place in the image is its own.
    const int width = static_cast<int>(map.extents.Width), height = static_cast<int>(map.extents.Height);
    const QImage image = SectorMapImage(map, width, height);
    const auto at = [&](double x, double y) {
        return image.pixel(static_cast<int>(std::lround(x - map.extents.Left)),
                           static_cast<int>(std::lround(y - map.extents.Top)));
    };
    const MapShape& star = Find(map, MapShape::Role::Star);
    const MapShape& ring = Find(map, MapShape::Role::GoodWorld);
    const MapShape& dot = Find(map, MapShape::Role::Belts);
    const MapShape& name = Find(map, MapShape::Role::Name);
    EXPECT_TRUE(Near(at(star.x, star.y), StarBlue));
    EXPECT_TRUE(Near(at(ring.x + ring.size, ring.y), ring.penColor, 60));
    EXPECT_TRUE(Near(at(dot.x, dot.y), TypeAsteroids));
    EXPECT_TRUE(Near(at(star.x + (star.size + ring.size) / 2, star.y), 0xFFFFFF)); // between star and ring
    const QRect nameBox(static_cast<int>(name.x - map.extents.Left) - 40,
                        static_cast<int>(name.y - map.extents.Top) - 15, 80, 18);
    EXPECT_TRUE(Ink(image, nameBox));
    // The empty hex shows its outline and number only.
    const SurfacePoint empty = HexGrid(2, 1).Centre({2, 1});
    EXPECT_TRUE(Near(at(empty.X, empty.Y), 0xFFFFFF));
    EXPECT_TRUE(Near(at(empty.X - HexGrid::Size, empty.Y), 0x909090, 60));

    // At a tenth of the size the texts are too small to read and left out,
    // the star still shows.
    const QImage small = SectorMapImage(map, width / 10, height / 10);
    EXPECT_FALSE(Ink(small, QRect(nameBox.x() / 10, nameBox.y() / 10, 8, 3)));
    EXPECT_TRUE(Near(small.pixel(static_cast<int>((star.x - map.extents.Left) / 10),
                                 static_cast<int>((star.y - map.extents.Top) / 10)),
                     StarBlue, 40));

    // Only what lies in the painter's clip region is painted.
    QImage clipped(width, height, QImage::Format_RGB32);
    clipped.fill(Qt::black);
    {
        QPainter painter(&clipped);
        painter.setClipRect(QRect(0, 0, width / 2, height));
        PaintSectorMap(painter, map, QRectF(0, 0, width, height));
    }
    EXPECT_TRUE(Near(clipped.pixel(width - 2, height / 2), 0));
    EXPECT_TRUE(Near(clipped.pixel(2, height / 2), 0xFFFFFF));

    // A strip that holds only the end of a name, as a window paints after a
    // pan, gets that end as the whole image has it.
    Sector wide = TwoHexes();
    wide.systems[0].name = "WWW@@@MMMW";
    const SectorMap wideMap = DrawSectorMap(wide);
    const QImage whole = SectorMapImage(wideMap, width, height);
    const MapShape& wideName = Find(wideMap, MapShape::Role::Name);
    const QRect strip(static_cast<int>(wideName.x - wideMap.extents.Left) + 30,
                      static_cast<int>(wideName.y - wideMap.extents.Top) - 20, 30, 26);
    QImage part(width, height, QImage::Format_RGB32);
    {
        QPainter painter(&part);
        painter.setClipRect(strip);
        PaintSectorMap(painter, wideMap, QRectF(0, 0, width, height));
    }
    EXPECT_TRUE(Ink(whole, strip));
    EXPECT_EQ(part.copy(strip), whole.copy(strip));
}

TEST(SectorBook, TheMapThenEachSystemsReportPageTheSameEveryTime)
{
    const Sector sector = GenerateSector({12, 3, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    ASSERT_EQ(sector.systems.size(), 6u);
    const QByteArray pdf = SectorBookPdf(sector, AppSettings(), '.');
    const std::string bytes = pdf.toStdString();
    ASSERT_TRUE(bytes.starts_with("%PDF-1."));
    const std::regex page("/Type /Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), {}), 7);
    EXPECT_NE(bytes.find("/CreationDate (D:20000101000000"), std::string::npos);
    EXPECT_EQ(SectorBookPdf(sector, AppSettings(), '.'), pdf);

    // A system's page is the report of its system file, as the program
    // prints it once the file is loaded: its name as the title.
    for (const std::size_t i : {std::size_t{0}, std::size_t{5}}) {
        StarSystem loaded;
        ASSERT_TRUE(ReadSystemText(SystemFileText(sector.systems[i].system, ','), loaded, ',').Ok());
        EXPECT_EQ(loaded.SystemName, sector.systems[i].name);
        RandomSource random = RandomSource::Deterministic(0);
        const AppSettings settings;
        const ReportDocument report =
            BuildSystemReport(loaded, settings, ReportPictureBackColor(settings), random, ',');
        EXPECT_EQ(ReportPageImage(SectorSystemPage(sector.systems[i], settings, ','), 40),
                  ReportPageImage(report, 40));
    }

    // The map page: the title, then the map in the box below it.
    const SectorMapPage mapPage = BuildSectorMapPage(sector);
    EXPECT_GT(mapPage.mapBox.top(), mapPage.document.CurrentY());
    EXPECT_LE(mapPage.mapBox.bottom(), LetterHeightTwips - mapPage.document.MarginBottom());
    QImage image(static_cast<int>(8.5 * 40), 11 * 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(std::lround(40 / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(40 / 0.0254)));
    {
        QPainter painter(&image);
        PaintSectorMapPage(painter, mapPage, DrawSectorMap(sector));
    }
    const auto device = [](double twips) { return static_cast<int>(twips * 40 / 1440); };
    const QRect box(device(mapPage.mapBox.left()), device(mapPage.mapBox.top()),
                    device(mapPage.mapBox.width()), device(mapPage.mapBox.height()));
    EXPECT_TRUE(Ink(image, box));
    EXPECT_TRUE(Ink(image, QRect(box.left(), box.top() - 40, box.width(), 38))); // the title and options
}

// The texts of a page's paragraphs from top, those that start at or below
// top, each checked to lie inside the page's margins.
std::vector<QString> ParagraphsBelow(const ReportDocument& page, double top)
{
    std::vector<QString> texts;
    for (const ReportParagraph* paragraph : page.ItemsOf<ReportParagraph>()) {
        if (paragraph->Box.top() < top)
            continue;
        EXPECT_LE(paragraph->Box.bottom(), page.PageHeight() - page.MarginBottom())
            << paragraph->Text.toStdString();
        texts.push_back(paragraph->Text);
    }
    return texts;
}

// The paragraphs of notes laid out after a report (from below on its first
// page), without the title of each page that continues them.
std::vector<QString> NotesParagraphs(const std::vector<ReportDocument>& pages, double below,
                                     const QString& continued)
{
    std::vector<QString> texts;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // The report's own page may have no room left.
        std::vector<QString> page = ParagraphsBelow(pages[i], i == 0 ? below : 0);
        EXPECT_TRUE(i == 0 || !page.empty()) << i;
        EXPECT_TRUE(page.empty() || page.back() != "Notes") << "a heading ends page " << i;
        if (i > 0 && !page.empty()) {
            EXPECT_EQ(page.front(), continued);
            page.erase(page.begin());
        }
        texts.insert(texts.end(), page.begin(), page.end());
    }
    return texts;
}

// A hex's notes go below its report, a line a paragraph, and what does not fit
// onto pages of their own, with a heading never left at a page's foot; the
// notes of empty hexes close the book.
TEST(SectorBook, NotesFollowTheReportAndFlowOntoPagesOfTheirOwn)
{
    Sector sector = GenerateSector({12, 3, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    const ReportDocument report = SectorSystemPage(sector.systems[0], AppSettings(), '.');
    const double below = report.CurrentY();
    const QString more = "0101 Vega: notes, continued";
    EXPECT_EQ(NotesParagraphs(PagesWithNotes(report, "One\r\nTwo\t2\x07\n\nFour\n", more), below, more),
              (std::vector<QString>{"Notes", "One", "Two\t2", " ", "Four"}));
    EXPECT_EQ(PagesWithNotes(report, "", more).size(), 1u);
    // Where there is room, on the page itself.
    const ReportDocument roomy = BuildSectorMapPage(sector).document;
    const std::vector<ReportDocument> one = PagesWithNotes(roomy, "Short.", more);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(ParagraphsBelow(one[0], roomy.CurrentY()), (std::vector<QString>{"Notes", "Short."}));

    std::string notes;
    for (int line = 0; line < 150; ++line)
        notes += std::string(40, 'w') + " " + std::to_string(line) + std::string(200, ' ') + "x\n";
    notes += std::string(5000, 'z');
    const std::vector<ReportDocument> pages = PagesWithNotes(report, notes, more);
    EXPECT_GE(pages.size(), 3u);
    std::size_t letters = 0;
    for (const QString& text : NotesParagraphs(pages, below, more)) {
        EXPECT_LE(text.size(), 1000);
        letters += static_cast<std::size_t>(text.count(QLatin1Char('w')) + text.count(QLatin1Char('z')));
    }
    EXPECT_EQ(letters, std::size_t{150 * 40 + 5000});

    // Empty hexes' notes: a section of their own, each under its hex.
    EXPECT_TRUE(EmptyHexNotesPages(sector).empty());
    sector.options.height = 3; // row 3 stands empty
    sector.SetNotes({2, 3}, "A nebula.");
    sector.SetNotes({1, 3}, "A station.");
    sector.SetNotes(sector.systems[0].hex, notes);
    const std::vector<ReportDocument> closing = EmptyHexNotesPages(sector);
    ASSERT_EQ(closing.size(), 1u);
    EXPECT_EQ(ParagraphsBelow(closing[0], 0),
              (std::vector<QString>{"Notes", "0103", "A station.", "0203", "A nebula."}));

    const std::string pdf = SectorBookPdf(sector, AppSettings(), '.').toStdString();
    const std::regex page("/Type /Page[^s]");
    EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), {}),
              static_cast<long>(sector.systems.size() + pages.size() + closing.size()));
}

} // namespace
} // namespace kelvane
