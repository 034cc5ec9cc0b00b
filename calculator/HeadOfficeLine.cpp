#include "calculator/HeadOfficeLine.h"

#include "data/Rates.h"
#include "widgets/UserSettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace calculator {

namespace {

std::optional<HeadOfficeSeams>& seams()
{
    static std::optional<HeadOfficeSeams> value;
    return value;
}

feed::FeedConfigResult readConfig()
{
    // The root of the user's settings: the feed's group is "Feed".
    widgets::UserSettings user(QString{});
    if (seams())
        return feed::readFeedConfig(user, seams()->systemConf, false);
    return feed::readFeedConfig(user);
}

} // namespace

void setHeadOfficeSeams(std::optional<HeadOfficeSeams> value)
{
    seams() = std::move(value);
}

QString headOfficeClosedText()
{
    return QCoreApplication::translate("HeadOffice", "Rates on this till come from head office");
}

HeadOfficeLine::HeadOfficeLine(QMainWindow& window, std::vector<QAction*> handCommands)
    : QObject(&window)
{
    const feed::FeedConfigResult config = readConfig();
    configured_ = config.configured();
    if (!configured_)
        return;
    closeHandCommands(handCommands);
    line_ = new QLabel(&window);
    line_->setObjectName(u"lblHeadOffice"_s);
    // One line whatever its length: the window's size is fixed once, so a
    // long refusal loses its middle here and is given whole in the tooltip.
    line_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    window.statusBar()->addWidget(line_, 1);
    window.statusBar()->setSizeGripEnabled(false);
    if (!config.config) {
        configError_ = config.error;
        show();
        return;
    }
    feed::FetchOptions options = seams() ? seams()->options : feed::FetchOptions{};
    runner_ = std::make_unique<feed::HeadOfficeRunner>(data::Rates::instance(), *config.config, options);
    connect(runner_.get(), &feed::HeadOfficeRunner::ran, this, &HeadOfficeLine::show);
    show();
    // Once more when the window has its size, which the shortening needs.
    QTimer::singleShot(0, this, &HeadOfficeLine::show);
    runner_->start();
}

HeadOfficeLine::~HeadOfficeLine() = default;

void HeadOfficeLine::closeHandCommands(const std::vector<QAction*>& commands)
{
    for (QAction* command : commands) {
        command->setEnabled(false);
        command->setToolTip(headOfficeClosedText());
        command->setStatusTip(headOfficeClosedText());
    }
}

void HeadOfficeLine::show()
{
    const QString text = configError_.isEmpty()
        ? feed::feedStateLine(data::Rates::instance(), runner_ ? runner_->lastRun() : feed::FeedRun{})
        : configError_;
    const int width = qMax(line_->width(), line_->window()->width() - 16);
    line_->setText(line_->fontMetrics().elidedText(text, Qt::ElideMiddle, width));
    line_->setToolTip(text);
    line_->setAccessibleName(text);
}

} // namespace calculator
