#pragma once

#include <QString>

#include <optional>

namespace stakewell::mainwindow {

struct Fraction {
    QString Numerator;
    QString Denominator;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// The fraction the fraction boxes show for a diameter's text: the smallest
// denominator of 1, 2, 4, ... 64 that gives the value exactly (0.625 is 5/8,
// 1.5 is 3/2), as rods are sized in binary fractions of an inch. Nothing for
// a text that is not wholly a number above 0, nor for a value with no such
// fraction (0.63): the boxes are then cleared rather than show another size.
std::optional<Fraction> DiameterFraction(const QString& diameter);

} // namespace stakewell::mainwindow
