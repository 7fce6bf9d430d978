#include "render/ReportText.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "render/ReportUnits.h"

namespace kelvane {

QFont TwipsFont(const ReportFont& font)
{
    QFont qfont(font.Name);
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(PointTwips(font.Points)))));
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

namespace {

// How much text one QTextLayout is given at a time. Qt finds where to break
// a word longer than a line by measuring the rest of the word for every
// line, which grows with the square of the word's length; in pieces of this
// size the whole text is laid out in time that grows with its length.
constexpr qsizetype LayoutPiece = 4096;

// Where the piece of text from start ends: after the last space or line
// break in its second half, so that no word is cut, or else (one unbroken
// word) at LayoutPiece, never between the two halves of a surrogate pair.
qsizetype PieceEnd(const QString& text, qsizetype start)
{
    const qsizetype limit = start + LayoutPiece;
    for (qsizetype i = limit - 1; i >= start + LayoutPiece / 2; --i)
        if (text.at(i) == QLatin1Char(' ') || text.at(i) == QChar::LineSeparator)
            return i + 1;
    return text.at(limit - 1).isHighSurrogate() ? limit - 1 : limit;
}

} // namespace

TextLines BreakLines(const QString& text, const ReportFont& font, double width)
{
    TextLines result;
    result.Font = font;
    const QFont qfont = TwipsFont(font);
    const QFontMetricsF metrics(qfont);
    result.Ascent = metrics.ascent();
    result.LineSpacing = metrics.lineSpacing();

    // Line breaks in a name would otherwise show as boxes.
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QChar::LineSeparator);
    flat.remove(QLatin1Char('\r'));

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Piece by piece: every line of a piece but its last is a line of the
    // whole text; the last may go on in the next piece, which starts with it.
    for (qsizetype start = 0; start < flat.size();) {
        const bool lastPiece = flat.size() - start <= LayoutPiece;
        const QString piece = flat.mid(start, lastPiece ? -1 : PieceEnd(flat, start) - start);
        QTextLayout layout(piece, qfont);
        layout.setTextOption(option);
        layout.beginLayout();
        std::vector<QTextLine> lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(width, 1.0));
            lines.push_back(line);
        }
        layout.endLayout();
        const std::size_t keep = lastPiece || lines.size() == 1 ? lines.size() : lines.size() - 1;
        for (std::size_t i = 0; i < keep; ++i) {
            QString line = piece.mid(lines[i].textStart(), lines[i].textLength());
            if (line.endsWith(QChar::LineSeparator))
                line.chop(1);
            result.Lines.push_back(line);
            result.Widths.push_back(lines[i].naturalTextWidth());
        }
        start += keep < lines.size() ? lines[keep].textStart() : piece.size();
    }
    if (result.Lines.empty()) {
        result.Lines.emplace_back();
        result.Widths.push_back(0);
    }
    return result;
}

void PaintLines(QPainter& painter, const TextLines& lines, const QRectF& box, Qt::Alignment alignment,
                const QColor& colour)
{
    painter.save();
    painter.setFont(TwipsFont(lines.Font));
    painter.setPen(colour);
    double top = box.top();
    if (alignment.testFlag(Qt::AlignVCenter))
        top += (box.height() - lines.Height()) / 2;
    else if (alignment.testFlag(Qt::AlignBottom))
        top += box.height() - lines.Height();
    for (std::size_t i = 0; i < lines.Lines.size(); ++i) {
        double left = box.left();
        if (alignment.testFlag(Qt::AlignHCenter))
            left += (box.width() - lines.Widths[i]) / 2;
        else if (alignment.testFlag(Qt::AlignRight))
            left += box.width() - lines.Widths[i];
        const double baseline = top + lines.LineSpacing * static_cast<double>(i) + lines.Ascent;
        painter.drawText(QPointF(left, baseline), lines.Lines[i]);
    }
    painter.restore();
}

} // namespace kelvane
