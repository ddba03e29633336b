#include "module1.h"

namespace Module1 {

std::array<std::int16_t, VoltCount> TranVolts{};
std::array<std::int16_t, DiamCount> TubeDiams{};
LoadingTable ArgonTable;
LoadingTable NeonTable;

} // namespace Module1
