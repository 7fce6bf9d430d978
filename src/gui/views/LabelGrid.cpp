#include "gui/views/LabelGrid.h"

#include "gui/views/AccessibleLabelGrid.h"

namespace kelvane {

LabelGrid::LabelGrid(QWidget* parent) : QWidget(parent)
{
    InstallLabelGridAccessible();
}

void LabelGrid::SetHeadings(std::vector<QLabel*> headings)
{
    m_headings = std::move(headings);
}

void LabelGrid::AddRow(std::vector<QLabel*> cells)
{
    m_rows.push_back(std::move(cells));
}

} // namespace kelvane
