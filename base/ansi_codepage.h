#pragma once
// Windows-1252, the ANSI code page in which new INI files are written. Every byte has exactly one
// UTF-16 unit and back, so a file decoded, edited and encoded again keeps the bytes it had.

#include <string>
#include <string_view>

#include "base/text.h"

// One unit per byte. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the C1 controls of the same value, as the system's own conversion does.
char16_t AnsiByteToChar(unsigned char byte);
Text AnsiToText(std::string_view bytes);

// One byte per UTF-16 unit; a unit with no byte in the code page (each half of a surrogate pair
// included) becomes '?'.
bool CharToAnsiByte(char16_t c, unsigned char* byte);
std::string TextToAnsi(TextView text);
