#pragma once

#include "calc/DesignSheet.h"
#include "files/SiteRecord.h"
#include "fop/FopAnalysis.h"
#include "fop/FopPoints.h"
#include "soil/SoilSurvey.h"
#include "soil/TwoLayerDesign.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace stakewell::files {

// The wire as given between electrodes: the box texts as typed and the
// lengths they give, from which the results were computed, in the work's unit.
struct WireBetweenReport {
    QString Line;
    QString Polygon;
    float LineTotal = 0.0F;
    float PolygonTotal = 0.0F;
};

// The design computed in the work's two-layer soil, beside the uniform
// figures.
struct LayeredReport {
    // The line naming the soil and where it comes from, or why there is none.
    std::string SoilLine;
    // None when the typed texts give no soil; the figures are then not shown.
    std::optional<soil::TwoLayerSoil> Soil;
    soil::TwoLayerDesignResults Ohms;
    // The equivalent resistivities as written into the design; empty where
    // there is none.
    std::string LinearEquivalent;
    std::string PolygonEquivalent;
};

// What the design report copies from the window: field texts and result
// captions exactly as shown, and the fall-of-potential list.
struct ReportContent {
    // The unit the lengths below are typed and shown in.
    shared::UnitSystem Units = shared::UnitSystem::Imperial;
    calc::SheetInputs Inputs;
    calc::SheetResults Results;
    // Why a figure is empty or to be taken with care; a section of its own
    // after the results, only when there is something to say.
    calc::SheetNotes Notes;
    const fop::FallOfPotential* FallOfPotential = nullptr;
    // The flatness tolerance the analysis of those readings is judged by, in
    // percent: the graph window's.
    double TolerancePercent = fop::DefaultTolerancePercent;
    // Given when the results come from the lengths between electrodes; the
    // report then states those in place of the total-length box.
    std::optional<WireBetweenReport> WireBetween;
    // The site's resistivity survey: a section of its own after all the
    // others, only when it exists.
    const soil::SoilSurvey* Soil = nullptr;
    // The rod the survey's figures are given for: the design's electrode.
    soil::DesignRod Rod;
    // Where and by whom the test was taken: a section of its own after the
    // specified lines, only when filled.
    SiteRecord Site;
    // A section of its own after the uniform design's, only for a work that
    // holds a soil model or has one typed; the analysis is then also read in
    // that soil.
    std::optional<LayeredReport> Layered;
};

// The wire part of a report whose results come from lengths between
// electrodes, typed in `units`.
WireBetweenReport BetweenReport(const std::string& electrodeCount,
                                const calc::WireBetweenInputs& between, shared::UnitSystem units);

// The survey's section: the readings as taken, each with soil::ReadingMarks,
// then the figures a design takes from them, with a rod of the design's
// electrode length, then the survey read as ground of one to four layers.
QStringList SoilReportLines(const soil::SoilSurvey& soil, const soil::DesignRod& rod);

// The report's bytes: CR LF after every line, field texts in UTF-8.
QByteArray TextReport(const ReportContent& content);

} // namespace stakewell::files
