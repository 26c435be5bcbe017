// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Theoretical weights of steel (density 7.85 g/cm³). Every operation takes the
// texts of a page's input fields and returns the texts of its result fields.
// Dimensions are in mm, lengths in m, G in kg/m, weights in kg. The weight
// step always multiplies the rounded G text, never the unrounded G, so that
// what the user reads multiplies out.
namespace korvane {

struct PlateResult {
    std::string unitWeight; // kg/m², 2 decimals
    std::string area;       // m², 2 decimals
    std::string weight;     // kg, 2 decimals
};

struct SectionResult {
    std::string g;      // kg/m, 3 decimals
    std::string weight; // kg, 2 decimals
};

PlateResult computePlate(std::string_view thickness, std::string_view length,
                         std::string_view width, std::string_view count);
SectionResult computeRoundBar(std::string_view diameter, std::string_view length);
SectionResult computeFlatBar(std::string_view width, std::string_view thickness,
                             std::string_view length);
SectionResult computeRoundTube(std::string_view outerDiameter, std::string_view wall,
                               std::string_view length);
SectionResult computeRectTube(std::string_view sideA, std::string_view sideB, std::string_view wall,
                              std::string_view length);
SectionResult computeHBeamFormula(std::string_view h, std::string_view b, std::string_view t1,
                                  std::string_view t2, std::string_view length);
// Table pages and the checkered plate, where g is kg/m² and length the area.
std::string computeTableWeight(std::string_view g, std::string_view length);

} // namespace korvane
