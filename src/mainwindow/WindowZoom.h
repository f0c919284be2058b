#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>
#include <vector>

namespace stakewell::mainwindow {

// Scales a window laid out by fixed geometry, with every control's place,
// size and font in proportion, from the layout it had when this was made.
class WindowZoom {
public:
    static constexpr std::array<int, 7> Steps{100, 125, 150, 175, 200, 250, 300};

    explicit WindowZoom(QWidget& window);

    int Percent() const { return percent; }
    double Factor() const { return percent / 100.0; }
    // Held within the first and last step; true when the zoom changed.
    bool Set(int newPercent);
    bool In();
    bool Out();

    QPoint Scaled(const QPoint& point) const;

private:
    void Apply();

    struct Base {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
        bool placed; // false for a part its control places itself
    };
    QWidget& window;
    QSize baseSize;
    std::vector<Base> bases;
    int percent = Steps.front();
};

} // namespace stakewell::mainwindow
