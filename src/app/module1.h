#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The program's loading tables: filled once at start-up, read by the chart window's grids.
// Cell (v, d) of a table belongs to voltage TranVolts[v] and diameter TubeDiams[d].
namespace Module1 {

inline constexpr int VoltCount = 9;
inline constexpr int DiamCount = 10;

using LoadingTable = std::array<std::array<QString, DiamCount>, VoltCount>;

extern std::array<std::int16_t, VoltCount> TranVolts; // volts, ascending
extern std::array<std::int16_t, DiamCount> TubeDiams; // millimetres, ascending
extern LoadingTable ArgonTable;                       // BLUE GAS figures as decimal text
extern LoadingTable NeonTable;                        // NEON GAS figures as decimal text

} // namespace Module1
