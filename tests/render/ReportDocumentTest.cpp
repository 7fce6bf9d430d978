#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "render/ReportDocument.h"
#include "render/ReportOutput.h"

namespace kelvane {
namespace {

constexpr Colour Cyan = 0xFFFF00;
constexpr Colour Grey = 0xD2D2D2;

// Where ink (anything not white) lies inside a region of an image.
QRect InkIn(const QImage& image, const QRect& region)
{
    QRect ink;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QPoint Pixel(const QPointF& twips, double dpi)
{
    return QPoint(static_cast<int>(std::lround(TwipsToDevice(twips.x(), dpi))),
                  static_cast<int>(std::lround(TwipsToDevice(twips.y(), dpi))));
}

QRect Pixels(const QRectF& twips, double dpi)
{
    return QRect(Pixel(twips.topLeft(), dpi), Pixel(twips.bottomRight(), dpi) - QPoint(1, 1));
}

ReportDocument Started()
{
    ReportDocument document;
    document.SetMargins(InchTwips(1), InchTwips(1), InchTwips(0.5), InchTwips(0.5));
    document.StartDoc();
    return document;
}

TEST(ReportDocument, ParagraphsAndTablesFollowOneAnother)
{
    ReportDocument document = Started();
    EXPECT_EQ(document.CurrentX(), 1440);
    EXPECT_EQ(document.CurrentY(), 720);

    document.Paragraph(QStringLiteral("First"));
    const double afterFirst = document.CurrentY();
    document.Paragraph(QString());
    // An empty paragraph is an empty line, as high as a line of text.
    EXPECT_GT(afterFirst, 720 + 150);
    EXPECT_DOUBLE_EQ(document.CurrentY() - afterFirst, afterFirst - 720);

    ReportTable table(2, 2);
    table.SetColumnWidth(1, 720);
    table.SetColumnWidth(2, 2880);
    table.Cell(1, 1).Text = QStringLiteral("several words that cannot fit half an inch");
    table.Cell(2, 2).Text = QStringLiteral("one line");
    const double tableTop = document.CurrentY();
    document.AddTable(table);

    const auto* placed = document.ItemsOf<ReportTable>().at(0);
    EXPECT_EQ(placed->CellRect(1, 1), QRectF(1440, tableTop, 720, placed->CellRect(1, 1).height()));
    EXPECT_EQ(placed->CellRect(1, 2).left(), 1440 + 720);
    EXPECT_EQ(placed->CellRect(2, 1).top(), placed->CellRect(1, 1).bottom());
    // The wrapped cell makes its whole row taller than the one-line row.
    EXPECT_GT(placed->CellRect(1, 2).height(), 2 * placed->CellRect(2, 2).height());
    EXPECT_EQ(document.CurrentY(), placed->Bounds().bottom());

    // Starting again empties the document.
    document.StartDoc();
    EXPECT_TRUE(document.Items().empty());
    EXPECT_EQ(document.CurrentY(), 720);
}

// A page with a filled cell, a grey text box running down the right margin,
// a paragraph of capitals and a three-part header.
ReportDocument ProbePage()
{
    ReportDocument document = Started();
    document.SetHeader(QStringLiteral("Left|Centre|Right"));
    document.Paragraph(QStringLiteral("HHHHHHHH"));
    ReportTable table(2, 1);
    table.Cell(1, 1).BackColor = Cyan;
    table.Cell(1, 2).Text = QStringLiteral("x");
    document.AddTable(table);
    document.SetTextAngle(2700);
    document.SetTextColor(Grey);
    document.SetTextAlignment(Qt::AlignCenter);
    document.SetFontSize(20);
    document.TextBox(QStringLiteral("Down the margin"), InchTwips(7.75), InchTwips(1), InchTwips(9),
                     InchTwips(0.5));
    return document;
}

TEST(ReportDocument, PaintsInTwipsAtEveryResolution)
{
    const ReportDocument document = ProbePage();
    const QImage low = ReportPageImage(document, 96);
    const QImage high = ReportPageImage(document, 192);
    ASSERT_EQ(low.size(), QSize(816, 1056));
    ASSERT_EQ(high.size(), QSize(1632, 2112));

    // The cell is filled where its twips say, at both resolutions.
    const QRectF cell = document.ItemsOf<ReportTable>().at(0)->CellRect(1, 1);
    EXPECT_EQ(low.pixel(Pixel(cell.center(), 96)), qRgb(0, 255, 255));
    EXPECT_EQ(high.pixel(Pixel(cell.center(), 192)), qRgb(0, 255, 255));
    EXPECT_EQ(low.pixel(Pixel(cell.topLeft() - QPointF(60, 60), 96)), qRgb(255, 255, 255));

    // 10-point capitals are about 0.1 inch high, twice as many pixels at
    // twice the resolution: sized once, not scaled twice.
    const QRectF paragraph = document.ItemsOf<ReportParagraph>().at(0)->Box;
    // The table's top line lies on the paragraph's bottom edge: left out.
    const QRect lowInk = InkIn(low, Pixels(paragraph, 96).adjusted(0, 0, 0, -2));
    const QRect highInk = InkIn(high, Pixels(paragraph, 192).adjusted(0, 0, 0, -4));
    EXPECT_NEAR(lowInk.height(), 0.7 * 10 / 72 * 96, 1.5);
    EXPECT_NEAR(highInk.height(), 2.0 * lowInk.height(), 2.5);
    EXPECT_NEAR(highInk.width(), 2.0 * lowInk.width(), 3);
}

TEST(ReportDocument, TextBoxAndHeaderLandWhereTheyBelong)
{
    const ReportDocument document = ProbePage();
    const QImage page = ReportPageImage(document, 96);

    // The turned title: light grey letters inside its box in the right
    // margin, running down the page, and nothing of it outside.
    const QRect box = Pixels(document.ItemsOf<ReportTextBox>().at(0)->PageBox, 96);
    EXPECT_EQ(box, QRect(744, 96, 48, 864));
    const QRect ink = InkIn(page, box.adjusted(-20, -20, 20, 20));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(box.contains(ink));
    EXPECT_GT(ink.height(), 4 * ink.width());
    int grey = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            grey += page.pixel(x, y) == qRgb(210, 210, 210);
    EXPECT_GT(grey, 20);

    // "Left|Centre|Right": one part at each side and one in the middle of
    // the top margin.
    const QRect band(96, 0, 816 - 192, 48);
    const QRect header = InkIn(page, band);
    EXPECT_LT(header.left(), 96 + 4);
    EXPECT_GT(header.right(), 816 - 96 - 4);
    EXPECT_FALSE(InkIn(page, QRect(408 - 5, 0, 10, 48)).isEmpty());
    EXPECT_TRUE(InkIn(page, QRect(200, 0, 100, 48)).isEmpty());
}

} // namespace
} // namespace kelvane
