#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace stakewell::fop {

// Who shows the fall-of-potential survey, told at every refresh: first those
// that show its read-outs, then those that plot it, since the plot is drawn
// against the E2 distance the read-outs take. Whoever changes the survey, or
// needs it shown afresh, asks for a refresh here instead of calling a window.
class FopRefresh {
public:
    enum class Stage { ReadOuts, Plot };

    // The listener is called while its holder keeps this; dropping it, even
    // during a refresh, stops the calls.
    using Subscription = std::shared_ptr<void>;

    [[nodiscard]] Subscription Listen(Stage stage, std::function<void()> listener);
    // Every listener of the first stage in the order they began, then the
    // second's. A listener may ask for a refresh again; that one runs whole
    // before the outer one goes on.
    void Refresh() const;

private:
    using Call = std::function<void()>;
    struct Listener {
        Stage stage;
        std::weak_ptr<Call> call;
    };

    std::vector<Listener> listeners;
};

} // namespace stakewell::fop
