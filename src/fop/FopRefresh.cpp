#include "fop/FopRefresh.h"

#include <utility>

namespace stakewell::fop {

FopRefresh::Subscription FopRefresh::Listen(Stage stage, std::function<void()> listener) {
    std::erase_if(listeners, [](const Listener& old) { return old.call.expired(); });
    auto call = std::make_shared<Call>(std::move(listener));
    listeners.push_back({stage, call});
    return call;
}

void FopRefresh::Refresh() const {
    // A listener may start or stop listening while it runs (a window made or
    // closed by the refresh): each stage calls those listening when it began
    // that still listen when their turn comes, and a call under way is held
    // here until it returns.
    for (const Stage stage : {Stage::ReadOuts, Stage::Plot}) {
        std::vector<std::weak_ptr<Call>> due;
        for (const Listener& listener : listeners) {
            if (listener.stage == stage) {
                due.push_back(listener.call);
            }
        }
        for (const std::weak_ptr<Call>& waiting : due) {
            if (const std::shared_ptr<Call> call = waiting.lock()) {
                (*call)();
            }
        }
    }
}

} // namespace stakewell::fop
