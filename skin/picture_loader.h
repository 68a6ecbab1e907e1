#pragma once
// Loading of the pictures a skin description names: any format the system picture decoder takes
// (JPEG, BMP, GIF), through a stream over the file's bytes.

#include <windows.h>

#include "base/text.h"

// Replaces the bitmap held in target (deleting the old one) with the picture of the file at path
// and returns its width and height. A file that is missing, empty, unreadable or not a decodable
// bitmap picture leaves target empty (nullptr) and gives 0 x 0; it is never an error.
//
// The decoded picture object owns the bitmap it hands out and deletes it when released, so the
// loader copies the bitmap (as a device-independent section) and releases the picture at once:
// the bitmap in target belongs to the caller alone and stays valid until the caller deletes it.
SIZE PictureLoader(const Text& path, HBITMAP& target);
