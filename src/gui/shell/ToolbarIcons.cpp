#include "gui/shell/ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "render/ProgramIcon.h"

namespace kelvane {

namespace {

// Paints one picture in a 16 x 16 design grid scaled to the requested size.
class PictureEngine final : public QIconEngine {
public:
    explicit PictureEngine(ToolbarPicture picture) : m_picture(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State /*state*/) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = qMin(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 16.0, side / 16.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        Draw(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PictureEngine(m_picture); }

private:
    static QPen Outline()
    {
        return QPen(QColor(40, 40, 40), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }

    // A sheet of paper with a folded corner.
    static void Page(QPainter& p, QRectF r)
    {
        QPainterPath path;
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right() - 3, r.top());
        path.lineTo(r.right(), r.top() + 3);
        path.lineTo(r.right(), r.bottom());
        path.lineTo(r.left(), r.bottom());
        path.closeSubpath();
        p.setPen(Outline());
        p.setBrush(Qt::white);
        p.drawPath(path);
        p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
        p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
    }

    void Draw(QPainter& p) const
    {
        switch (m_picture) {
        case ToolbarPicture::New: {
            Page(p, QRectF(2.5, 1.5, 10, 13));
            // A new star on the page.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 200, 0));
            p.drawEllipse(QPointF(7.5, 9), 2.6, 2.6);
            p.setBrush(QColor(220, 60, 40));
            p.drawEllipse(QPointF(11.8, 5.2), 1.4, 1.4);
            break;
        }
        case ToolbarPicture::Open: {
            p.setPen(Outline());
            p.setBrush(QColor(230, 190, 90));
            QPainterPath back;
            back.moveTo(1.5, 13.5);
            back.lineTo(1.5, 3.5);
            back.lineTo(5.5, 3.5);
            back.lineTo(7, 5);
            back.lineTo(12.5, 5);
            back.lineTo(12.5, 13.5);
            back.closeSubpath();
            p.drawPath(back);
            p.setBrush(QColor(250, 215, 120));
            QPainterPath front;
            front.moveTo(1.5, 13.5);
            front.lineTo(4, 7.5);
            front.lineTo(15, 7.5);
            front.lineTo(12.5, 13.5);
            front.closeSubpath();
            p.drawPath(front);
            break;
        }
        case ToolbarPicture::Save: {
            p.setPen(Outline());
            p.setBrush(QColor(60, 90, 160));
            p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(4, 9.5, 8, 5));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 90, 160));
            p.drawRect(QRectF(9.5, 2.5, 1.5, 3));
            break;
        }
        case ToolbarPicture::Program: PaintProgramIcon(p, QRectF(0, 0, 16, 16)); break;
        case ToolbarPicture::Print:
        case ToolbarPicture::PrintPreview: {
            const bool preview = m_picture == ToolbarPicture::PrintPreview;
            if (preview) {
                Page(p, QRectF(2.5, 1.5, 10, 13));
                p.setPen(QPen(QColor(150, 150, 150), 0.8));
                for (qreal y = 5; y <= 11; y += 2)
                    p.drawLine(QPointF(4.5, y), QPointF(8, y));
                p.setPen(QPen(QColor(40, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(11.3, 11.3), QPointF(14.5, 14.5));
                p.setPen(QPen(QColor(40, 40, 40), 1.0));
                p.setBrush(QColor(190, 225, 255, 200));
                p.drawEllipse(QPointF(9.5, 9.5), 3, 3);
            } else {
                p.setPen(Outline());
                p.setBrush(Qt::white);
                p.drawRect(QRectF(4, 1.5, 8, 5));
                p.setBrush(QColor(150, 150, 155));
                p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1, 1);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(4, 10, 8, 4.5));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(80, 200, 80));
                p.drawEllipse(QPointF(12.5, 8), 0.8, 0.8);
            }
            break;
        }
        }
    }

    ToolbarPicture m_picture;
};

} // namespace

QIcon ToolbarIcon(ToolbarPicture picture)
{
    return QIcon(new PictureEngine(picture));
}

} // namespace kelvane
