// Writes the program's icon for the desktop's icon theme, at build time:
// FOLDER/scalable/kelvane.svg and FOLDER/NxN/kelvane.png for each size given.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>

#include "render/ProgramIcon.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: kelvane-make-icons FOLDER [SIZE...]\n", stderr);
        return 2;
    }
    // Painting needs no screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);

    QDir().mkpath(folder + "/scalable");
    QSvgGenerator svg;
    svg.setFileName(folder + "/scalable/kelvane.svg");
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Kelvane"));
    svg.setDescription(QStringLiteral("A star with two orbits and their planets"));
    {
        QPainter painter(&svg);
        kelvane::PaintProgramIcon(painter, QRectF(0, 0, 256, 256));
    }
    if (!QFileInfo::exists(svg.fileName()))
        return 1;

    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0)
            return 2;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            kelvane::PaintProgramIcon(painter, QRectF(0, 0, size, size));
        }
        const QString sized = QStringLiteral("%1/%2x%2").arg(folder).arg(size);
        if (!QDir().mkpath(sized) || !image.save(sized + "/kelvane.png", "PNG"))
            return 1;
    }
    return 0;
}
