#pragma once

#include <cstdint>

namespace stakewell::calc {

// The seven design inputs in the precision the model holds them.
struct DesignInputs {
    float rho = 0.0F;   // earth resistivity, ohm-metres
    float L = 0.0F;     // electrode length, feet
    float d = 0.0F;     // electrode diameter, inches
    std::int16_t N = 0; // number of electrodes
    float Lw = 0.0F;    // total wire length, feet
    float dw = 0.0F;    // wire diameter, inches
    float h = 0.0F;     // wire depth, feet
};

// One stored result and whether its own step faulted (its label is then empty).
struct StepResult {
    float value = 0.0F;
    bool faulted = false;
};

struct DesignResults {
    StepResult R1; // one electrode
    StepResult S;  // linear spacing
    float HarmonicSum = 0.0F;
    StepResult Re;  // linear electrodes
    StepResult Rw;  // linear wire
    StepResult Rm;  // linear mutual
    StepResult Rt;  // linear total
    StepResult S2;  // polygon spacing
    StepResult Re2; // polygon electrodes
    StepResult Rw2; // polygon wire
    StepResult Rm2; // polygon mutual
    StepResult Rt2; // polygon total
};

// Runs the model's steps in their fixed order; each step fails on its own
// and later steps use whatever an earlier step stored.
DesignResults ComputeDesign(const DesignInputs& in);

} // namespace stakewell::calc
