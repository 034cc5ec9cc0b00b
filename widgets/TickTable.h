#pragma once

// A table whose every row carries a tick box in its first column, usable
// without a mouse: Tab and Ctrl+Tab leave it, the arrows move within it, and
// Space toggles the current row's tick whatever column is current. A screen
// reader meets each tick as a check box with its state, and its Toggle action
// toggles the tick (the stock cells would toggle the selection instead).

#include <QTableWidget>

namespace widgets {

class TickTable : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int TickColumn = 0;

    explicit TickTable(QWidget* parent = nullptr);

    bool isTicked(int row) const;
    // Goes through the item, so itemChanged reports it as a click would.
    void setTicked(int row, bool ticked);
    void toggle(int row);
    // Every row at once, itemChanged not emitted.
    void setAllTicked(bool ticked);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void announceTick(int row);
};

} // namespace widgets
