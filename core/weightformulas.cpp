// SPDX-License-Identifier: MIT
#include "weightformulas.h"

#include "numbertext.h"

namespace korvane {
namespace {

using NumberText::fixedDecimalsText;

double num(std::string_view text) {
    return NumberText::textToNumber(text);
}

// The rectangular tube and the computed H-beam hold some values in single
// precision, and the last digit of their results depends on it: the
// weights must match the ones saved in earlier lists and printed reports.
double single(double value) {
    return static_cast<double>(static_cast<float>(value));
}

SectionResult fromG(double g, std::string_view length) {
    SectionResult result;
    result.g = fixedDecimalsText(g, 3);
    result.weight = fixedDecimalsText(num(result.g) * num(length), 2);
    return result;
}

} // namespace

PlateResult computePlate(std::string_view thickness, std::string_view length,
                         std::string_view width, std::string_view count) {
    PlateResult result;
    result.unitWeight = fixedDecimalsText(num(thickness) * 7.85, 2);
    result.area = fixedDecimalsText(num(length) * num(width) * num(count), 2);
    result.weight = fixedDecimalsText(num(result.unitWeight) * num(result.area), 2);
    return result;
}

SectionResult computeRoundBar(std::string_view diameter, std::string_view length) {
    double d = num(diameter);
    SectionResult result;
    result.g = fixedDecimalsText(d * d * 0.00617, 3);
    result.weight = fixedDecimalsText(num(length) * num(result.g), 2);
    return result;
}

SectionResult computeFlatBar(std::string_view width, std::string_view thickness,
                             std::string_view length) {
    return fromG(num(width) * num(thickness) * 0.00785, length);
}

SectionResult computeRoundTube(std::string_view outerDiameter, std::string_view wall,
                               std::string_view length) {
    double diff = num(outerDiameter) - num(wall);
    return fromG(diff * num(wall) * 0.02466, length);
}

SectionResult computeRectTube(std::string_view sideA, std::string_view sideB, std::string_view wall,
                              std::string_view length) {
    double a = single(num(sideA));
    double b = single(num(sideB));
    double d = single(num(wall));
    double s = a * d * 2 + b * d * 2;
    double x = single(s - d * d * 4);
    return fromG(x * 0.00785, length);
}

SectionResult computeHBeamFormula(std::string_view h, std::string_view b, std::string_view t1,
                                  std::string_view t2, std::string_view length) {
    double web = single(num(h) - num(t2) - num(t2));
    double flange = single(num(b));
    double webThickness = single(num(t1));
    double flangeThickness = single(num(t2));
    double s = single(web * webThickness + flange * flangeThickness * 2);
    SectionResult result;
    result.g = fixedDecimalsText(s * 0.00785, 3);
    result.weight = fixedDecimalsText(num(length) * num(result.g), 2);
    return result;
}

std::string computeTableWeight(std::string_view g, std::string_view length) {
    return fixedDecimalsText(num(g) * num(length), 2);
}

} // namespace korvane
