#include "render/ReportDocument.h"

#include <QPaintDevice>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <stdexcept>

#include "render/SurfacePainter.h"

namespace kelvane {

namespace {

// The room between a cell's edge and its text.
constexpr double CellPaddingAcross = 60; // twips, 1/24 inch
constexpr double CellPaddingDown = 30;
// Table grid lines: half a point, black.
constexpr double GridPenWidth = 10;

// Device pixels of a 96 dpi screen, in which picture pens are given.
constexpr double ScreenDpi = 96;

} // namespace

Colour ReadableTextColor(Colour fill)
{
    const QColor colour = ToQColor(fill);
    const int brightness = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
    return brightness < 128 ? 0xFFFFFF : 0;
}

// ---- ReportTable ----

ReportTable::ReportTable(int columns, int rows)
    : m_columns(std::max(columns, 0)), m_rows(std::max(rows, 0)),
      m_widths(static_cast<std::size_t>(m_columns), TwipsPerInch),
      m_alignments(static_cast<std::size_t>(m_columns), Qt::AlignLeft | Qt::AlignVCenter),
      m_cells(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows))
{}

void ReportTable::SetColumnWidth(int column, double twips)
{
    m_widths.at(static_cast<std::size_t>(column - 1)) = std::max(twips, 0.0);
}

double ReportTable::ColumnWidth(int column) const
{
    return m_widths.at(static_cast<std::size_t>(column - 1));
}

void ReportTable::SetColumnAlignment(int column, Qt::Alignment alignment)
{
    m_alignments.at(static_cast<std::size_t>(column - 1)) = alignment;
}

Qt::Alignment ReportTable::ColumnAlignment(int column) const
{
    return m_alignments.at(static_cast<std::size_t>(column - 1));
}

std::size_t ReportTable::Index(int row, int column) const
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        throw std::out_of_range("no such table cell");
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_columns) +
           static_cast<std::size_t>(column - 1);
}

ReportCell& ReportTable::Cell(int row, int column)
{
    return m_cells[Index(row, column)];
}

const ReportCell& ReportTable::Cell(int row, int column) const
{
    return m_cells[Index(row, column)];
}

ReportFont ReportTable::CellFont(int row, int column) const
{
    ReportFont font = m_font;
    if (const QString& name = Cell(row, column).FontName; !name.isEmpty())
        font.Name = name;
    return font;
}

void ReportTable::Place(const ReportFont& font, double left, double top)
{
    m_font = font;
    m_left = left;
    m_lines.clear();
    m_rowTops.assign(1, top);
    for (int row = 1; row <= m_rows; ++row) {
        double height = 0;
        for (int column = 1; column <= m_columns; ++column) {
            const double inner = ColumnWidth(column) - 2 * CellPaddingAcross;
            m_lines.push_back(BreakLines(Cell(row, column).Text, CellFont(row, column), inner));
            height = std::max(height, m_lines.back().Height());
        }
        if (m_columns == 0)
            height = BreakLines(QString(), font, 0).Height();
        m_rowTops.push_back(m_rowTops.back() + height + 2 * CellPaddingDown);
    }
}

QRectF ReportTable::CellRect(int row, int column) const
{
    Index(row, column); // throws for a cell the table does not have
    if (m_rowTops.size() != static_cast<std::size_t>(m_rows) + 1)
        return {};
    double left = m_left;
    for (int c = 1; c < column; ++c)
        left += ColumnWidth(c);
    const double top = m_rowTops[static_cast<std::size_t>(row - 1)];
    return QRectF(left, top, ColumnWidth(column), m_rowTops[static_cast<std::size_t>(row)] - top);
}

QRectF ReportTable::Bounds() const
{
    if (m_rowTops.empty())
        return {};
    double width = 0;
    for (double w : m_widths)
        width += w;
    return QRectF(m_left, m_rowTops.front(), width, m_rowTops.back() - m_rowTops.front());
}

void ReportTable::Paint(QPainter& painter) const
{
    if (m_lines.size() != m_cells.size())
        return;
    painter.save();
    for (int row = 1; row <= m_rows; ++row) {
        for (int column = 1; column <= m_columns; ++column) {
            const ReportCell& cell = Cell(row, column);
            const QRectF rect = CellRect(row, column);
            Colour textColour = 0;
            if (cell.BackColor) {
                painter.fillRect(rect, ToQColor(*cell.BackColor));
                textColour = ReadableTextColor(*cell.BackColor);
            }
            const QRectF inner =
                rect.adjusted(CellPaddingAcross, CellPaddingDown, -CellPaddingAcross, -CellPaddingDown);
            PaintLines(painter, m_lines[Index(row, column)], inner, ColumnAlignment(column),
                       ToQColor(textColour));
        }
    }
    QPen grid(Qt::black, GridPenWidth);
    grid.setJoinStyle(Qt::MiterJoin);
    painter.setPen(grid);
    painter.setBrush(Qt::NoBrush);
    for (int row = 1; row <= m_rows; ++row)
        for (int column = 1; column <= m_columns; ++column)
            painter.drawRect(CellRect(row, column));
    painter.restore();
}

// ---- ReportDocument ----

ReportDocument::ReportDocument()
{
    m_headerFont.Points = 8;
}

void ReportDocument::SetPageSize(double width, double height)
{
    m_pageWidth = width;
    m_pageHeight = height;
}

void ReportDocument::SetMargins(double left, double right, double top, double bottom)
{
    m_marginLeft = left;
    m_marginRight = right;
    m_marginTop = top;
    m_marginBottom = bottom;
}

void ReportDocument::StartDoc()
{
    m_items.clear();
    m_currentX = m_marginLeft;
    m_currentY = m_marginTop;
}

void ReportDocument::Paragraph(const QString& text)
{
    ReportParagraph paragraph;
    paragraph.Text = text;
    const double width = std::max(m_pageWidth - m_marginRight - m_currentX, 0.0);
    paragraph.Lines = BreakLines(text, m_font, width);
    paragraph.Box = QRectF(m_currentX, m_currentY, width, paragraph.Lines.Height());
    m_currentY += paragraph.Lines.Height();
    m_items.emplace_back(std::move(paragraph));
}

void ReportDocument::Picture(const DrawingSurface& drawing, double x, double y, double width, double height)
{
    m_items.emplace_back(ReportPicture{drawing, QRectF(x, y, width, height), m_pictureFill});
}

void ReportDocument::AddTable(ReportTable table)
{
    table.Place(m_font, m_currentX, m_currentY);
    m_currentY = table.Bounds().bottom();
    m_items.emplace_back(std::move(table));
}

void ReportDocument::TextBox(const QString& text, double left, double top, double length, double across)
{
    ReportTextBox box;
    box.Text = text;
    box.Length = length;
    box.Across = across;
    box.AngleTenths = m_textAngle;
    box.Alignment = m_textAlignment;
    box.TextColor = m_textColor;
    box.Lines = BreakLines(text, m_font, length);
    const QRectF turned = QTransform().rotate(-m_textAngle / 10.0).mapRect(QRectF(0, 0, length, across));
    box.PageBox = QRectF(left, top, turned.width(), turned.height());
    m_items.emplace_back(std::move(box));
}

void ReportDocument::Paint(QPainter& painter, const QRectF& page, double penScale) const
{
    if (m_pageWidth <= 0 || m_pageHeight <= 0)
        return;
    const double scale = std::min(page.width() / m_pageWidth, page.height() / m_pageHeight);
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    for (const ReportItem& item : m_items) {
        if (const auto* paragraph = std::get_if<ReportParagraph>(&item)) {
            PaintLines(painter, paragraph->Lines, paragraph->Box, Qt::AlignLeft | Qt::AlignTop,
                       ToQColor(paragraph->TextColor));
        } else if (const auto* table = std::get_if<ReportTable>(&item)) {
            table->Paint(painter);
        } else if (const auto* picture = std::get_if<ReportPicture>(&item)) {
            painter.fillRect(picture->Box, ToQColor(picture->FillColor));
            PaintSurface(painter, picture->Picture, picture->Box, penScale);
        } else if (const auto* box = std::get_if<ReportTextBox>(&item)) {
            const double degrees = -box->AngleTenths / 10.0;
            const QRectF frame(0, 0, box->Length, box->Across);
            const QRectF turned = QTransform().rotate(degrees).mapRect(frame);
            painter.save();
            painter.translate(box->PageBox.left() - turned.left(), box->PageBox.top() - turned.top());
            painter.rotate(degrees);
            PaintLines(painter, box->Lines, frame, box->Alignment, ToQColor(box->TextColor));
            painter.restore();
        }
    }

    PaintHeaderFooter(painter, m_header, 0, m_marginTop);
    PaintHeaderFooter(painter, m_footer, m_pageHeight - m_marginBottom, m_marginBottom);
    painter.restore();
}

void ReportDocument::PaintHeaderFooter(QPainter& painter, const QString& text, double top,
                                       double height) const
{
    if (text.isEmpty())
        return;
    // "left|centre|right": bars beyond the second belong to the right part.
    const QStringList parts = text.split(QLatin1Char('|'));
    const QString left = parts.value(0);
    const QString centre = parts.value(1);
    const QString right = parts.size() > 2 ? parts.mid(2).join(QLatin1Char('|')) : QString();
    const QRectF band(m_marginLeft, top, m_pageWidth - m_marginLeft - m_marginRight, height);
    const double width = band.width();
    const Qt::Alignment middle = Qt::AlignVCenter;
    if (!left.isEmpty())
        PaintLines(painter, BreakLines(left, m_headerFont, width), band, Qt::AlignLeft | middle, Qt::black);
    if (!centre.isEmpty())
        PaintLines(painter, BreakLines(centre, m_headerFont, width), band, Qt::AlignHCenter | middle,
                   Qt::black);
    if (!right.isEmpty())
        PaintLines(painter, BreakLines(right, m_headerFont, width), band, Qt::AlignRight | middle, Qt::black);
}

void ReportDocument::PaintOnDevice(QPainter& painter) const
{
    const QPaintDevice* device = painter.device();
    if (device == nullptr)
        return;
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    const QRectF page(0, 0, TwipsToDevice(m_pageWidth, dpiX), TwipsToDevice(m_pageHeight, dpiY));
    Paint(painter, page, dpiX / ScreenDpi);
}

} // namespace kelvane
