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

    QTextLayout layout(flat, qfont);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1.0));
        QString piece = flat.mid(line.textStart(), line.textLength());
        if (piece.endsWith(QChar::LineSeparator))
            piece.chop(1);
        result.Lines.push_back(piece);
        result.Widths.push_back(line.naturalTextWidth());
    }
    layout.endLayout();
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
