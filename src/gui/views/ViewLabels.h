#pragma once

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QString>

#include "core/drawing/Contrast.h"
#include "core/model/Codes.h"
#include "render/SurfacePainter.h"

namespace kelvane {

// The labels of the Information and Elements windows: headings, bordered
// cells and plain captions, all placed in pixels that the windows work out
// from their twips layouts. They use the application's standard dialog font.
enum class LabelKind {
    Caption, // the window's own background, no border
    Heading, // white on black
    Cell,    // window-text on window background, flat single-line border
};

// A label of the given kind, named and placed. A heading with a border
// draws that border in black, so only its text is white.
inline QLabel* AddViewLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                            LabelKind kind, Qt::Alignment alignment, bool border = false)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(rect);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setWordWrap(false);
    if (kind == LabelKind::Cell)
        border = true;
    if (border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        // The text keeps off the border by a pixel on either side.
        label->setIndent(1);
        label->setMargin(0);
    }
    QPalette palette = label->palette();
    switch (kind) {
    case LabelKind::Caption: break;
    case LabelKind::Heading:
        label->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::black);
        palette.setColor(QPalette::BrightText, Qt::white);
        label->setForegroundRole(QPalette::BrightText);
        break;
    case LabelKind::Cell:
        label->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, palette.color(QPalette::Base));
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
        break;
    }
    label->setPalette(palette);
    return label;
}

// Paints a cell's background in a colour value 0x00BBGGRR, with a text
// colour that reads on it under the application's palette.
inline void SetCellBackground(QLabel* label, Colour colour)
{
    const QPalette& theme = QApplication::palette(label);
    const QColor text = ToQColor(ReadableText(colour, FromQColor(theme.color(QPalette::Text)),
                                              FromQColor(theme.color(QPalette::Base))));
    const QColor wanted = ToQColor(colour);
    if (label->palette().color(QPalette::Window) == wanted &&
        label->palette().color(QPalette::WindowText) == text)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, wanted);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
}

} // namespace kelvane
