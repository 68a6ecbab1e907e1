#pragma once
// Deterministic, unusual profiles for round-trip and agreement tests: every button entry full of
// pseudo-random bytes, texts with non-ASCII letters, fields at the ends of their ranges.

#include "settings/profile_settings.h"

ProfileSettings SampleProfile(unsigned seed);

// The sample that tests/data/sample_profile.gmp holds.
inline constexpr unsigned kGoldenSampleSeed = 7;
