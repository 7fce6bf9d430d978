#include "gui/shell/frmQuickOpts.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "gui/display/Twips.h"

namespace kelvane {

frmQuickOpts::frmQuickOpts(QWidget* parent)
    : QWidget(parent), m_command1(new QPushButton(tr("&Generate System"), this)),
      m_command2(new QPushButton(tr("Re-Generate Orbits"), this)), m_text1(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmQuickOpts"));
    setWindowTitle(tr("Quick Tips"));
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text1->setPlainText(TipsText());
    connect(m_command1, &QPushButton::clicked, this, &frmQuickOpts::GenerateSystemClicked);
    connect(m_command2, &QPushButton::clicked, this, &frmQuickOpts::RegenerateOrbitsClicked);
    ApplyLayout();
}

QSize frmQuickOpts::LoadSize()
{
    return PxSize(3210, 3330);
}

int frmQuickOpts::MinimumOuterSide()
{
    return Px(1440);
}

QString frmQuickOpts::TipsText()
{
    const QString breaks = QStringLiteral("\r\n\r\n");
    // One paragraph for each translation entry; the breaks are the text box's own.
    return tr("You can generate a new system at any time by clicking the button above, or by selecting New "
              "from "
              "either the toolbar or the File menu.") +
           breaks +
           tr("You can force an orbit to a contain a particular feature by using the Force Orbit options "
              "from the "
              "Options menu, or by right-clicking on the orbit in the Orbital Display.") +
           breaks +
           tr("You can also right-click on the items in the Contains or Environment columns of the "
              "Information "
              "window to change values there.");
}

frmQuickOpts::Layout frmQuickOpts::LayoutFor(int clientWidthTwips, int clientHeightTwips)
{
    const double w = clientWidthTwips - 120;
    const double buttonWidth = w / 2;
    const double textTop = 60 + 555 + 60;
    // A client too low for the text box gives it no height.
    const double textHeight = std::max(0.0, clientHeightTwips - textTop - 60);
    return {QRectF(60, 60, buttonWidth, 555), QRectF(60 + buttonWidth, 60, buttonWidth, 555),
            QRectF(60, textTop, w, textHeight)};
}

void frmQuickOpts::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ApplyLayout();
}

void frmQuickOpts::ApplyLayout()
{
    const Layout layout = LayoutFor(Twips(width()), Twips(height()));
    const auto place = [](QWidget* widget, const QRectF& twips) {
        const auto px = [](double t) { return static_cast<int>(std::lround(t / TwipsPerPixel)); };
        const int left = px(twips.left()), top = px(twips.top());
        widget->setGeometry(left, top, px(twips.right()) - left, px(twips.bottom()) - top);
    };
    place(m_command1, layout.command1);
    place(m_command2, layout.command2);
    place(m_text1, layout.text1);
}

} // namespace kelvane
