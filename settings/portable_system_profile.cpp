// Native builds have no private-profile functions: the portable engine stands in for them.

#include "settings/portable_private_profile.h"

PrivateProfile& SystemPrivateProfile() {
  static PortablePrivateProfile profile;
  return profile;
}
