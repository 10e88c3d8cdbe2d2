#pragma once

#include <string>

#include "core/regional_settings.h"

namespace level {

// The three field texts of the converter window: the level in decibels
// (Text1), the level in nepers (Text2) and the voltage in volts (Text3).
struct LevelFields {
    std::string decibels;
    std::string nepers;
    std::string volts;

    friend bool operator==(const LevelFields&, const LevelFields&) = default;
};

// The zero level of wire communication: 1 mW into 600 ohms.
inline constexpr double kReferenceVolts = 0.775;

// Each recipe reads the entered field and writes the other two, in the order
// given, each as soon as its value is ready. A value read back after being
// written is the displayed, rounded one. The entered field is never written.
// On a ConversionError the recipe stops; fields written before stay written.

// Reads decibels, writes nepers (dB / 8.686), then volts (0.775 * 10^(dB/20)).
void ConvertFromDecibels(LevelFields& fields, const RegionalSettings& settings);

// Reads nepers, writes decibels (Np * 8.686), then volts from the decibels as
// displayed.
void ConvertFromNepers(LevelFields& fields, const RegionalSettings& settings);

// Reads volts, writes decibels (8.6858 * ln(V / 0.775)), then nepers
// (dB * 0.115) from the decibels as displayed.
void ConvertFromVolts(LevelFields& fields, const RegionalSettings& settings);

}  // namespace level
