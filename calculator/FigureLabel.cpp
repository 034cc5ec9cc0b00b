#include "calculator/FigureLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// Room for a figure of this many characters before it is elided.
constexpr int ShownCharacters = 13;

class FigureLabelAccessible : public QAccessibleWidget {
public:
    explicit FigureLabelAccessible(FigureLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString figure = static_cast<FigureLabel*>(widget())->text();
        switch (t) {
        case QAccessible::Name: {
            const QString what = widget()->accessibleName();
            //: What a screen reader says for a result: its name, then the figure.
            return figure.isEmpty() ? what : FigureLabel::tr("%1: %2").arg(what, figure);
        }
        case QAccessible::Value:
            return figure;
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* figureLabelAccessible(const QString& className, QObject* object)
{
    if (className == u"FigureLabel"_s && object && object->isWidgetType())
        return new FigureLabelAccessible(static_cast<FigureLabel*>(object));
    return nullptr;
}

} // namespace

FigureLabel::FigureLabel(QWidget* parent)
    : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(figureLabelAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FigureLabel::setFigure(const QString& figure)
{
    if (figure == text())
        return;
    setText(figure);
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

QString FigureLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

QString FigureLabel::wholeFigureLines() const
{
    const QString figure = text();
    QStringList lines;
    for (qsizetype at = 0; at < figure.size(); at += LineDigits)
        lines << figure.mid(at, LineDigits);
    return lines.join(u'\n');
}

QSize FigureLabel::sizeHint() const
{
    const QMargins m = contentsMargins();
    return {fontMetrics().horizontalAdvance(QString(ShownCharacters, u'0')) + m.left() + m.right(),
            fontMetrics().height() + m.top() + m.bottom()};
}

QSize FigureLabel::minimumSizeHint() const
{
    return sizeHint();
}

void FigureLabel::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

bool FigureLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!text().isEmpty() && shownText() != text())
            QToolTip::showText(help->globalPos(), wholeFigureLines(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}
