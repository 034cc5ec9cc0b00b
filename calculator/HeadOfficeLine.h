#pragma once

// The main window's side of head office's feed. Where a feed is configured
// (feed::readFeedConfig: the machine's file, else the user's settings) the
// window's hand changes to the rates are closed, and one line at its foot
// says when head office's rates were last applied, of when they are, and
// what the last fetch refused; the fetching and applying itself is
// feed::HeadOfficeRunner's, at start and every IntervalMinutes.

#include "feed/FeedApply.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMainWindow;

namespace calculator {

// Tests point the feed at their own server and settings file.
struct HeadOfficeSeams {
    feed::FetchOptions options;
    QString systemConf;
};
void setHeadOfficeSeams(std::optional<HeadOfficeSeams> seams);

// The words of the closed commands.
QString headOfficeClosedText();

class HeadOfficeLine : public QObject {
    Q_OBJECT

public:
    // Reads the configuration; without one it does nothing at all.
    HeadOfficeLine(QMainWindow& window, std::vector<QAction*> handCommands);
    ~HeadOfficeLine() override;

    bool configured() const { return configured_; }
    feed::HeadOfficeRunner* runner() const { return runner_.get(); }

private:
    void closeHandCommands(const std::vector<QAction*>& commands);
    void show();

    QLabel* line_ = nullptr;
    bool configured_ = false;
    QString configError_;
    std::unique_ptr<feed::HeadOfficeRunner> runner_;
};

} // namespace calculator
