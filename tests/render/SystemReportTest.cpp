#include <gtest/gtest.h>

#include <QImage>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/drawing/OrbitalDisplay.h"
#include "core/model/RandomSource.h"
#include "render/ReportOutput.h"
#include "render/ReportText.h"
#include "render/SystemReport.h"

namespace kelvane {
namespace {

constexpr Colour White = 0xFFFFFF;
constexpr Colour Blue = 0xFF0000;

// An unnamed yellow star, zone 0.75 to 1.2 AU, one orbit of each kind the table
// tells apart; empty orbits and belts keep moons and letters it must not show.
StarSystem Unnamed()
{
    StarSystem system;
    system.SystemType = 1;
    system.StarClass = ClassMainSequence;
    system.StarType = StarYellow;
    system.BiozoneMin = Distance::FromDouble(0.75);
    system.BiozoneMax = Distance::FromDouble(1.2);
    const std::tuple<std::int32_t, std::int16_t, std::string_view, double> orbits[] = {
        {TypeEnvExcellent, 0, "A", 0.75}, {TypeEnvGood, 3, "AB D", 0.9}, {TypeEnvPoor, 1, "C", 1.2},
        {TypeNothing, 7, "XYZ", 1.6},     {TypeNothing, 0, "", 1.2001},  {TypeEnvNone, 2, "E", 2},
        {TypeAsteroids, 2, "ABC", 5.2},   {TypeNothing, 0, "", 9},       {12345, 4, "Q", 14},
        {TypeNothing, 0, "", 30.25}};
    for (int n = 1; n <= 10; ++n) {
        const auto& [type, moons, elements, au] = orbits[n - 1];
        system.Orbit(n) = {type, 6, moons, elements, Distance::FromDouble(au), 10, 10, 10, 10};
    }
    return system;
}

ReportDocument Report(const StarSystem& system, const AppSettings& settings = {})
{
    RandomSource random = RandomSource::Deterministic(0);
    return BuildSystemReport(system, settings, ReportPictureBackColor(settings), random, ',');
}

// The bounds of the ink (not white) in a region of a page, and its darkest value.
std::pair<QRect, int> InkIn(const QImage& page, const QRect& region)
{
    QRect ink;
    int darkest = 255;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (const QRgb pixel = page.pixel(x, y); pixel != qRgb(255, 255, 255)) {
                ink |= QRect(x, y, 1, 1);
                darkest = std::min({darkest, qRed(pixel), qGreen(pixel), qBlue(pixel)});
            }
    return {ink, darkest};
}

TEST(SystemReport, TextsColoursPictureAndLayout)
{
    AppSettings settings, plain;
    settings.OrbitDisplay = OrbitDisplayStyle::Complete;
    plain.ColorText = 0;
    const ReportDocument document = Report(Unnamed(), settings), uncoloured = Report(Unnamed(), plain);
    EXPECT_EQ(document.Header(), "Kelvane System Report");
    EXPECT_EQ(document.Footer(), "Kelvane||kelvane.example.org");
    EXPECT_EQ(document.ItemsOf<ReportParagraph>().at(0)->Text, "Unnamed System");
    EXPECT_EQ(document.ItemsOf<ReportTextBox>().at(0)->Text, "Unnamed System");
    // Star, orbit heading and orbits; each row's texts joined by "|".
    const auto tables = document.ItemsOf<ReportTable>(), plainTables = uncoloured.ItemsOf<ReportTable>();
    ASSERT_TRUE(tables.size() == 3 && plainTables.size() == 3 && tables[2]->Rows() == 10);
    const auto row = [](const ReportTable* table, int n) {
        QStringList cells;
        for (int column = 1; column <= table->Columns(); ++column)
            cells << table->Cell(n, column).Text;
        return cells.join(QLatin1Char('|'));
    };
    EXPECT_EQ(row(tables[0], 1), "Star Type|Yellow (G)|Star Class|Main Sequence (V)");
    EXPECT_EQ(row(tables[0], 2), "Habitable Zone| .75 to  1.2 AUs||");
    for (const auto& [r, column] : {std::pair{1, 1}, {1, 3}, {2, 1}})
        EXPECT_EQ(tables[0]->Cell(r, column).BackColor, ReportLightGrey);
    EXPECT_FALSE(tables[0]->Cell(1, 2).BackColor || tables[0]->Cell(2, 2).BackColor);
    EXPECT_EQ(row(tables[1], 1), "Orbit|Contains|Environment|Moons|AUs|Elements Available");
    for (int column = 1; column <= 6; ++column) {
        EXPECT_EQ(tables[1]->Cell(1, column).BackColor, ReportLightGrey);
        EXPECT_EQ(tables[1]->ColumnWidth(column), tables[2]->ColumnWidth(column));
    }

    // Distances in the user's decimal separator; elements in a fixed font.
    // The environment cell takes the environment's colour, the distance cell
    // is blue inside the zone, both edges included; without coloured text
    // neither is filled.
    const std::tuple<const char*, Colour, Colour> rows[] = {
        {"1|Planet|Excellent|0|0,8|A                         ", Blue, Blue},
        {"2|Planet|Good|3|0,9|AB D                      ", 0xFFFF00, Blue},
        {"3|Planet|Poor|1|1,2|C                         ", 0x00FFFF, Blue},
        {"4||||1,6|", White, White},
        {"5||||1,2|", White, White},
        {"6|Planet|None|2|2,0|E                         ", White, White},
        {"7|Asteroids|||5,2|ABC                       ", White, White},
        {"8||||9,0|", White, White},
        {"9|||4|14,0|Q                         ", White, White}, // not an orbit type
        {"10||||30,3|", White, White}};
    for (int n = 1; n <= 10; ++n) {
        const auto& [text, environment, distance] = rows[n - 1];
        EXPECT_EQ(row(tables[2], n), text);
        EXPECT_EQ(row(plainTables[2], n), text);
        EXPECT_EQ(tables[2]->Cell(n, 3).BackColor, environment) << n;
        EXPECT_EQ(tables[2]->Cell(n, 5).BackColor, distance) << n;
        EXPECT_FALSE(plainTables[2]->Cell(n, 3).BackColor || plainTables[2]->Cell(n, 5).BackColor) << n;
        EXPECT_EQ(tables[2]->CellFont(n, 6).Name, "Courier New");
    }

    // The picture on light grey for black, in the display style of the options,
    // and DisplayBackColor black afterwards; otherwise on black, then white.
    const ReportPicture& picture = *document.ItemsOf<ReportPicture>().at(0);
    EXPECT_EQ(std::tuple(picture.FillColor, picture.Picture.BackColor(), AfterReportBackColor(settings)),
              std::tuple(ReportLightGrey, ReportLightGrey, 0));
    EXPECT_EQ(picture.Picture.Extents(), (LogicalExtents{-500, 1000, -500, 1000}));
    settings.SwapBW = 0;
    EXPECT_EQ(Report(Unnamed(), settings).ItemsOf<ReportPicture>().at(0)->FillColor, 0);
    EXPECT_EQ(AfterReportBackColor(settings), White);

    // 9000 twips square under the title, the tables 180 twips below it; the
    // side title turned to run down the page in light grey.
    const QRectF title = document.ItemsOf<ReportParagraph>().at(0)->Box;
    EXPECT_EQ(picture.Box, QRectF(1080, title.bottom(), 9000, 9000));
    EXPECT_EQ(tables[0]->Bounds().top(), title.bottom() + 9180);
    const ReportTextBox& side = *document.ItemsOf<ReportTextBox>().at(0);
    EXPECT_EQ(std::tuple(side.AngleTenths, side.TextColor, side.Lines.Font),
              std::tuple(2700, ReportLightGrey, ReportFont{"Arial", 20}));

    // A name in an older single-byte code page, far too long for one line,
    // is cut short so that the tables stay on the letter page.
    StarSystem system = Unnamed();
    system.SystemName = "Proxima \xE9toile " + std::string(300, 'W');
    const ReportDocument longName = Report(system);
    const ReportParagraph& cut = *longName.ItemsOf<ReportParagraph>().at(0);
    EXPECT_TRUE(cut.Text.startsWith(QStringLiteral("Proxima \u00E9toile WWW")) &&
                cut.Text.endsWith(QChar(0x2026)));
    EXPECT_EQ(cut.Lines.Lines.size() + longName.ItemsOf<ReportTextBox>().at(0)->Lines.Lines.size(), 2u);
    EXPECT_LE(longName.ItemsOf<ReportTable>().at(2)->Bounds().bottom(),
              longName.PageHeight() - longName.MarginBottom());

    // An absurd name, too long for Qt to measure whole, is cut and elided
    // like any other, the PDF's title included; a UTF-8 name stays UTF-8.
    system.SystemName = "\xC3\xA9" + std::string(1 << 18, 'W');
    const ReportDocument absurd = Report(system);
    for (const TextLines* lines :
         {&absurd.ItemsOf<ReportParagraph>().at(0)->Lines, &absurd.ItemsOf<ReportTextBox>().at(0)->Lines}) {
        ASSERT_EQ(lines->Lines.size(), 1u);
        EXPECT_TRUE(lines->Lines[0].startsWith(QStringLiteral("\u00E9WWW")) &&
                    lines->Lines[0].endsWith(QChar(0x2026)))
            << lines->Lines[0].size();
    }
    EXPECT_EQ(ReportTitle(system),
              QStringLiteral("\u00E9") + QString(MaxTitleCharacters - 1, 'W') + QChar(0x2026));
}

// The lines one layout of the whole text gives: the reference for breaking
// long texts in pieces.
std::vector<QString> LinesOfOneLayout(const QString& text, const ReportFont& font, double width)
{
    QTextLayout layout(text, TwipsFont(font));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    std::vector<QString> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.push_back(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return lines;
}

TEST(ReportText, LongTextsBreakAsInOneLayout)
{
    // Words of many lengths, a word longer than a line, one longer than the
    // pieces the text is laid out in, and a character of two UTF-16 units
    // where a piece would end.
    QString words;
    for (int i = 0; words.size() < 20000; ++i)
        words +=
            QString((i * 7919) % 23 + 1, QChar('a' + i % 26)) + (i % 97 == 0 ? QString(300, 'M') : "") + ' ';
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    for (const QString& text :
         {words, QString(10000, 'W'), QString(4095, 'W') + emoji + QString(5000, 'W')}) {
        const TextLines lines = BreakLines(text, ReportFont{}, 7200);
        EXPECT_EQ(lines.Lines, LinesOfOneLayout(text, ReportFont{}, 7200)) << text.size();
        EXPECT_EQ(lines.Lines.size(), lines.Widths.size());
    }
}

// The page as printed, probed where the colour or the place is the behaviour.
TEST(SystemReport, PagePixels)
{
    const ReportDocument document = Report(Unnamed()); // grey for black, coloured text
    const QImage page = ReportPageImage(document, 96), fine = ReportPageImage(document, 192);
    ASSERT_EQ(page.size(), QSize(816, 1056));
    const auto px = [](double twips, double dpi = 96) {
        return static_cast<int>(std::lround(twips * dpi / 1440));
    };
    const auto at = [&](double x, double y) { return page.pixel(px(x), px(y)); };

    // The picture light grey, the star yellow at the middle of its left edge;
    // orbit 2's environment cell cyan, its distance cell blue; a grey heading.
    const QRectF picture = document.ItemsOf<ReportPicture>().at(0)->Box;
    EXPECT_EQ(at(picture.left() + 150, picture.top() + 150), qRgb(210, 210, 210));
    EXPECT_EQ(at(picture.right() - 150, picture.bottom() - 150), qRgb(210, 210, 210));
    EXPECT_EQ(at(picture.left() + 150, picture.center().y()), qRgb(255, 255, 0));
    const auto tables = document.ItemsOf<ReportTable>();
    const QRectF good = tables.at(2)->CellRect(2, 3), near = tables.at(2)->CellRect(2, 5);
    const QRectF heading = tables.at(1)->CellRect(1, 6);
    EXPECT_EQ(at(good.left() + 100, good.center().y()), qRgb(0, 255, 255));
    EXPECT_EQ(at(near.left() + 100, near.center().y()), qRgb(0, 0, 255));
    EXPECT_EQ(at(heading.right() - 100, heading.center().y()), qRgb(210, 210, 210));

    // The side title: light grey, inside its margin box, centred, running down.
    const auto [side, darkest] = InkIn(page, QRect(744, 0, 72, 1056));
    EXPECT_EQ(darkest, 210);
    EXPECT_TRUE(QRect(744, 72, 48, 864).contains(side)) << side.x() << ", " << side.y();
    EXPECT_GT(side.height(), 2 * side.width());
    EXPECT_NEAR(side.center().y(), 504, 3);

    // Text sized once, in twips: the 17.5-point title is about 21 pixels high.
    const QRectF box = document.ItemsOf<ReportParagraph>().at(0)->Box;
    EXPECT_NEAR(InkIn(page, QRect(px(box.left()), px(box.top()), 600, px(box.height()) - 2)).first.height(),
                21, 3);
    // At 192 dpi the screen's one-pixel orbit lines are two pixels wide: orbit
    // 2 crosses the centre line 276 pixels right of the star.
    const int lineX = px(picture.left(), 192) + 276, lineY = px(picture.center().y(), 192);
    for (int x = lineX - 2; x <= lineX + 1; ++x)
        EXPECT_NEAR(qRed(fine.pixel(x, lineY)), x == lineX - 2 || x == lineX + 1 ? 210 : 150, 2) << x - lineX;
}

} // namespace
} // namespace kelvane
