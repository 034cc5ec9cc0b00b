#include "widgets/TickTable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>

namespace widgets {

namespace {

// The accessible side. Children are laid out as the item views number them in
// their focus and selection events: a grid of (rows + 1) x (columns + 1), the
// corner first, the column headers along the top row, a row header at the start
// of every row, headers counted whether shown or not.
class TickTableCell : public QAccessibleInterface,
                      public QAccessibleTableCellInterface,
                      public QAccessibleActionInterface {
public:
    // Row -1 is the column headers' row, column -1 the row headers' column.
    TickTableCell(TickTable* table, int row, int column)
        : table_(table)
        , kind_(row < 0 ? (column < 0 ? Corner : ColumnHeader) : column < 0 ? RowHeader : Cell)
        , row_(row)
        , column_(column)
    {
    }

    QPoint place() const { return {column_, row_}; }

    bool isValid() const override
    {
        return table_ && row_ < table_->rowCount() && column_ < table_->columnCount();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(table_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::Role role() const override
    {
        switch (kind_) {
        case Corner: return QAccessible::Pane;
        case ColumnHeader: return QAccessible::ColumnHeader;
        case RowHeader: return QAccessible::RowHeader;
        case Cell: break;
        }
        // A check box rather than a checkable cell: the desktop bridge tells a
        // cell's checked state but never that an unticked one can be ticked.
        return column_ == TickTable::TickColumn ? QAccessible::CheckBox : QAccessible::Cell;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (kind_ == Cell) {
            const QModelIndex index = modelIndex();
            if (t == QAccessible::Name) {
                const QString text = index.data(Qt::AccessibleTextRole).toString();
                return text.isEmpty() ? index.data(Qt::DisplayRole).toString() : text;
            }
            return t == QAccessible::Description ? index.data(Qt::AccessibleDescriptionRole).toString() : QString();
        }
        if (t != QAccessible::Name || kind_ == Corner)
            return {};
        const Qt::Orientation o = kind_ == ColumnHeader ? Qt::Horizontal : Qt::Vertical;
        return table_->model()->headerData(kind_ == ColumnHeader ? column_ : row_, o).toString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        if (kind_ == Cell) {
            const QRect r = table_->visualRect(modelIndex());
            return r.translated(table_->viewport()->mapToGlobal(QPoint(0, 0)));
        }
        const QHeaderView* header = kind_ == RowHeader ? table_->verticalHeader() : table_->horizontalHeader();
        if (kind_ == Corner || header->isHidden())
            return {};
        const int section = kind_ == ColumnHeader ? column_ : row_;
        const QPoint at = header->mapToGlobal(QPoint(0, 0));
        const int start = header->sectionViewportPosition(section);
        return kind_ == ColumnHeader ? QRect(at.x() + start, at.y(), header->sectionSize(section), header->height())
                                     : QRect(at.x(), at.y() + start, header->width(), header->sectionSize(section));
    }

    QAccessible::State state() const override
    {
        QAccessible::State st;
        if (!isValid())
            return st;
        st.invisible = !QRect(table_->mapToGlobal(QPoint(0, 0)), table_->size()).intersects(rect());
        if (kind_ != Cell)
            return st;
        const QModelIndex index = modelIndex();
        st.selectable = st.focusable = true;
        st.selected = table_->selectionModel()->isSelected(index);
        st.focused = table_->hasFocus() && table_->currentIndex() == index;
        if (column_ == TickTable::TickColumn) {
            st.checkable = true;
            st.checked = table_->isTicked(row_);
        }
        return st;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (kind_ != Cell)
            return nullptr;
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // Any cell's Toggle toggles its row's tick, as Space does on any cell.
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override
    {
        if (name == toggleAction() && isValid())
            table_->toggle(row_);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        // In the desktop's language, as Qt names keys.
        return name == toggleAction() ? QStringList{QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)}
                                      : QStringList{};
    }

    bool isSelected() const override { return isValid() && table_->selectionModel()->isSelected(modelIndex()); }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    QAccessibleInterface* table() const override { return parent(); }

private:
    enum Kind { Corner, ColumnHeader, RowHeader, Cell };

    QModelIndex modelIndex() const { return table_->model()->index(row_, column_); }

    QPointer<TickTable> table_;
    Kind kind_;
    int row_;
    int column_;
};

class TickTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TickTableAccessible(TickTable* table)
        : QAccessibleWidget(table, QAccessible::Table)
    {
    }
    ~TickTableAccessible() override { clearCells(); }

    TickTable* view() const { return static_cast<TickTable*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return (rowCount() + 1) * (columnCount() + 1); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        const QPoint at(index % (columnCount() + 1) - 1, index / (columnCount() + 1) - 1);
        // Kept by position, not by index: the index of a place moves with the column count.
        if (const auto found = cells_.constFind(at); found != cells_.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* cell = new TickTableCell(view(), at.y(), at.x());
        cells_.insert(at, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const TickTableCell*>(child);
        if (!cell || !cell->isValid() || cell->parent() != this)
            return -1;
        return (cell->place().y() + 1) * (columnCount() + 1) + cell->place().x() + 1;
    }

    // Found from the point, not by asking every cell: a plan may hold thousands.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = view()->indexAt(at);
        return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        const QModelIndex current = view()->currentIndex();
        return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
            return nullptr;
        return child((row + 1) * (columnCount() + 1) + column + 1);
    }
    int columnCount() const override { return view()->columnCount(); }
    int rowCount() const override { return view()->rowCount(); }
    QString columnDescription(int column) const override
    {
        return view()->model()->headerData(column, Qt::Horizontal).toString();
    }
    QString rowDescription(int row) const override { return view()->model()->headerData(row, Qt::Vertical).toString(); }

    int selectedCellCount() const override { return int(view()->selectionModel()->selectedIndexes().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        for (const QModelIndex& index : view()->selectionModel()->selectedIndexes())
            cells << cellAt(index.row(), index.column());
        return cells;
    }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    QList<int> selectedColumns() const override
    {
        QList<int> columns;
        for (const QModelIndex& index : view()->selectionModel()->selectedColumns())
            columns << index.column();
        return columns;
    }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        for (const QModelIndex& index : view()->selectionModel()->selectedRows())
            rows << index.row();
        return rows;
    }
    bool isColumnSelected(int column) const override { return view()->selectionModel()->isColumnSelected(column); }
    bool isRowSelected(int row) const override { return view()->selectionModel()->isRowSelected(row); }
    // The view selects whole rows, one at a time.
    bool selectRow(int row) override
    {
        if (row < 0 || row >= rowCount())
            return false;
        view()->selectRow(row);
        return true;
    }
    bool unselectRow(int row) override
    {
        if (row < 0 || row >= rowCount())
            return false;
        const QItemSelection line(view()->model()->index(row, 0), view()->model()->index(row, columnCount() - 1));
        view()->selectionModel()->select(line, QItemSelectionModel::Deselect);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    void modelChange(QAccessibleTableModelChangeEvent* event) override
    {
        // Cells read the model when asked; only a change of shape moves them.
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
            clearCells();
    }

private:
    void clearCells()
    {
        for (const QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable QHash<QPoint, QAccessible::Id> cells_;  // (column, row), -1 for the headers
};

QList<QAccessibleInterface*> TickTableCell::columnHeaderCells() const
{
    QAccessibleInterface* header = isValid() ? parent()->child(column_ + 1) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> TickTableCell::rowHeaderCells() const
{
    QAccessibleInterface* header = isValid() ? parent()->child((row_ + 1) * (table_->columnCount() + 1)) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* tickTableFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(TickTable::staticMetaObject.className()))
        return new TickTableAccessible(static_cast<TickTable*>(object));
    return nullptr;
}

} // namespace

TickTable::TickTable(QWidget* parent)
    : QTableWidget(parent)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(tickTableFactory);
        return true;
    }();
    setTabKeyNavigation(false);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == TickColumn)
            announceTick(item->row());
    });
}

bool TickTable::isTicked(int row) const
{
    const QTableWidgetItem* tick = item(row, TickColumn);
    return tick && tick->checkState() == Qt::Checked;
}

void TickTable::setTicked(int row, bool ticked)
{
    if (QTableWidgetItem* tick = item(row, TickColumn))
        tick->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void TickTable::toggle(int row)
{
    setTicked(row, !isTicked(row));
}

void TickTable::setAllTicked(bool ticked)
{
    const QSignalBlocker blocker(this);
    for (int row = 0; row < rowCount(); ++row)
        setTicked(row, ticked);
}

void TickTable::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (mods & Qt::ControlModifier)) {
        // The usual way out of a control that might keep Tab for itself.
        focusNextPrevChild(event->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier));
        return;
    }
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) && mods == Qt::NoModifier) {
        if (currentIndex().isValid())
            toggle(currentIndex().row());
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TickTable::announceTick(int row)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface* cell = table && table->tableInterface() ? table->tableInterface()->cellAt(row, TickColumn)
                                                                  : nullptr;
    if (!cell)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace widgets
