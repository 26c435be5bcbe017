// SPDX-License-Identifier: MIT
#pragma once

namespace korvane {

// The calculator pages: one value per product kind, plus the auxiliary page.
enum class SectionKind {
    Plate,          // 板材 / 中厚板, formula
    CheckeredPlate, // 板材 / 花纹钢板, table (kg/m² × area)
    IBeam,          // 工字钢, table
    EqualAngle,     // 角钢 / 等边角钢, table
    UnequalAngle,   // 角钢 / 不等边角钢, table
    Channel,        // 槽钢, table
    HBeamTable,     // H型钢 / 查表法, table
    HBeamFormula,   // H型钢 / 计算法, formula
    RectTube,       // 矩形管, formula
    RoundTube,      // 圆管, formula
    WeldedPipe,     // 焊接钢管, table
    RoundBar,       // 圆钢, formula
    FlatBar,        // 扁钢, formula
    Rail,           // 钢轨, table
    CChannel,       // C型钢, table
    Auxiliary,      // 辅助功能: weighbridge and amount in capitals
};

} // namespace korvane
