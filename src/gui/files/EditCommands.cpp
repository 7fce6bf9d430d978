#include "gui/files/EditCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "core/drawing/SurfaceSvg.h"
#include "gui/document/SystemDocument.h"
#include "gui/files/ExportCommand.h"
#include "render/SurfacePainter.h"

namespace kelvane {

namespace {

QByteArray ToBytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void CopyPictureCommand(const DrawingSurface& shown)
{
    auto* data = new QMimeData;
    data->setImageData(SurfaceImage(shown, ExportPictureSize, ExportPictureSize));
    data->setData(QStringLiteral("image/svg+xml"),
                  ToBytes(SurfaceSvg(shown, ExportPictureSize, ExportPictureSize)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CopyTextCommand(const SystemDocument& document)
{
    if (!CopyTextAvailable())
        return;
    const ExportSource source = CurrentExportSource(document);
    auto* data = new QMimeData;
    for (const ClipboardTextFormat& format : ClipboardTextFormats())
        if (const std::optional<std::string> text = format.writer(source))
            data->setData(QLatin1String(format.mimeType), ToBytes(*text));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CopySystemCodeCommand(const SystemDocument& document)
{
    if (const std::optional<SystemCode>& code = document.Code())
        QGuiApplication::clipboard()->setText(QString::fromStdString(EncodeSystemCode(*code)));
}

bool CopyTextAvailable()
{
    return !ClipboardTextFormats().empty();
}

} // namespace kelvane
