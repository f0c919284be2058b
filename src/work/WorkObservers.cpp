#include "work/WorkObservers.h"

#include <utility>

namespace stakewell::work {

WorkObservers::Subscription WorkObservers::Observe(Observer observer) {
    auto held = std::make_shared<Observer>(std::move(observer));
    observers.push_back(held);
    return held;
}

void WorkObservers::Tell(Aspects aspects) {
    std::erase_if(observers, [](const std::weak_ptr<Observer>& old) { return old.expired(); });
    const std::vector<std::weak_ptr<Observer>> due = observers;
    for (const std::weak_ptr<Observer>& waiting : due) {
        if (const std::shared_ptr<Observer> observer = waiting.lock()) {
            (*observer)(aspects);
        }
    }
}

} // namespace stakewell::work
