#pragma once

// A lambda as an event filter: hook runs for every event target receives and
// returns true to consume it. The filter lives as long as target; one that is
// done removes itself by returning with removeHook set.

#include <QObject>

#include <functional>

namespace widgets {

struct HookResult {
    bool consume = false;
    bool removeHook = false;
};

void hookEvents(QObject& target, std::function<HookResult(QEvent*)> hook);

// The same hook on several targets, kept by owner.
void hookEvents(QObject& owner, const QList<QObject*>& targets, std::function<HookResult(QEvent*)> hook);

} // namespace widgets
