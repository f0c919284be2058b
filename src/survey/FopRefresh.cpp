#include "survey/FopRefresh.h"

#include <algorithm>
#include <utility>

namespace stakewell::survey {

FopRefresh::Subscription::~Subscription() {
    if (refresh != nullptr) {
        refresh->StopListening(id);
    }
}

FopRefresh::Subscription::Subscription(Subscription&& other) noexcept
    : refresh(std::exchange(other.refresh, nullptr)), id(other.id) {}

FopRefresh::Subscription& FopRefresh::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        if (refresh != nullptr) {
            refresh->StopListening(id);
        }
        refresh = std::exchange(other.refresh, nullptr);
        id = other.id;
    }
    return *this;
}

FopRefresh::~FopRefresh() = default;

FopRefresh::Subscription FopRefresh::Listen(Stage stage, std::function<void()> listener) {
    const int id = nextId++;
    listeners.push_back({id, stage, std::make_shared<std::function<void()>>(std::move(listener))});
    return {this, id};
}

void FopRefresh::StopListening(int id) {
    std::erase_if(listeners, [id](const Listener& listener) { return listener.id == id; });
}

void FopRefresh::Refresh() const {
    // A listener may start or stop listening while it runs (a window made or
    // closed by the refresh): each stage calls those listening when it began
    // that still listen when their turn comes.
    for (const Stage stage : {Stage::ReadOuts, Stage::Plot}) {
        std::vector<int> ids;
        for (const Listener& listener : listeners) {
            if (listener.stage == stage) {
                ids.push_back(listener.id);
            }
        }
        for (const int id : ids) {
            const auto found = std::find_if(listeners.begin(), listeners.end(),
                                            [id](const Listener& l) { return l.id == id; });
            if (found != listeners.end()) {
                // Held here, so that a listener that stops listening
                // while it runs finishes its call.
                const std::shared_ptr<std::function<void()>> call = found->call;
                (*call)();
            }
        }
    }
}

} // namespace stakewell::survey
