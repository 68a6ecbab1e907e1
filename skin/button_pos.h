#pragma once
// One control position of a skin description: the value of a "BUTTONPOS" key, such as
// "close,57,106,16,16," (name, x, y, width, height, text).

#include <cstdint>

#include "base/text.h"

struct ButtonPosEntry {
  char16_t name[40];                 // at most 39 characters, always terminated
  int32_t left, top, right, bottom;  // in the owning window's client coordinates
  char16_t text[400];                // at most 399 characters, always terminated
  int32_t checked;                   // initial checked state; parsing leaves it 0
};

// Parses one value. Nothing in it can make the entry invalid: fields that are missing or do not
// scan stay 0 or empty, as described below.
//  - name: the characters before the first comma (the whole value when it has none), cut to fit;
//  - the four numbers after that comma are scanned like "%d,%d,%d,%d": blanks before a number
//    are skipped, a comma must follow a number at once, and the first field that does not scan
//    leaves itself and every later number 0. Numbers beyond the 32-bit range are limited to it,
//    and so are right = x + width and bottom = y + height;
//  - text: what follows the last comma after the name, without leading and trailing white space,
//    cut to fit; empty when there is no further comma.
ButtonPosEntry ParseButtonPos(TextView value);
