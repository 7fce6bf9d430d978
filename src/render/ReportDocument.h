#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

#include "core/drawing/DrawingSurface.h"
#include "core/model/Codes.h"
#include "render/ReportText.h"
#include "render/ReportUnits.h"

namespace kelvane {

// A paragraph placed on the page: its text broken into lines across the
// width from its left edge to the right margin.
struct ReportParagraph {
    QString Text;
    QRectF Box; // twips
    TextLines Lines;
    Colour TextColor = 0;
};

// One cell of a table. Without a background the paper shows; without a font
// name the cell takes the table's font.
struct ReportCell {
    QString Text;
    std::optional<Colour> BackColor;
    QString FontName;
};

// A table: filled cell by cell, then added to a document, which places it at
// its current position. Rows and columns are numbered from 1. Columns are as
// wide as they are set (1 inch unless set); every row is as high as its
// tallest cell, whose text wraps inside its column.
class ReportTable {
public:
    ReportTable(int columns, int rows);

    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }

    void SetColumnWidth(int column, double twips);
    double ColumnWidth(int column) const;
    // Left and vertically centred unless set.
    void SetColumnAlignment(int column, Qt::Alignment alignment);
    Qt::Alignment ColumnAlignment(int column) const;

    ReportCell& Cell(int row, int column);
    const ReportCell& Cell(int row, int column) const;

    // Once the table is placed: the page rectangle of a cell and of the whole
    // table, in twips, and the font the cells use.
    QRectF CellRect(int row, int column) const;
    QRectF Bounds() const;
    const ReportFont& Font() const { return m_font; }
    // The font of one cell: the table's, under the cell's own name if it has one.
    ReportFont CellFont(int row, int column) const;

    void Paint(QPainter& painter) const;

private:
    friend class ReportDocument;
    std::size_t Index(int row, int column) const;
    void Place(const ReportFont& font, double left, double top);

    int m_columns;
    int m_rows;
    std::vector<double> m_widths;
    std::vector<Qt::Alignment> m_alignments;
    std::vector<ReportCell> m_cells;

    // Set when placed.
    ReportFont m_font;
    double m_left = 0;
    std::vector<double> m_rowTops; // Rows() + 1 edges, the last the bottom
    std::vector<TextLines> m_lines;
};

// A drawing placed in a box that is first filled with a colour; the drawing
// keeps its proportions inside the box.
struct ReportPicture {
    DrawingSurface Picture;
    QRectF Box; // twips
    Colour FillColor = 0xFFFFFF;
};

// Text in a box at a fixed place on the page, turned by an angle.
struct ReportTextBox {
    QString Text;
    double Length = 0;   // along the text, twips
    double Across = 0;   // across it
    int AngleTenths = 0; // tenths of a degree, anticlockwise
    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignTop;
    Colour TextColor = 0;
    TextLines Lines;
    QRectF PageBox; // where the turned box lies on the page, twips
};

using ReportItem = std::variant<ReportParagraph, ReportTable, ReportPicture, ReportTextBox>;

// A one-page printed document laid out in twips from the page's top-left
// corner: page set-up (size, margins, fonts, header and footer) and items
// placed as they are added, each at the current position or at a place of
// its own. It paints itself onto any QPainter: a printer, a PDF writer, the
// print preview, an image. Measuring text needs a QGuiApplication.
class ReportDocument {
public:
    ReportDocument();

    // The page; US Letter portrait unless set.
    void SetPageSize(double width, double height);
    double PageWidth() const { return m_pageWidth; }
    double PageHeight() const { return m_pageHeight; }

    void SetMargins(double left, double right, double top, double bottom);
    double MarginLeft() const { return m_marginLeft; }
    double MarginRight() const { return m_marginRight; }
    double MarginBottom() const { return m_marginBottom; }

    // The body font: used by every paragraph, table and text box that follows.
    const ReportFont& Font() const { return m_font; }
    void SetFontName(const QString& name) { m_font.Name = name; }
    void SetFontSize(double points) { m_font.Points = points; }

    // Header and footer, on every page: a text of up to three parts separated
    // by "|" stands at the left, in the centre and at the right, in the
    // middle of the top and the bottom margin.
    void SetHeaderFont(const ReportFont& font) { m_headerFont = font; }
    const QString& Header() const { return m_header; }
    void SetHeader(const QString& text) { m_header = text; }
    const QString& Footer() const { return m_footer; }
    void SetFooter(const QString& text) { m_footer = text; }

    // Starts an empty document: no items, the current position at the
    // top-left corner inside the margins.
    void StartDoc();

    // The text followed by a line break at the current position; an empty
    // text is an empty line. The current position moves below it.
    void Paragraph(const QString& text);

    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void SetCurrentY(double y) { m_currentY = y; }

    // The colour that fills the box of the next pictures.
    void SetPictureFill(Colour colour) { m_pictureFill = colour; }
    // The drawing scaled into the box at (x, y); the current position stays.
    void Picture(const DrawingSurface& drawing, double x, double y, double width, double height);

    // Places the table at the current position, which moves below it.
    void AddTable(ReportTable table);

    // How the next text boxes are turned, placed and coloured.
    void SetTextAngle(int tenths) { m_textAngle = tenths; }
    void SetTextAlignment(Qt::Alignment alignment) { m_textAlignment = alignment; }
    void SetTextColor(Colour colour) { m_textColor = colour; }
    // Text in a box length long and across wide, turned by the text angle;
    // the turned box's top-left corner is (left, top) on the page. At 2700
    // the text runs down the page and the box is across wide and length
    // high. The current position stays.
    void TextBox(const QString& text, double left, double top, double length, double across);

    // The items of one kind, in the order they were added.
    template <class Item> std::vector<const Item*> ItemsOf() const;

    // Paints the page with its top-left corner at page.topLeft(), scaled to
    // fit page. penScale multiplies the pen widths of pictures, which are
    // in pixels of a 96 dpi screen.
    void Paint(QPainter& painter, const QRectF& page, double penScale) const;
    // Paints the page at the resolution of the painter's device with its
    // top-left corner at the device's origin, as a printer set to the whole
    // page and a PDF writer without margins have it.
    void PaintOnDevice(QPainter& painter) const;

private:
    void PaintHeaderFooter(QPainter& painter, const QString& text, double top, double height) const;

    double m_pageWidth = LetterWidthTwips;
    double m_pageHeight = LetterHeightTwips;
    double m_marginLeft = TwipsPerInch;
    double m_marginRight = TwipsPerInch;
    double m_marginTop = TwipsPerInch;
    double m_marginBottom = TwipsPerInch;
    ReportFont m_font;
    ReportFont m_headerFont;
    QString m_header;
    QString m_footer;

    double m_currentX = TwipsPerInch;
    double m_currentY = TwipsPerInch;
    Colour m_pictureFill = 0xFFFFFF;
    int m_textAngle = 0;
    Qt::Alignment m_textAlignment = Qt::AlignLeft | Qt::AlignTop;
    Colour m_textColor = 0;

    std::vector<ReportItem> m_items;
};

// A colour in which text stays readable on a fill: white on dark fills (pure
// blue, red), black on the rest.
Colour ReadableTextColor(Colour fill);

template <class Item> std::vector<const Item*> ReportDocument::ItemsOf() const
{
    std::vector<const Item*> found;
    for (const ReportItem& item : m_items)
        if (const Item* one = std::get_if<Item>(&item))
            found.push_back(one);
    return found;
}

} // namespace kelvane
