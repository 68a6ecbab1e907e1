#pragma once
// Loading of the pictures a skin description names: a plain BMP straight from the file's bytes
// (skin/bmp_layout.h), any other format the system picture decoder takes (JPEG, other BMPs, GIF)
// through a stream over them.

#include <windows.h>

#include "base/text.h"

// Replaces the bitmap held in target (deleting the old one) with the picture of the file at path
// and returns its width and height. A file that is missing, empty, unreadable or not a decodable
// bitmap picture leaves target empty (nullptr) and gives 0 x 0; it is never an error.
//
// The bitmap is a device-independent section. The system decoder's picture object owns the bitmap
// it hands out and deletes it when released, so the loader copies that one and releases the
// picture at once: the bitmap in target belongs to the caller alone and stays valid until the
// caller deletes it.
SIZE PictureLoader(const Text& path, HBITMAP& target);
