#include "option/dialogs/pointer_speed_table.h"

namespace {

constexpr int32_t kSpeedOfPosition[kPointerSpeedPositions] = {1, 3, 5, 7, 10, 13, 15, 17, 20};

// Position by MouseSpeed 0 to 20. 13 belongs to position 6, whose own value it is; otherwise a
// profile saved at position 6 would come back at position 7.
constexpr int32_t kPositionOfSpeed[21] = {
    1, 1, 1,  // 0 to 2
    2, 2,     // 3, 4
    3, 3,     // 5, 6
    4, 4,     // 7, 8
    5, 5,     // 9, 10
    6, 6, 6,  // 11 to 13
    7, 7,     // 14, 15
    8, 8,     // 16, 17
    9, 9, 9,  // 18 to 20
};

}  // namespace

int32_t MouseSpeedOfPosition(int32_t position) {
  if (position < 1 || position > kPointerSpeedPositions) return 10;
  return kSpeedOfPosition[position - 1];
}

int32_t PositionOfMouseSpeed(int32_t mouseSpeed) {
  if (mouseSpeed < 0 || mouseSpeed > 20) return 6;
  return kPositionOfSpeed[mouseSpeed];
}
