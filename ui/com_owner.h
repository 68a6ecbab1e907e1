#pragma once
// The sole owner of one COM interface pointer: released exactly once.

#include "base/unique_handle.h"

template <typename Interface>
void ReleaseInterface(Interface* object) {
  object->Release();
}

template <typename Interface>
using ComOwner = UniqueHandle<Interface*, ReleaseInterface<Interface>>;
