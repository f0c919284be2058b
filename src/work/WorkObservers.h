#pragma once

#include "work/WorkAspects.h"

#include <functional>
#include <memory>
#include <vector>

namespace stakewell::work {

// Whoever shows the work, told of each change and which aspects it touched.
class WorkObservers {
public:
    using Observer = std::function<void(Aspects)>;
    // The observer is told while its holder keeps this.
    using Subscription = std::shared_ptr<void>;

    [[nodiscard]] Subscription Observe(Observer observer);
    // In the order they began to observe. One may stop observing, or another
    // begin, while it is told: those observing when the telling began are
    // told, if they still are.
    void Tell(Aspects aspects);

private:
    std::vector<std::weak_ptr<Observer>> observers;
};

} // namespace stakewell::work
