#include "soil/SurveyLayers.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <utility>

namespace stakewell::soil {
namespace {

constexpr int CurvePoints = 80;
// The curve reaches a little beyond the end readings, as the plot does.
constexpr double CurveMargin = 1.25;

std::vector<std::string> TraverseNames(const SoilSurvey& survey) {
    std::vector<std::string> names;
    for (const SoilReading& reading : survey.readings) {
        if (std::find(names.begin(), names.end(), reading.traverse) == names.end()) {
            names.push_back(reading.traverse);
        }
    }
    return names;
}

double SquaredPercent(double percent) {
    return (percent / 100.0) * (percent / 100.0);
}

double RmsPercentOf(double sumOfSquares, std::size_t count) {
    return count == 0 ? 0.0 : std::sqrt(sumOfSquares / static_cast<double>(count)) * 100.0;
}

// The model's curve across the readings, with its band where `banded`.
std::vector<LayeredCurvePoint> CurveOf(const Sounding& sounding, const LayeredFit& fit,
                                       bool banded) {
    std::vector<SoilPoint> points;
    points.reserve(sounding.readings.size());
    for (const SoundingReading& r : sounding.readings) {
        points.push_back({r.metres, r.ohmMetres, r.halfMNMetres});
    }
    std::sort(points.begin(), points.end(),
              [](const SoilPoint& a, const SoilPoint& b) { return a.metres < b.metres; });
    const auto [nearest, farthest] = std::minmax_element(
        sounding.readings.begin(), sounding.readings.end(),
        [](const SoundingReading& a, const SoundingReading& b) { return a.metres < b.metres; });
    const double low = std::log(nearest->metres / CurveMargin);
    const double high = std::log(farthest->metres * CurveMargin);
    std::vector<LayeredCurvePoint> curve;
    curve.reserve(CurvePoints);
    for (int i = 0; i < CurvePoints; ++i) {
        const double metres = std::exp(low + (high - low) * i / (CurvePoints - 1));
        const double halfMN =
            sounding.array == SoilArray::Schlumberger ? CurveHalfMN(points, metres) : 0.0;
        const SoundingReading reading{metres, halfMN, 1.0};
        if (!banded || !fit.covariance) {
            curve.push_back({metres, ModelApparent(sounding.array, fit.earth, reading), 1.0});
            continue;
        }
        const SlopedApparent model = SlopedModelApparent(sounding.array, fit.earth, reading);
        const double ohmMetres = model.ohmMetres;
        double factor = 1.0;
        if (std::isfinite(ohmMetres)) {
            Eigen::VectorXd slopes(fit.covariance->rows());
            for (Eigen::Index j = 0; j < slopes.size(); ++j) {
                slopes[j] = model.slopes[static_cast<std::size_t>(j)] / ohmMetres;
            }
            factor = std::exp(std::sqrt(std::max(slopes.dot(*fit.covariance * slopes), 0.0)));
        }
        curve.push_back({metres, ohmMetres, std::isfinite(factor) ? factor : 1.0});
    }
    return curve;
}

// Each reading's residual from `earth`, and the outliers: a residual more
// than OutlierRatio times the RMS of the other fitted readings' (the fitted
// ones' for a reading left out), and above SmallestOutlierPercent.
void MarkResiduals(SurveyLayers& layers, const SoilSurvey& survey, const Sounding& all,
                   const LayeredEarth& earth) {
    double fittedSquares = 0.0;
    std::size_t fitted = 0;
    for (std::size_t i = 0; i < all.readings.size(); ++i) {
        const SoundingReading& r = all.readings[i];
        const double percent = (1.0 - ModelApparent(all.array, earth, r) / r.ohmMetres) * 100.0;
        layers.residualsPercent.push_back(percent);
        if (!survey.readings[i].leftOut) {
            fittedSquares += SquaredPercent(percent);
            ++fitted;
        }
    }
    for (std::size_t i = 0; i < all.readings.size(); ++i) {
        const double percent = layers.residualsPercent[i];
        const bool counted = !survey.readings[i].leftOut;
        const std::size_t others = counted ? fitted - 1 : fitted;
        const double othersSquares =
            std::max(fittedSquares - (counted ? SquaredPercent(percent) : 0.0), 0.0);
        const double othersRms = RmsPercentOf(othersSquares, others);
        layers.outliers.push_back(others > 0 && std::abs(percent) > SmallestOutlierPercent &&
                                  std::abs(percent) > OutlierRatio * othersRms);
    }
}

// Each traverse's readings not left out, in the order the traverses first
// appear.
struct TraverseSounding {
    std::string name;
    Sounding sounding;
};

std::vector<TraverseSounding> TraverseSoundings(const SoilSurvey& survey, const Sounding& all) {
    std::vector<TraverseSounding> traverses;
    for (const std::string& name : TraverseNames(survey)) {
        TraverseSounding traverse{name, {all.array, {}}};
        for (std::size_t i = 0; i < all.readings.size(); ++i) {
            if (survey.readings[i].traverse == name && !survey.readings[i].leftOut) {
                traverse.sounding.readings.push_back(all.readings[i]);
            }
        }
        traverses.push_back(std::move(traverse));
    }
    return traverses;
}

void CompareTraverses(SurveyLayers& layers, const SoilSurvey& survey,
                      const std::vector<TraverseSounding>& soundings,
                      std::vector<std::future<LayerChoice>>& alone) {
    double ownSquares = 0.0;
    double jointSquares = 0.0;
    std::size_t counted = 0;
    const std::vector<std::string> names = TraverseNames(survey);
    for (std::size_t t = 0; t < names.size(); ++t) {
        TraverseLayers traverse{names[t], 0, 0.0, std::nullopt, {}};
        double squares = 0.0;
        for (std::size_t i = 0; i < survey.readings.size(); ++i) {
            if (survey.readings[i].traverse == names[t] && !survey.readings[i].leftOut) {
                ++traverse.readings;
                squares += SquaredPercent(layers.residualsPercent[i]);
            }
        }
        traverse.jointRmsPercent = RmsPercentOf(squares, traverse.readings);
        // As many layers as the joint model where the traverse's own choice
        // is fewer: a traverse whose one stray reading leaves its deeper
        // layers unresolved would otherwise be judged by a uniform fit.
        if (const LayerChoice own = alone[t].get(); own.chosenLayers > 0) {
            const std::size_t count =
                std::min(std::max(own.chosenLayers, layers.shownLayers), own.fits.size());
            traverse.own = own.fits[count - 1];
            traverse.curve = CurveOf(soundings[t].sounding, *traverse.own, false);
        }
        if (traverse.own) {
            for (const double r : traverse.own->residualsPercent) {
                ownSquares += SquaredPercent(r);
            }
            jointSquares += squares;
            counted += traverse.readings;
        }
        layers.traverses.push_back(std::move(traverse));
    }
    const auto withOwn = std::count_if(layers.traverses.begin(), layers.traverses.end(),
                                       [](const TraverseLayers& t) { return t.own.has_value(); });
    layers.pooledRmsPercent = RmsPercentOf(ownSquares, counted);
    layers.traversesDisagree =
        withOwn >= 2 &&
        RmsPercentOf(jointSquares, counted) >
            DisagreementRatio * std::max(layers.pooledRmsPercent, SmallestPooledRmsPercent);
}

} // namespace

const LayeredFit* SurveyLayers::Shown() const {
    return shownLayers == 0 ? nullptr : &joint.fits[shownLayers - 1];
}

SurveyLayers LayerSurvey(const SoilSurvey& survey) {
    SurveyLayers layers;
    if (!survey.Exists()) {
        return layers;
    }
    SoilPoints points = ApparentPoints(survey.array, survey.unit, survey.readings);
    if (!points.problem.empty()) {
        layers.problem = std::move(points.problem);
        return layers;
    }
    Sounding all{survey.array, {}};
    Sounding fitted{survey.array, {}};
    for (std::size_t i = 0; i < survey.readings.size(); ++i) {
        const SoilPoint& point = points.points[i];
        all.readings.push_back({point.metres, point.halfMNMetres, point.ohmMetres});
        if (!survey.readings[i].leftOut) {
            fitted.readings.push_back(all.readings.back());
        }
    }
    // Each traverse alone is fitted beside the joint fit, on threads of its
    // own: the fits share nothing, and the window waits for the slowest.
    const std::vector<TraverseSounding> soundings =
        SeveralTraverses(survey) ? TraverseSoundings(survey, all) : std::vector<TraverseSounding>{};
    std::vector<std::future<LayerChoice>> alone;
    alone.reserve(soundings.size());
    for (const TraverseSounding& traverse : soundings) {
        alone.push_back(
            std::async(std::launch::async, [&traverse] { return FitLayers(traverse.sounding); }));
    }
    layers.joint = FitLayers(fitted);
    if (!layers.joint.problem.empty() || layers.joint.chosenLayers == 0) {
        layers.problem = layers.joint.problem;
        return layers;
    }
    layers.shownByUser =
        survey.chosenLayers >= 1 && survey.chosenLayers <= layers.joint.fits.size();
    layers.shownLayers = layers.shownByUser ? survey.chosenLayers : layers.joint.chosenLayers;
    MarkResiduals(layers, survey, all, layers.Shown()->earth);
    if (!alone.empty()) {
        CompareTraverses(layers, survey, soundings, alone);
    }
    layers.curve = CurveOf(fitted, *layers.Shown(), true);
    return layers;
}

} // namespace stakewell::soil
