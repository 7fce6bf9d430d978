#include "gui/shell/EditCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "core/drawing/SurfaceSvg.h"
#include "gui/files/ExportCommand.h"
#include "gui/shell/Controller.h"
#include "render/SurfacePainter.h"

namespace kelvane {

namespace {

QByteArray ToBytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void CopyPictureCommand(Controller& controller)
{
    const DrawingSurface& shown = controller.DisplayedDrawing();
    auto* data = new QMimeData;
    data->setImageData(SurfaceImage(shown, ExportPictureSize, ExportPictureSize));
    data->setData(QStringLiteral("image/svg+xml"),
                  ToBytes(SurfaceSvg(shown, ExportPictureSize, ExportPictureSize)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CopyTextCommand(const Controller& controller)
{
    if (!CopyTextAvailable())
        return;
    const ExportSource source = CurrentExportSource(controller);
    auto* data = new QMimeData;
    for (const ClipboardTextFormat& format : ClipboardTextFormats())
        if (const std::optional<std::string> text = format.writer(source))
            data->setData(QLatin1String(format.mimeType), ToBytes(*text));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool CopyTextAvailable()
{
    return !ClipboardTextFormats().empty();
}

} // namespace kelvane
