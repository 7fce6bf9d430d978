#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace kelvane {

// A font of the printed page, asked for by name and size in points. On Linux
// fontconfig gives the metric-compatible Liberation fonts for "Arial" and
// "Courier New".
struct ReportFont {
    QString Name = QStringLiteral("Arial");
    double Points = 10;

    bool operator==(const ReportFont&) const = default;
};

// The QFont that measures and paints a report font in twips: its pixel size
// is its size in twips (10 pt is 200), unhinted so that its widths scale
// exactly. A painter scaled from twips to device pixels then draws it at its
// size on every device; a point size would be scaled twice.
QFont TwipsFont(const ReportFont& font);

// A text broken into lines, measured in twips with its font. Needs a
// QGuiApplication, as every use of fonts does.
struct TextLines {
    ReportFont Font;
    std::vector<QString> Lines; // at least one, possibly empty
    std::vector<double> Widths; // of each line, trailing spaces left out
    double Ascent = 0;
    double LineSpacing = 0;

    double Height() const { return LineSpacing * static_cast<double>(Lines.size()); }
};

// Breaks text into lines no wider than width twips: at spaces, and inside a
// word only when the word alone is too wide. An empty text is one empty line.
TextLines BreakLines(const QString& text, const ReportFont& font, double width);

// Paints lines inside box (twips, on a painter that draws in twips), placed
// across and down by alignment; text that does not fit overflows the box.
void PaintLines(QPainter& painter, const TextLines& lines, const QRectF& box, Qt::Alignment alignment,
                const QColor& colour);

} // namespace kelvane
