#include "widgets/EventHook.h"

namespace widgets {

namespace {

class Hook : public QObject {
public:
    Hook(QObject& owner, std::function<HookResult(QEvent*)> hook)
        : QObject(&owner)
        , hook_(std::move(hook))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const HookResult r = hook_(event);
        if (r.removeHook) {
            watched->removeEventFilter(this);
            deleteLater();
        }
        return r.consume;
    }

private:
    std::function<HookResult(QEvent*)> hook_;
};

} // namespace

void hookEvents(QObject& target, std::function<HookResult(QEvent*)> hook)
{
    target.installEventFilter(new Hook(target, std::move(hook)));
}

void hookEvents(QObject& owner, const QList<QObject*>& targets, std::function<HookResult(QEvent*)> hook)
{
    auto* filter = new Hook(owner, std::move(hook));
    for (QObject* target : targets)
        target->installEventFilter(filter);
}

} // namespace widgets
