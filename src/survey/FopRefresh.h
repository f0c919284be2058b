#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace stakewell::survey {

// Who shows the fall-of-potential survey, told at every refresh: first those
// that show its read-outs, then those that plot it, since the plot is drawn
// against the E2 distance the read-outs take. Whoever changes the survey, or
// needs it shown afresh, asks for a refresh here instead of calling a window.
class FopRefresh {
public:
    enum class Stage { ReadOuts, Plot };

    // Listens while it lives.
    class Subscription {
    public:
        Subscription() = default;
        ~Subscription();
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;

    private:
        friend class FopRefresh;
        Subscription(FopRefresh* refresh, int id) : refresh(refresh), id(id) {}
        FopRefresh* refresh = nullptr;
        int id = 0;
    };

    FopRefresh() = default;
    FopRefresh(const FopRefresh&) = delete;
    FopRefresh& operator=(const FopRefresh&) = delete;
    FopRefresh(FopRefresh&&) = delete;
    FopRefresh& operator=(FopRefresh&&) = delete;
    ~FopRefresh();

    [[nodiscard]] Subscription Listen(Stage stage, std::function<void()> listener);
    // Every listener of the first stage in the order they began, then the
    // second's. A listener may ask for a refresh again; that one runs whole
    // before the outer one goes on.
    void Refresh() const;

private:
    struct Listener {
        int id;
        Stage stage;
        std::shared_ptr<std::function<void()>> call;
    };
    void StopListening(int id);

    std::vector<Listener> listeners;
    int nextId = 1;
};

} // namespace stakewell::survey
