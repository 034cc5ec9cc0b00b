#pragma once

// The rate board: a window for a screen the customers see, with every
// country's buying and selling rates in large type, the commission line above
// them and the day of the oldest rate below (calculator/RateBoard.h makes
// the texts). It follows the rates (data::Rates::ratesChanged) and the main
// window's commission box. Its File menu prints it and toggles full screen
// (F11); whether it was full screen, and on which screen, is remembered in
// the settings group "RateBoard". Rows that do not fit scroll, and turn a page
// by themselves every few seconds.
//
// Tests find its controls by object name (lblCommission, tblRates, lblOldest,
// tmrPage) and its menu items by theirs (mnuFilePrint, ...).

#include "calculator/RateBoard.h"

#include <QWidget>

#include <memory>
#include <vector>

class frmHUD;
class QTextDocument;
class QTimer;

namespace Ui {
class frmBoard;
}

namespace calculator {
// File > Rate Board: shows the one board, creating it when none is open. It
// belongs to the main window and closes with it; it does not block it.
void showRateBoard(frmHUD& hud);
} // namespace calculator

class frmBoard : public QWidget {
    Q_OBJECT

public:
    explicit frmBoard(QWidget* owner);
    ~frmBoard() override;

    // The open board, or none.
    static frmBoard* current();

    // The main window's commission box changed; the commission line follows.
    void setCommission(const QString& percentText);
    // Reads the rates and the minimum commission again and shows them.
    void refresh();
    // Shows the board as it was last left: on that screen, full screen or not.
    void showAsLastShown();

    // The board as printed: the commission line, the table, the oldest rate's day.
    void fillPrintDocument(QTextDocument& document) const;

    // The type size of the rates and of the commission line, in points.
    static constexpr qreal RatePoints = 24.0;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setUpFonts();
    void setUpTable();
    void connectMenus();

    void showLines();
    void fitRateColumns();
    void showCommission();
    QSize defaultSize(const QScreen& screen) const;
    void savePlacement() const;

    void mnuFilePrint_Click();
    void mnuFileFullScreen_Click();
    void mnuFileClose_Click();
    void tmrPage_Timer();

    std::unique_ptr<Ui::frmBoard> ui;
    QTimer* tmrPage = nullptr;
    std::vector<calculator::BoardLine> lines_;
    QString commission_;
    data::Money minimum_;
};
