#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "core/drawing/OrbitalDisplay.h"
#include "core/model/RandomSource.h"
#include "render/ReportOutput.h"
#include "render/SystemReport.h"

namespace kelvane {
namespace {

using namespace std::string_view_literals;

constexpr Colour White = 0xFFFFFF;
constexpr Colour Blue = 0xFF0000;

Distance AU(double value)
{
    return Distance::FromDouble(value);
}

// Vega, zone 0.75 to 1.2 AU, with one orbit of every kind the orbit table
// tells apart. Empty orbits and belts keep moons and letters from before,
// which the table must not show.
StarSystem Vega()
{
    StarSystem system;
    system.SystemName = "Vega";
    system.SystemType = 1;
    system.StarClass = ClassMainSequence;
    system.StarType = StarYellow;
    system.BiozoneMin = AU(0.75);
    system.BiozoneMax = AU(1.2);
    const double distances[] = {0.75, 0.9, 1.2, 1.6, 1.2001, 2, 5.2, 9, 14, 30.25};
    for (int n = 1; n <= 10; ++n)
        system.Orbit(n).AU = AU(distances[n - 1]);
    system.Orbit(1) = {TypeEnvExcellent, 6, 0, "A"sv, AU(0.75), 10, 10, 10, 10};
    system.Orbit(2) = {TypeEnvGood, 7, 3, "AB D"sv, AU(0.9), 20, 20, 20, 20};
    system.Orbit(3) = {TypeEnvPoor, 8, 1, "C"sv, AU(1.2), 30, 30, 30, 30};
    system.Orbit(4) = {TypeNothing, 0, 7, "XYZ"sv, AU(1.6), 0, 0, 0, 0};
    system.Orbit(6) = {TypeEnvNone, 9, 2, "E"sv, AU(2), 40, 40, 40, 40};
    system.Orbit(7) = {TypeAsteroids, 0, 2, "ABC"sv, AU(5.2), 0, 0, 0, 0};
    system.Orbit(9) = {12345, 9, 4, "Q"sv, AU(14), 50, 50, 50, 50};
    return system;
}

ReportDocument Report(const StarSystem& system, const AppSettings& settings = {})
{
    RandomSource random = RandomSource::Deterministic(0);
    return BuildSystemReport(system, settings, ReportPictureBackColor(settings), random, ',');
}

// The three tables: star, orbit heading, orbits.
std::vector<const ReportTable*> Tables(const ReportDocument& document)
{
    auto tables = document.ItemsOf<ReportTable>();
    EXPECT_EQ(tables.size(), 3u);
    return tables;
}

// The texts of one row, joined by "|".
QString Row(const ReportTable& table, int row)
{
    QStringList cells;
    for (int column = 1; column <= table.Columns(); ++column)
        cells << table.Cell(row, column).Text;
    return cells.join(QLatin1Char('|'));
}

TEST(SystemReport, TitleStarTableAndRunningTexts)
{
    const ReportDocument document = Report(Vega());
    EXPECT_EQ(document.Header(), "Kelvane System Report");
    EXPECT_EQ(document.Footer(), "Kelvane||kelvane.example.org");
    EXPECT_EQ(document.HeaderFont(), (ReportFont{"Arial", 8}));
    EXPECT_EQ(document.MarginLeft(), 1080);
    EXPECT_EQ(document.MarginTop(), 720);

    const auto paragraphs = document.ItemsOf<ReportParagraph>();
    ASSERT_EQ(paragraphs.size(), 2u);
    EXPECT_EQ(paragraphs[0]->Text, "Vega");
    EXPECT_EQ(paragraphs[0]->Lines.Font, (ReportFont{"Arial", 17.5}));
    EXPECT_EQ(paragraphs[0]->Box.topLeft(), QPointF(1080, 720));
    EXPECT_EQ(paragraphs[1]->Text, "");

    const auto tables = Tables(document);
    const ReportTable& star = *tables[0];
    EXPECT_EQ(star.Font(), (ReportFont{"Arial", 10}));
    EXPECT_EQ(Row(star, 1), "Star Type|Yellow (G)|Star Class|Main Sequence (V)");
    // A blank, .75, a blank, to, two blanks, 1.2, a blank, AUs.
    EXPECT_EQ(Row(star, 2), "Habitable Zone| .75 to  1.2 AUs||");
    EXPECT_EQ(star.CellRect(1, 4).right() - star.CellRect(1, 1).left(), 1.5 * 1440 * 2 + 1.75 * 1440 * 2);
    for (auto [row, column] : {std::pair{1, 1}, {1, 3}, {2, 1}})
        EXPECT_EQ(star.Cell(row, column).BackColor, ReportLightGrey);
    for (auto [row, column] : {std::pair{1, 2}, {1, 4}, {2, 2}, {2, 3}})
        EXPECT_FALSE(star.Cell(row, column).BackColor);

    const ReportTable& heading = *tables[1];
    EXPECT_EQ(Row(heading, 1), "Orbit|Contains|Environment|Moons|AUs|Elements Available");
    for (int column = 1; column <= 6; ++column) {
        EXPECT_EQ(heading.Cell(1, column).BackColor, ReportLightGrey);
        EXPECT_EQ(heading.ColumnWidth(column), tables[2]->ColumnWidth(column));
        const bool middle = column >= 2 && column <= 5;
        EXPECT_EQ(heading.ColumnAlignment(column) == Qt::AlignCenter, middle) << column;
        EXPECT_EQ(tables[2]->ColumnAlignment(column) == Qt::AlignCenter, middle) << column;
    }
}

TEST(SystemReport, OrbitRowsByContents)
{
    const ReportDocument document = Report(Vega());
    const ReportTable& orbits = *Tables(document)[2];
    ASSERT_EQ(orbits.Rows(), 10);
    // Distances in the user's decimal separator (a comma here).
    EXPECT_EQ(Row(orbits, 2), "2|Planet|Good|3|0,9|AB D                      ");
    EXPECT_EQ(Row(orbits, 4), "4||||1,6|");
    EXPECT_EQ(Row(orbits, 6), "6|Planet|None|2|2,0|E                         ");
    EXPECT_EQ(Row(orbits, 7), "7|Asteroids|||5,2|ABC                       ");
    // A type outside the table: no contents, but its moons and letters.
    EXPECT_EQ(Row(orbits, 9), "9|||4|14,0|Q                         ");
    EXPECT_EQ(Row(orbits, 10), "10||||30,3|");
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(orbits.CellFont(n, 6).Name, "Courier New");
}

TEST(SystemReport, CellColoursFollowColoredText)
{
    const StarSystem system = Vega();
    const ReportDocument document = Report(system);
    const ReportTable& coloured = *Tables(document)[2];
    const Colour environment[] = {Blue, 0xFFFF00, 0x00FFFF, White, White, White, White, White, White, White};
    // Both edges of the zone belong to it; 1.2001 does not.
    const Colour distance[] = {Blue, Blue, Blue, White, White, White, White, White, White, White};
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(coloured.Cell(n, 3).BackColor, environment[n - 1]) << n;
        EXPECT_EQ(coloured.Cell(n, 5).BackColor, distance[n - 1]) << n;
        EXPECT_FALSE(coloured.Cell(n, 2).BackColor);
    }

    // Without coloured text the cells stay unfilled; the texts and the grey
    // headings stay as they were.
    AppSettings settings;
    settings.ColorText = 0;
    const ReportDocument plain = Report(system, settings);
    const auto tables = Tables(plain);
    for (int n = 1; n <= 10; ++n) {
        EXPECT_FALSE(tables[2]->Cell(n, 3).BackColor) << n;
        EXPECT_FALSE(tables[2]->Cell(n, 5).BackColor) << n;
        EXPECT_EQ(Row(*tables[2], n), Row(coloured, n));
    }
    EXPECT_EQ(tables[1]->Cell(1, 3).BackColor, ReportLightGrey);
}

TEST(SystemReport, PictureOnGreyOrBlackAndTheBackgroundAfterwards)
{
    AppSettings settings;
    settings.OrbitDisplay = OrbitDisplayComplete;
    EXPECT_EQ(ReportPictureBackColor(settings), ReportLightGrey);
    EXPECT_EQ(AfterReportBackColor(settings), 0);

    RandomSource random = RandomSource::Deterministic(0);
    DrawingSurface drawing;
    const ReportDocument grey =
        BuildSystemReport(Vega(), settings, ReportPictureBackColor(settings), random, '.', drawing);
    const auto pictures = grey.ItemsOf<ReportPicture>();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->FillColor, ReportLightGrey);
    EXPECT_EQ(pictures[0]->Picture.BackColor(), ReportLightGrey);
    // Drawn anew onto the surface given, in the display style of the options.
    EXPECT_EQ(drawing.Extents(), (LogicalExtents{-500, 1000, -500, 1000}));
    EXPECT_EQ(pictures[0]->Picture.Shapes(), drawing.Shapes());
    EXPECT_FALSE(drawing.Shapes().empty());

    // 9000 twips square under the title; the tables 180 twips below it.
    const QRectF title = grey.ItemsOf<ReportParagraph>().at(0)->Box;
    EXPECT_EQ(pictures[0]->Box, QRectF(1080, title.bottom(), 9000, 9000));
    EXPECT_EQ(grey.ItemsOf<ReportTable>().at(0)->Bounds().top(), title.bottom() + 9180);

    settings.SwapBW = 0;
    EXPECT_EQ(ReportPictureBackColor(settings), 0);
    EXPECT_EQ(AfterReportBackColor(settings), White);
    EXPECT_EQ(Report(Vega(), settings).ItemsOf<ReportPicture>().at(0)->FillColor, 0);
}

TEST(SystemReport, NamesInTheTitleAndDownTheMargin)
{
    StarSystem system = Vega();
    system.SystemName.clear();
    const ReportDocument unnamed = Report(system);
    EXPECT_EQ(unnamed.ItemsOf<ReportParagraph>().at(0)->Text, "Unnamed System");
    const auto sides = unnamed.ItemsOf<ReportTextBox>();
    ASSERT_EQ(sides.size(), 1u);
    const ReportTextBox& side = *sides[0];
    EXPECT_EQ(side.Text, "Unnamed System");
    EXPECT_EQ(side.AngleTenths, 2700);
    EXPECT_EQ(side.TextColor, ReportLightGrey);
    EXPECT_EQ(side.Alignment, Qt::AlignCenter);
    EXPECT_EQ(side.Lines.Font, (ReportFont{"Arial", 20}));
    EXPECT_EQ(side.PageBox, QRectF(7.75 * 1440, 0.75 * 1440, 0.5 * 1440, 9 * 1440));
    // The header does not take the name.
    EXPECT_EQ(unnamed.Header(), "Kelvane System Report");

    // A name written in an older single-byte code page, and a name far too
    // long for one line, which must not push the tables off the page.
    system.SystemName = "Proxima \xE9toile " + std::string(300, 'W');
    const ReportDocument longName = Report(system);
    const ReportParagraph& title = *longName.ItemsOf<ReportParagraph>().at(0);
    EXPECT_TRUE(title.Text.startsWith(QStringLiteral("Proxima \u00E9toile WWW")));
    EXPECT_TRUE(title.Text.endsWith(QChar(0x2026)));
    EXPECT_EQ(title.Lines.Lines.size(), 1u);
    EXPECT_EQ(longName.ItemsOf<ReportTextBox>().at(0)->Lines.Lines.size(), 1u);
    const double bottom = longName.ItemsOf<ReportTable>().at(2)->Bounds().bottom();
    EXPECT_LE(bottom, longName.PageHeight() - longName.MarginBottom());
}

// The page as printed at 96 dpi, probed where the colour is the behaviour.
TEST(SystemReport, PagePixels)
{
    AppSettings settings; // grey for black, coloured text
    settings.VisibleOrbits = 0;
    const ReportDocument document = Report(Vega(), settings);
    const QImage page = ReportPageImage(document, 96);
    ASSERT_EQ(page.size(), QSize(816, 1056));
    const auto at = [&](const QPointF& twips) {
        return page.pixel(static_cast<int>(std::lround(TwipsToDevice(twips.x(), 96))),
                          static_cast<int>(std::lround(TwipsToDevice(twips.y(), 96))));
    };

    // The picture: 600 pixels square of light grey, the star at the middle of
    // its left edge.
    const QRectF picture = document.ItemsOf<ReportPicture>().at(0)->Box;
    EXPECT_EQ(TwipsToDevice(picture.width(), 96), 600);
    EXPECT_EQ(at(picture.topLeft() + QPointF(150, 150)), qRgb(210, 210, 210));
    EXPECT_EQ(at(picture.bottomRight() - QPointF(150, 150)), qRgb(210, 210, 210));
    EXPECT_EQ(at(QPointF(picture.left() + 150, picture.center().y())), qRgb(255, 255, 0));

    // Orbit 2's environment cell is cyan and its distance cell blue, away
    // from their centred texts.
    const ReportTable& orbits = *document.ItemsOf<ReportTable>().at(2);
    const QRectF good = orbits.CellRect(2, 3);
    EXPECT_EQ(at(QPointF(good.left() + 100, good.center().y())), qRgb(0, 255, 255));
    const QRectF near = orbits.CellRect(2, 5);
    EXPECT_EQ(at(QPointF(near.left() + 100, near.center().y())), qRgb(0, 0, 255));
    // A grey heading cell.
    const QRectF heading = document.ItemsOf<ReportTable>().at(1)->CellRect(1, 6);
    EXPECT_EQ(at(QPointF(heading.right() - 100, heading.center().y())), qRgb(210, 210, 210));

    // The side title: light grey ink in the right margin beside the tables.
    int grey = 0;
    for (int y = 72; y < 936; ++y)
        for (int x = 744; x < 792; ++x)
            grey += page.pixel(x, y) == qRgb(210, 210, 210);
    EXPECT_GT(grey, 50);
    // The margin outside it stays white.
    EXPECT_EQ(page.pixel(800, 500), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(740, 40), qRgb(255, 255, 255));
}

} // namespace
} // namespace kelvane
