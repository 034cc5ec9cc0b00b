#pragma once

#include <QLabel>

namespace widgets {

// A label that acts like a link: a left click released over it emits clicked().
// It never takes the keyboard focus; assistive tools meet it as a link with a
// press action instead.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace widgets
