#pragma once
// An interactive setup driven page by page through its buttons, as a user clicks them, with a
// picture of each page saved for people to look at.

#include <windows.h>

#include <string>

class SetupPages {
 public:
  static constexpr int kNextButton = 1;  // "Next >", "Install", "Finish"

  explicit SetupPages(const std::wstring& commandLine);
  ~SetupPages();  // ends a setup still running
  SetupPages(const SetupPages&) = delete;
  SetupPages& operator=(const SetupPages&) = delete;

  bool Started() const { return process_ != nullptr; }
  // Waits until the setup's window shows a page whose Next button reads `nextText` (without its
  // accelerator mark) and can be pressed.
  bool WaitForPage(const std::wstring& nextText, DWORD timeoutMs = 60000);
  // Waits until the setup shows a question whose answers include the button `buttonId`.
  bool WaitForQuestion(int buttonId, DWORD timeoutMs = 60000);
  // Presses a button of the setup's frontmost window: its page, or its question.
  bool Press(int buttonId);
  // Saves the window as <screenshots>\<name>.png.
  void SavePicture(const std::string& name) const;
  bool WaitForEnd(DWORD timeoutMs = 60000);

 private:
  HWND Window() const;

  HANDLE process_ = nullptr;
};
