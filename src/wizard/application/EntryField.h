#pragma once

namespace veritom {

// The entries of the Application step's parameter dialogs, named by the record value they
// hold; a check names the one that gets the focus, a dialog maps it to its control.
enum class EntryField {
    None,
    PortSize,
    Fluid,
    FlowRate,
    FluidTemperature,
    MaxPressureDifferential,  // "App_MOPDVAL": row 2 of catalog data, row 3 of the calculation
    MinPressureDifferential,
    MaxInletPressure,
    VolumetricFlow,
    ControlSignal,
    FlowFactor,
};

}  // namespace veritom
