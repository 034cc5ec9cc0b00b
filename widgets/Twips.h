#pragma once

// Sizes measured in twips, as the windows were designed, scaled to a window's
// font: a line of text in the designed font was 195 twips high.

class QWidget;

namespace widgets {

class TwipScale {
public:
    explicit TwipScale(const QWidget& window);
    int operator()(int twips) const;

private:
    double perTwip_;
};

} // namespace widgets
