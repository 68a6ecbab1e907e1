#pragma once
// The settings code keeps texts as char16_t; Windows' wide functions take wchar_t, which is the
// same two-byte unit there.

#include <windows.h>

#include "base/text.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// The identity constants (window titles, object names) are char16_t literals.
inline const wchar_t* Wide(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}
inline const wchar_t* Wide(const Text& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline wchar_t* Wide(char16_t* text) {
  return reinterpret_cast<wchar_t*>(text);
}
inline Text FromWide(const wchar_t* text) {
  return text ? Text(reinterpret_cast<const char16_t*>(text)) : Text();
}
inline Text FromWide(const wchar_t* text, size_t length) {
  return Text(reinterpret_cast<const char16_t*>(text), length);
}
