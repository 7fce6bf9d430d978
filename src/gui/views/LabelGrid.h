#pragma once

#include <QWidget>
#include <vector>

class QLabel;

namespace kelvane {

// The table of the Information and Elements windows: a row of headings and
// rows of cells, each a label placed by its window. The grid only holds
// them, so that assistive technology reads them as a table (row and column
// headers, each cell's text, a blank cell as empty); what they show and
// where is up to the window.
class LabelGrid final : public QWidget {
    Q_OBJECT

public:
    explicit LabelGrid(QWidget* parent);

    // The column headings, left to right.
    void SetHeadings(std::vector<QLabel*> headings);
    // A row of cells, one per heading; the first is the row's header.
    void AddRow(std::vector<QLabel*> cells);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int ColumnCount() const { return static_cast<int>(m_headings.size()); }
    QLabel* Heading(int column) const { return m_headings[static_cast<std::size_t>(column)]; }
    QLabel* Cell(int row, int column) const
    {
        return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }

private:
    std::vector<QLabel*> m_headings;
    std::vector<std::vector<QLabel*>> m_rows;
};

} // namespace kelvane
