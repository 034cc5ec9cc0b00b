#pragma once

#include <QLabel>

// A result figure of the main window. The window has a fixed size and a figure
// can run to hundreds of digits, so one that does not fit is shown elided in
// the middle (its first digits and its decimals stay in view) and hovering
// shows it whole, broken into lines that fit on a screen. Screen readers hear
// what the figure is, from the accessible name set on the label, and its value.
class FigureLabel : public QLabel {
    Q_OBJECT

public:
    explicit FigureLabel(QWidget* parent = nullptr);

    // Sets the figure and tells assistive tools that it changed.
    void setFigure(const QString& figure);

    // The text as painted: the whole figure, or the figure elided to fit.
    QString shownText() const;
    // The whole figure in lines of at most LineDigits characters.
    QString wholeFigureLines() const;

    static constexpr int LineDigits = 40;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
