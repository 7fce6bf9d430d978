#include "gui/views/AccessibleLabelGrid.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "gui/views/LabelGrid.h"

namespace kelvane {

namespace {

class AccessibleGridCell;

// The grid as a table: its children are the headings, then the cells row by
// row; the first cell of each row is the row's header.
class AccessibleLabelGrid final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleLabelGrid(LabelGrid* grid) : QAccessibleWidget(grid, QAccessible::Table), m_grid(grid)
    {}
    ~AccessibleLabelGrid() override
    {
        for (const QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return m_grid->ColumnCount() * (1 + m_grid->RowCount()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (qsizetype i = 0; i < m_children.size(); ++i)
            if (QAccessible::accessibleInterface(m_children.at(i)) == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

    // The table interface: no caption, no selection.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child((row + 1) * columnCount() + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return column >= 0 && column < columnCount() ? m_grid->Heading(column)->text() : QString();
    }
    QString rowDescription(int row) const override
    {
        return row >= 0 && row < rowCount() ? m_grid->Cell(row, 0)->text() : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return m_grid->ColumnCount(); }
    int rowCount() const override { return m_grid->RowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

    LabelGrid* Grid() const { return m_grid; }

private:
    LabelGrid* m_grid;
    mutable QList<QAccessible::Id> m_children;
};

// A heading (row -1) or a cell of the grid, read from its label.
class AccessibleGridCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    AccessibleGridCell(const AccessibleLabelGrid* table, int row, int column)
        : m_table(table), m_row(row), m_column(column)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && m_row >= 0)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isValid() const override { return m_table->isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<AccessibleLabelGrid*>(m_table); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name && t != QAccessible::Value)
            return {};
        const QString shown = Label()->text().trimmed();
        // A blank cell is said, so that it is not taken for a missing one.
        return shown.isEmpty() && t == QAccessible::Name ? LabelGrid::tr("empty") : shown;
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override
    {
        const QLabel* label = Label();
        return QRect(label->mapToGlobal(QPoint(0, 0)), label->size());
    }
    QAccessible::Role role() const override
    {
        return m_row < 0       ? QAccessible::ColumnHeader
               : m_column == 0 ? QAccessible::RowHeader
                               : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        if (!Label()->isVisible())
            state.invisible = true;
        return state;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {m_table->child(m_column)}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override
    {
        if (m_column == 0)
            return {};
        return {m_table->cellAt(m_row, 0)};
    }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QLabel* Label() const
    {
        const LabelGrid* grid = m_table->Grid();
        return m_row < 0 ? grid->Heading(m_column) : grid->Cell(m_row, m_column);
    }

    const AccessibleLabelGrid* m_table;
    int m_row;
    int m_column;
};

QAccessibleInterface* AccessibleLabelGrid::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (m_children.size() <= index) {
        const int i = static_cast<int>(m_children.size());
        m_children.append(QAccessible::registerAccessibleInterface(
            new AccessibleGridCell(this, i / columnCount() - 1, i % columnCount())));
    }
    return QAccessible::accessibleInterface(m_children.at(index));
}

QAccessibleInterface* Factory(const QString& /*key*/, QObject* object)
{
    if (auto* grid = qobject_cast<LabelGrid*>(object))
        return new AccessibleLabelGrid(grid);
    return nullptr;
}

} // namespace

void InstallLabelGridAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace kelvane
