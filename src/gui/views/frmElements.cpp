#include "gui/views/frmElements.h"

#include <QLabel>

#include "core/model/ElementText.h"
#include "gui/display/Twips.h"
#include "gui/views/LabelGrid.h"
#include "gui/views/ViewLabels.h"

namespace kelvane {

namespace {

// A fixed-width face, so that element i stands in column i on every row.
QFont ElementsFont()
{
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

frmElements::frmElements(const AppState& app, QWidget* parent) : QWidget(parent), m_app(app)
{
    setObjectName(QStringLiteral("frmElements"));
    setWindowTitle(tr("Elements"));
    setFixedSize(PxSize(3870, 2670));

    // The whole window is the table.
    auto* grid = new LabelGrid(this);
    grid->setObjectName(QStringLiteral("ElementsTable"));
    grid->setAccessibleName(tr("Elements"));
    grid->setGeometry(rect());
    grid->SetHeadings({AddViewLabel(grid, QStringLiteral("Label1"), tr("Orbit"), PxRect(0, 0, 495, 255),
                                    LabelKind::Heading, Qt::AlignHCenter),
                       AddViewLabel(grid, QStringLiteral("Label12"), tr("Elements Available"),
                                    PxRect(600, 0, 3255, 255), LabelKind::Heading, Qt::AlignLeft, true)});

    const QFont elementsFont = ElementsFont();
    const QString blank(static_cast<qsizetype>(ElementText::Length), QLatin1Char(' '));
    for (int r = 0; r < StarSystem::OrbitCount; ++r) {
        // Rows are 240 twips apart and 255 high: their borders meet.
        const int top = 240 + 240 * r;
        QLabel* number = AddViewLabel(grid, QStringLiteral("Label%1").arg(r + 2), QString::number(r + 1),
                                      PxRect(0, top, 495, 255), LabelKind::Cell, Qt::AlignHCenter);
        QLabel* cell = AddViewLabel(grid, QStringLiteral("ElementsLabel_%1").arg(r), blank,
                                    PxRect(600, top, 3255, 255), LabelKind::Cell, Qt::AlignLeft);
        cell->setFont(elementsFont);
        m_elementsLabel[static_cast<std::size_t>(r)] = cell;
        grid->AddRow({number, cell});
    }
}

void frmElements::RefreshForm()
{
    const StarSystem& system = m_app.system;
    for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
        const OrbitRecord& orbit = system.Orbit(n);
        // An empty orbit shows no elements, whatever its record still holds.
        const ElementText shown = orbit.Type == TypeNothing ? ElementText() : orbit.Elements;
        // One character per position, whatever the bytes: the columns stay.
        const std::string_view text = shown.View();
        m_elementsLabel[static_cast<std::size_t>(n - 1)]->setText(
            QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
}

} // namespace kelvane
