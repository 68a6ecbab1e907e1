#pragma once
// The current profile's pointer settings mirrored in the user's registry values.

#include <cstdint>

#include "settings/profile_settings.h"
#include "settings/registry.h"

inline constexpr char16_t kMouseKey[] = u"Control Panel\\Mouse";
inline constexpr char16_t kDesktopKey[] = u"Control Panel\\Desktop";

// Registry values MouseSpeed, MouseThreshold1 and MouseThreshold2 for each acceleration level.
struct AccelerationRow {
  int32_t speed;
  int32_t threshold1;
  int32_t threshold2;
};
inline constexpr int kAccelerationRowCount = 20;
inline constexpr AccelerationRow kAccelerationTable[kAccelerationRowCount] = {
    {0, 0, 0},  {1, 13, 0}, {1, 12, 0}, {1, 11, 0}, {1, 10, 0}, {1, 9, 0},  {1, 8, 0},
    {1, 7, 0},  {1, 6, 0},  {1, 5, 0},  {1, 4, 0},  {2, 4, 13}, {2, 4, 12}, {2, 4, 11},
    {2, 4, 10}, {2, 4, 9},  {2, 4, 8},  {2, 4, 7},  {2, 4, 6},  {2, 4, 5}};

// The row written for a profile: 0 when acceleration is off or its level negative, else the level
// limited to 19.
int AccelerationRowToWrite(const ProfileSettings& profile);

// The last row that the registry values satisfy, or -1 when none does.
int AccelerationRowMatching(int32_t speed, int32_t threshold1, int32_t threshold2);

// Size of the buffer a registry number is read into.
inline constexpr uint32_t kRegistryNumberBytes = 80;

// A registry text value as a number: a missing value, one that is not text or does not fit the
// 80-byte buffer gives 0.
int32_t ReadRegistryNumber(RegistryKey& key, const Text& name);

// Returns 1, or -1 when a key can be neither opened nor created (the other key is still written).
int WritePointerSettings(const ProfileSettings& profile, Registry& registry);

// The acceleration level is the row the registry values match (kept when none does) and the flag
// is on for every level above 0, so that reading and then writing a row gives the same row back.
// Returns 1; 0 when the mouse key fails (nothing is read), -1 when the desktop key fails.
int ReadPointerSettings(ProfileSettings& profile, Registry& registry);
