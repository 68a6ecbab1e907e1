#pragma once
// Texts are UTF-16 throughout, as in the records and the Win32 wide functions; char16_t keeps
// them two bytes wide on every compiler (wchar_t is four bytes on Linux).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using Text = std::u16string;
using TextView = std::u16string_view;

// ASCII-only conversions for literals, numbers and diagnostics.
Text AsciiText(std::string_view ascii);
std::string TextToAscii(TextView text, char replacement = '?');

// "%d"
Text FormatInt(int32_t value);

// Copies text into a fixed, zero-terminated field, cut to fit (never splitting a surrogate pair),
// and zero-fills the rest of the field so that equal texts give equal bytes.
void CopyToField(char16_t* field, size_t capacity, TextView text);
template <size_t N>
void CopyToField(char16_t (&field)[N], TextView text) {
  CopyToField(field, N, text);
}

// The text of a fixed field: up to its first zero, or the whole field when it has none.
TextView FieldText(const char16_t* field, size_t capacity);
template <size_t N>
TextView FieldText(const char16_t (&field)[N]) {
  return FieldText(field, N);
}

// Case-insensitive comparison as the INI and path rules need it (ASCII and Latin-1 letters).
char16_t FoldCase(char16_t c);
bool EqualsIgnoreCase(TextView a, TextView b);

// White space as the private-profile functions trim it: 0x09 to 0x0D, 0x1A and 0x20.
bool IsProfileSpace(char16_t c);
TextView TrimProfileSpace(TextView text);
TextView TrimProfileSpaceRight(TextView text);

// Number parsing as the system's converters do: leading white space, an optional sign, then
// decimal digits up to the first other character; no digits give 0. The value wraps modulo 2^32.
int32_t ParseLeadingInt(TextView text);
