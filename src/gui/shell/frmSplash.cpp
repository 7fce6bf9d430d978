#include "gui/shell/frmSplash.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "core/Version.h"
#include "gui/display/Twips.h"

namespace kelvane {

namespace {

// The picture of the window: a yellow star filling the top-left corner, a
// small red planet, a blue-and-green planet with a white moon, on black.
QPixmap StarPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 105.0, size.height() / 103.0);
    QRadialGradient glow(QPointF(0, 0), 60);
    glow.setColorAt(0, QColor(255, 255, 200));
    glow.setColorAt(0.7, QColor(255, 220, 0));
    glow.setColorAt(1, QColor(255, 200, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), 60, 60);
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(0, 0), 44, 44);
    p.setBrush(QColor(200, 40, 30));
    p.drawEllipse(QPointF(58, 30), 5, 5);
    QLinearGradient sea(QPointF(62, 62), QPointF(92, 92));
    sea.setColorAt(0, QColor(40, 110, 230));
    sea.setColorAt(1, QColor(10, 40, 140));
    p.setBrush(sea);
    p.drawEllipse(QPointF(76, 76), 15, 15);
    p.setBrush(QColor(40, 160, 60));
    p.drawEllipse(QPointF(71, 72), 6, 4);
    p.drawEllipse(QPointF(81, 82), 5, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(97, 58), 3, 3);
    return picture;
}

// A small banner with the program's name.
QPixmap Banner(QSize size)
{
    QPixmap banner(size);
    banner.fill(QColor(20, 30, 70));
    QPainter p(&banner);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(255, 220, 0));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(size.height() / 2);
    font.setBold(true);
    p.setFont(font);
    p.drawText(banner.rect(), Qt::AlignCenter, QStringLiteral("KELVANE"));
    return banner;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect rect, double points,
                 Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setAlignment(alignment);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    label->setFont(font);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("About Kelvane..."));
    setFixedSize(PxSize(4710, 4260));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(PxRect(360, 240, 1575, 1575));
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral("background: black"));
    picture->setPixmap(StarPicture(QSize(105, 103)));

    AddLabel(this, "Label1", QStringLiteral("Kelvane"), PxRect(2280, 240, 1875, 1335), 18,
             Qt::AlignLeft | Qt::AlignTop);
    AddLabel(this, "lblVersion", tr("Version %1").arg(QString::fromStdString(VersionText())),
             PxRect(2280, 1560, 1875, 255), 9.75, Qt::AlignLeft | Qt::AlignTop);
    AddLabel(this, "lblCredit1", tr("Written by the Kelvane developers"), PxRect(120, 2040, 4455, 255), 9.75,
             Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, "lblCredit2", tr("Star systems for role-playing and world building"),
             PxRect(120, 2400, 4455, 195), 7.5, Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, "lblCredit3", tr("Roll a star, fill its orbits, print the sheet"),
             PxRect(120, 2640, 4455, 195), 7.5, Qt::AlignHCenter | Qt::AlignTop);

    auto* okay = new QPushButton(tr("Okay"), this);
    okay->setObjectName(QStringLiteral("OkayButton"));
    okay->setGeometry(PxRect(1800, 3000, 1215, 495));
    okay->setDefault(true);
    connect(okay, &QPushButton::clicked, this, &QDialog::accept);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image1"));
    banner->setGeometry(PxRect(3120, 3600, 1500, 510));
    banner->setAlignment(Qt::AlignCenter);
    banner->setPixmap(Banner(QSize(100, 34)));

    AddLabel(this, "lblNotice1", tr("Every system here is made up."), PxRect(120, 3660, 3015, 195), 7.5,
             Qt::AlignHCenter | Qt::AlignTop);
    AddLabel(this, "lblNotice2", tr("Any likeness to real stars is chance."), PxRect(120, 3900, 2955, 195),
             7.5, Qt::AlignHCenter | Qt::AlignTop);
}

void frmSplash::showEvent(QShowEvent* event)
{
    // Centred on the screen, in whole twips, the halves dropped.
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->geometry();
        const QSize outer = frameGeometry().size();
        move(available.x() + Px((Twips(available.width()) - Twips(outer.width())) / 2),
             available.y() + Px((Twips(available.height()) - Twips(outer.height())) / 2));
    }
    QDialog::showEvent(event);
}

} // namespace kelvane
