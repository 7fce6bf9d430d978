#include "gui/report/frmPreview.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/display/SurfaceWidget.h"
#include "gui/display/Twips.h"
#include "render/SystemReport.h"

namespace kelvane {

namespace {

QAction* AddViewAction(QWidget* owner, QToolBar* toolbar, const char* name, const QString& caption,
                       const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    owner->addAction(action);
    toolbar->addAction(action);
    return action;
}

} // namespace

frmPreview::frmPreview(QWidget* parent)
    : QDialog(parent), m_previewPrinter(std::make_unique<QPrinter>(QPrinter::ScreenResolution)),
      m_toolbar(new QToolBar(this))
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QCoreApplication::translate("SystemReport", ReportHeaderText));
    setModal(true);
    resize(DesignedSize());

    // A screen-resolution printer: the preview's thin lines stay one pixel
    // thin at every zoom.
    PreparePrinter(*m_previewPrinter);
    m_vp = new QPrintPreviewWidget(m_previewPrinter.get(), this);
    m_vp->setObjectName(QStringLiteral("vp"));
    m_vp->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(m_vp, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { PaintDocument(printer); });

    m_toolbar->setObjectName(QStringLiteral("tbPreview"));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_vp->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(AddViewAction(m_vp, m_toolbar, "actZoomIn", tr("Zoom &In"), QKeySequence::ZoomIn),
            &QAction::triggered, m_vp, [this] { m_vp->zoomIn(); });
    connect(AddViewAction(m_vp, m_toolbar, "actZoomOut", tr("Zoom &Out"), QKeySequence::ZoomOut),
            &QAction::triggered, m_vp, [this] { m_vp->zoomOut(); });
    connect(
        AddViewAction(m_vp, m_toolbar, "actFitPage", tr("Fit &Page"), QKeySequence(QStringLiteral("Ctrl+0"))),
        &QAction::triggered, m_vp, &QPrintPreviewWidget::fitInView);
    connect(AddViewAction(m_vp, m_toolbar, "actFitWidth", tr("Fit &Width"),
                          QKeySequence(QStringLiteral("Ctrl+9"))),
            &QAction::triggered, m_vp, &QPrintPreviewWidget::fitToWidth);
    m_toolbar->addSeparator();
    connect(AddViewAction(m_vp, m_toolbar, "actPrint", tr("P&rint..."), QKeySequence::Print),
            &QAction::triggered, this, &frmPreview::PrintRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_vp, 1);

    // Only its drawing is used; it is never shown.
    m_draw = new SurfaceWidget(this);
    m_draw->setObjectName(QStringLiteral("VSDraw1"));
    m_draw->hide();
}

frmPreview::~frmPreview()
{
    // The control uses the preview printer until it is gone.
    delete m_vp;
}

void frmPreview::SetDocument(ReportDocument document)
{
    m_document = std::move(document);
    // A hidden control paints its pages when it is first shown.
    if (m_vp->isVisible())
        m_vp->updatePreview();
}

bool frmPreview::PaintDocument(QPrinter* printer) const
{
    QPainter painter;
    if (printer == nullptr || !painter.begin(printer))
        return false;
    m_document.PaintOnDevice(painter);
    return painter.end();
}

void frmPreview::PreparePrinter(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QCoreApplication::translate("SystemReport", ReportHeaderText));
}

QSize frmPreview::DesignedSize()
{
    return PxSize(9600, 11400);
}

void frmPreview::showEvent(QShowEvent* event)
{
    PlaceOnScreen();
    QDialog::showEvent(event);
}

void frmPreview::PlaceOnScreen()
{
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    // The window manager's frame is not known before the window is shown;
    // the owner's, already shown, is the same kind of frame.
    QMargins frame;
    if (owner != nullptr && owner->isVisible()) {
        const QRect outer = owner->frameGeometry(), inner = owner->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize size = DesignedSize().boundedTo(available.size().shrunkBy(frame));
    resize(size);
    // move() places the outer corner of a window: centred in the area.
    const QSize outer = size.grownBy(frame);
    move(available.left() + (available.width() - outer.width()) / 2,
         available.top() + (available.height() - outer.height()) / 2);
}

} // namespace kelvane
