#include "bridge/block_access.h"

#include <aclapi.h>
#include <sddl.h>

#include <string>

namespace {

std::vector<BYTE> TokenUserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  std::vector<BYTE> sid;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> info(size);
  if (size != 0 && GetTokenInformation(token, TokenUser, info.data(), size, &size)) {
    PSID user = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
    sid.resize(GetLengthSid(user));
    if (!CopySid(static_cast<DWORD>(sid.size()), sid.data(), user)) sid.clear();
  }
  CloseHandle(token);
  return sid;
}

}  // namespace

BlockAccess::BlockAccess() : user_(TokenUserSid()) {
  attributes_.nLength = sizeof attributes_;
  attributes_.bInheritHandle = FALSE;
  if (user_.empty()) return;
  wchar_t* userText = nullptr;
  if (!ConvertSidToStringSidW(user_.data(), &userText)) return;
  // Owner: the user. Protected DACL: generic all for the user and for SYSTEM, nothing for others.
  const std::wstring user(userText);
  LocalFree(userText);
  const std::wstring text = L"O:" + user + L"D:P(A;;GA;;;" + user + L")(A;;GA;;;SY)";
  if (ConvertStringSecurityDescriptorToSecurityDescriptorW(text.c_str(), SDDL_REVISION_1,
                                                           &descriptor_, nullptr)) {
    attributes_.lpSecurityDescriptor = descriptor_;
  } else {
    descriptor_ = nullptr;
  }
}

BlockAccess::~BlockAccess() {
  if (descriptor_ != nullptr) LocalFree(descriptor_);
}

bool BlockAccess::OwnedByUser(HANDLE object) const {
  if (user_.empty()) return false;
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR held = nullptr;
  if (GetSecurityInfo(object, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                      nullptr, nullptr, &held) != ERROR_SUCCESS) {
    return false;
  }
  const bool ours = owner != nullptr && EqualSid(owner, const_cast<BYTE*>(user_.data()));
  LocalFree(held);
  return ours;
}
