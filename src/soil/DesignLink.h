#pragma once

#include <QString>

#include <functional>

namespace stakewell::soil {

// What the soil window reaches of the design: the electrode length a rod
// figure is for, and the earth resistivity box it reads and writes.
struct DesignLink {
    std::function<QString()> electrodeLength;
    std::function<QString()> earthResistivity;
    std::function<void(const QString&)> useEarthResistivity;
};

} // namespace stakewell::soil
