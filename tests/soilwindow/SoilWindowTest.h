#pragma once

#include "mainwindow/MainWindowDriver.h"

#include "soilwindow/frmSoil.h"

#include <QPlainTextEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

// The soil window as the user reaches it: from its button on the four-point
// page, its cells typed key by key.
class SoilWindowTest : public testing::Test {
protected:
    SoilWindowTest();

    stakewell::soilwindow::frmSoil& Window() { return *window; }
    QTableWidget& Table();
    QString ModelText();

    // A modal box takes the activation with it; the window's keys need it back.
    void Activate();
    // Types into the cell's editor and leaves it with Enter.
    void TypeCell(int row, int column, const QString& text);
    // Appends one row a reading, its spacing and resistance typed.
    void TypeReadings(const std::vector<std::pair<QString, QString>>& readings);
    // Whether the layered model arrived; a fit may take seconds on a slow build.
    bool WaitForLayers();

    MainWindowDriver form;
    stakewell::soilwindow::frmSoil* window = nullptr;
};

namespace stakewell::soil {
// Shows a survey in a failure message by its readings.
void PrintTo(const SoilSurvey& survey, std::ostream* os);
} // namespace stakewell::soil

// A Wenner traverse in feet over 400 ohm-metres down to 2 m and 120 below,
// each resistance off the model by a few parts in a hundred and rounded to
// four figures, as a meter shows it.
std::vector<std::pair<QString, QString>> TwoLayerTraverse();
