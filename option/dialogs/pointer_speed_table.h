#pragma once
// The pointer-speed slider has nine positions over the Windows pointer speeds 1 to 20.

#include <cstdint>

inline constexpr int32_t kPointerSpeedPositions = 9;

// The MouseSpeed stored for a slider position; positions outside 1 to 9 give 10.
int32_t MouseSpeedOfPosition(int32_t position);

// The slider position that shows a stored MouseSpeed; values outside 0 to 20 show position 6.
// Every value stored by MouseSpeedOfPosition comes back at its own position (13 shows at 6).
int32_t PositionOfMouseSpeed(int32_t mouseSpeed);
