#pragma once

namespace stakewell::soil {

// A point in the ground, in metres: x and y along the surface, z the depth
// below it (positive down).
struct GroundPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct LineSegment {
    GroundPoint start;
    GroundPoint end;
};

double Length(const LineSegment& segment);

// A segment's unit vector from its start to its end, and its length.
struct Direction {
    GroundPoint unit;
    double length = 0.0;
};

// The mean of 1/sqrt(r^2 + a^2) over every point of `observer` and every
// point of `source` (r their distance, a = `radius`): the average potential on
// one straight conductor from a uniform line current along another, per unit
// density, in a uniform whole space. The radius keeps the kernel finite where
// the two touch: a conductor's potential is read on its surface, a radius off
// the axis that carries the current (the thin-wire kernel).
double MeanInverseDistance(const LineSegment& observer, const LineSegment& source, double radius);

// MeanInverseDistance from one observer to the images of one source: the
// source with its depths mapped by z -> sign z + shift. A series of images
// runs mostly through images far from the observer, which take the quick way
// here without building the image.
class ImageMeans {
public:
    ImageMeans(const LineSegment& observer, const LineSegment& source, double radius);

    double ToImage(double sign, double shift) const;

private:
    LineSegment observer;
    LineSegment source;
    double radius;
    GroundPoint observerCentre;
    GroundPoint sourceCentre;
    Direction observerDirection;
    Direction sourceDirection;
    double observerSquare;
    double sourceSquare;
    double farSquare;
};

} // namespace stakewell::soil
