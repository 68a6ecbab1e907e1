#pragma once
// The function codes of a button assignment (ButtonAssignment::functionCode) that the programs
// store with parameters or treat apart; the others are key and mouse functions.

#include <cstdint>

inline constexpr uint8_t kFunctionLeftClick = 1;
inline constexpr uint8_t kFunctionKeyCombination = 5;
inline constexpr uint8_t kFunctionMacro = 16;
inline constexpr uint8_t kFunctionProgram = 17;
inline constexpr uint8_t kFunctionSingleKey = 45;
inline constexpr uint8_t kFunctionOpenFile = 86;
