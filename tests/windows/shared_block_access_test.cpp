// The shared block's objects admit the user and SYSTEM only and their handles are not inherited;
// objects of the block's names that somebody else owns are refused, the user's own are used.

#include <aclapi.h>
#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

#include <string>

#include "base/wide.h"
#include "bridge/identities.h"
#include "bridge/shared_block.h"

namespace {

std::wstring SidText(PSID sid) {
  wchar_t* text = nullptr;
  if (!ConvertSidToStringSidW(sid, &text)) return L"?";
  std::wstring result(text);
  LocalFree(text);
  return result;
}

std::wstring UserSidText() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  BYTE info[256];
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, info, sizeof info, &size);
  CloseHandle(token);
  return SidText(reinterpret_cast<TOKEN_USER*>(info)->User.Sid);
}

// The block's names are the session's, so these tests never run beside each other.
class SharedBlockAccess : public ::testing::Test {
 protected:
  void SetUp() override { WaitForSingleObject(serial_, 60000); }
  void TearDown() override {
    ReleaseMutex(serial_);
    CloseHandle(serial_);
  }
  HANDLE serial_ = CreateMutexW(nullptr, FALSE, L"SharedBlockAccessTests");
  const std::wstring user_ = UserSidText();
};

TEST_F(SharedBlockAccess, ObjectsAdmitTheUserAndSystemOnlyAndAreNotInherited) {
  SharedBlock block;
  // A squatter of the other test, in a program that just ended, may take a moment to go.
  SharedBlock::CreateResult created = block.Create();
  for (int attempt = 0; created == SharedBlock::CreateResult::NotOurs && attempt < 100; ++attempt) {
    Sleep(50);
    created = block.Create();
  }
  ASSERT_EQ(created, SharedBlock::CreateResult::Created);
  for (HANDLE object : {block.MappingHandle(), block.MutexHandle()}) {
    SCOPED_TRACE(object == block.MutexHandle() ? "mutex" : "mapping");
    DWORD flags = 0;
    ASSERT_TRUE(GetHandleInformation(object, &flags));
    EXPECT_EQ(flags & HANDLE_FLAG_INHERIT, 0u);
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR held = nullptr;
    ASSERT_EQ(GetSecurityInfo(object, SE_KERNEL_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                              nullptr, &dacl, nullptr, &held),
              static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(SidText(owner), user_);
    ASSERT_NE(dacl, nullptr) << "a null DACL admits everybody";
    // Every entry that allows something names the user or SYSTEM: none for Everyone.
    bool userAllowed = false;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
      void* ace = nullptr;
      ASSERT_TRUE(GetAce(dacl, i, &ace));
      if (static_cast<ACE_HEADER*>(ace)->AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
      const std::wstring sid = SidText(&static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart);
      userAllowed |= sid == user_;
      EXPECT_TRUE(sid == user_ || sid == L"S-1-5-18") << "entry " << i << " allows another";
    }
    EXPECT_TRUE(userAllowed);
    LocalFree(held);
  }
}

TEST_F(SharedBlockAccess, ObjectsLeftByAnotherOwnerAreRefused) {
  using Result = SharedBlock::CreateResult;
  const auto mutex = [](SECURITY_ATTRIBUTES* a) {
    return CreateMutexW(a, FALSE, Wide(kSharedBlockMutex));
  };
  const auto mapping = [](SECURITY_ATTRIBUTES* a) {
    return CreateFileMappingW(INVALID_HANDLE_VALUE, a, PAGE_READWRITE, 0,
                              sizeof(SharedSettingsBlock), Wide(kSharedBlockName));
  };
  const struct {
    const char* name;
    HANDLE (*make)(SECURITY_ATTRIBUTES*);
    std::wstring owner;
    Result expected;
  } rows[] = {
      {"mutex of Administrators", mutex, L"BA", Result::NotOurs},
      {"mapping of Administrators", mapping, L"BA", Result::NotOurs},
      {"the user's own mapping", mapping, user_, Result::Created},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    // Open to everybody, so that only the owner tells the objects apart.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        (L"O:" + row.owner + L"D:(A;;GA;;;WD)").c_str(), SDDL_REVISION_1, &descriptor, nullptr));
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    // The objects of a test program that just ended may take a moment to go; the squatter must
    // make the object itself, not open the user's.
    HANDLE squatter = nullptr;
    bool taken = true;
    for (int attempt = 0; taken && attempt < 100; ++attempt) {
      squatter = row.make(&attributes);
      taken = squatter != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
      if (taken) {
        CloseHandle(squatter);
        squatter = nullptr;
        Sleep(50);
      }
    }
    LocalFree(descriptor);
    ASSERT_FALSE(taken) << "the block's name stays taken";
    if (squatter == nullptr) GTEST_SKIP() << "cannot make it here, error " << GetLastError();
    SharedBlock block;
    EXPECT_EQ(block.Create(), row.expected);
    EXPECT_EQ(block.HasView(), row.expected == Result::Created);
    if (row.expected == Result::NotOurs) {
      EXPECT_EQ(block.MutexHandle(), nullptr);
    }
    block.CloseBlock();
    block.CloseLock();
    CloseHandle(squatter);
  }
}

}  // namespace
