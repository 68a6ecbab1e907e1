// The window framework under Wine: message tables and their fall-back, subclassed system
// controls, reflection of child notifications, pre-translation in the framework's loops, modal
// dialogs from an in-memory template, and the end of bindings with the window.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/message_loop.h"
#include "ui/modal_dialog.h"
#include "ui/window.h"

namespace {

constexpr UINT kMsgAnswer = WM_APP + 1;    // handled: answers 42
constexpr UINT kMsgDecline = WM_APP + 2;   // handled, then declined
constexpr UINT kMsgBaseOnly = WM_APP + 3;  // only in the base class' table
constexpr UINT kMsgStop = WM_APP + 9;      // ends a test's modal loop

class BaseWindow : public Window {
 public:
  std::vector<UINT> seen;  // every message a table of this object handled, in order
  int baseAnswers = 0;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<BaseWindow> kRoutes[];
  LRESULT OnBaseOnly(WPARAM, LPARAM) {
    ++baseAnswers;
    return 7;
  }
  LRESULT OnDeclineInBase(WPARAM, LPARAM) {
    ++baseAnswers;
    return 8;
  }
};

const MessageRoute<BaseWindow> BaseWindow::kRoutes[] = {
    {kMsgBaseOnly, &BaseWindow::OnBaseOnly},
    {kMsgDecline, &BaseWindow::OnDeclineInBase},
};

bool BaseWindow::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

class TableWindow : public BaseWindow {
 public:
  std::wstring textSeenAfterDefault;
  int declined = 0;

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<TableWindow> kRoutes[];
  LRESULT OnCreate(WPARAM, LPARAM) {
    seen.push_back(WM_CREATE);
    return Default();
  }
  LRESULT OnNcCreate(WPARAM, LPARAM) {
    seen.push_back(WM_NCCREATE);
    return Default();
  }
  LRESULT OnAnswer(WPARAM, LPARAM) { return 42; }
  LRESULT OnDecline(WPARAM, LPARAM) {
    ++declined;
    Decline();
    return 99;  // ignored
  }
  LRESULT OnSetText(WPARAM, LPARAM) {
    const LRESULT result = Default();  // the default stores the text first
    wchar_t buffer[64] = {};
    GetWindowTextW(handle(), buffer, 64);
    textSeenAfterDefault = buffer;
    return result;
  }
};

const MessageRoute<TableWindow> TableWindow::kRoutes[] = {
    {WM_NCCREATE, &TableWindow::OnNcCreate}, {WM_CREATE, &TableWindow::OnCreate},
    {kMsgAnswer, &TableWindow::OnAnswer},    {kMsgDecline, &TableWindow::OnDecline},
    {WM_SETTEXT, &TableWindow::OnSetText},
};

bool TableWindow::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         BaseWindow::RouteMessage(message, wParam, lParam, result);
}

TEST(FrameworkWindow, TableRoutesAndFallsBackToBaseTableAndDefault) {
  TableWindow window;
  WindowCreateArgs args;
  args.style = WS_POPUP;
  ASSERT_TRUE(window.Create(args));
  ASSERT_EQ(Window::FromHandle(window.handle()), &window);
  ASSERT_GE(window.seen.size(), 2u);
  EXPECT_EQ(window.seen[0], static_cast<UINT>(WM_NCCREATE));  // bound from the very first
  EXPECT_EQ(window.seen[1], static_cast<UINT>(WM_CREATE));

  EXPECT_EQ(SendMessageW(window.handle(), kMsgAnswer, 0, 0), 42);
  // Only the base class' table knows this one.
  EXPECT_EQ(SendMessageW(window.handle(), kMsgBaseOnly, 0, 0), 7);
  // Declined by the derived table: the base table answers instead.
  EXPECT_EQ(SendMessageW(window.handle(), kMsgDecline, 0, 0), 8);
  EXPECT_EQ(window.declined, 1);
  EXPECT_EQ(window.baseAnswers, 2);
  // In no table: DefWindowProcW, which keeps the caption.
  SetWindowTextW(window.handle(), L"caption");
  EXPECT_EQ(window.textSeenAfterDefault, L"caption");
  EXPECT_EQ(SendMessageW(window.handle(), WM_GETTEXTLENGTH, 0, 0), 7);
  DestroyWindow(window.handle());
}

// A subclassed system control that records what reaches it.
class RecordingControl : public Window {
 public:
  std::vector<UINT> messages;  // table hits
  int subclassedCalls = 0;
  LRESULT reflectedAnswer = 1;
  bool declineReflected = false;
  bool swallowKeyA = false;
  std::vector<WPARAM> preTranslatedKeys;
  std::vector<WPARAM> keysDown;

  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message != WM_KEYDOWN) return false;
    preTranslatedKeys.push_back(msg.wParam);
    return swallowKeyA && msg.wParam == 'A';
  }

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnSubclassed() override { ++subclassedCalls; }

 private:
  static const MessageRoute<RecordingControl> kRoutes[];
  LRESULT OnLButtonDown(WPARAM, LPARAM) {
    messages.push_back(WM_LBUTTONDOWN);
    return Default();
  }
  LRESULT OnKeyDown(WPARAM wParam, LPARAM) {
    keysDown.push_back(wParam);
    return Default();
  }
  LRESULT OnReflected(WPARAM, LPARAM) {
    messages.push_back(kReflectBase + WM_COMMAND);
    if (declineReflected) Decline();
    return reflectedAnswer;
  }
  LRESULT OnReflectedDraw(WPARAM, LPARAM) {
    messages.push_back(kReflectBase + WM_DRAWITEM);
    return TRUE;
  }
};

const MessageRoute<RecordingControl> RecordingControl::kRoutes[] = {
    {WM_LBUTTONDOWN, &RecordingControl::OnLButtonDown},
    {WM_KEYDOWN, &RecordingControl::OnKeyDown},
    {kReflectBase + WM_COMMAND, &RecordingControl::OnReflected},
    {kReflectBase + WM_DRAWITEM, &RecordingControl::OnReflectedDraw},
};

bool RecordingControl::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

// A parent that records the notifications its own table receives.
class RecordingParent : public Window {
 public:
  int commands = 0;
  int drawItems = 0;
  std::vector<WPARAM> preTranslatedKeys;
  bool stopped = false;

  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message == WM_KEYDOWN) preTranslatedKeys.push_back(msg.wParam);
    return false;
  }

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<RecordingParent> kRoutes[];
  LRESULT OnCommand(WPARAM, LPARAM) {
    ++commands;
    return 5;
  }
  LRESULT OnDrawItem(WPARAM, LPARAM) {
    ++drawItems;
    return TRUE;
  }
  LRESULT OnStop(WPARAM, LPARAM) {
    stopped = true;
    return 0;
  }
};

const MessageRoute<RecordingParent> RecordingParent::kRoutes[] = {
    {WM_COMMAND, &RecordingParent::OnCommand},
    {WM_DRAWITEM, &RecordingParent::OnDrawItem},
    {kMsgStop, &RecordingParent::OnStop},
};

bool RecordingParent::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         Window::RouteMessage(message, wParam, lParam, result);
}

struct ParentWithButton {
  RecordingParent parent;
  RecordingControl button;

  // Under Wine without a window manager, hiding a shown top-level window waits two seconds for
  // the X server, so the parent is shown only where a test needs painting.
  explicit ParentWithButton(DWORD buttonStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                            bool shown = false) {
    WindowCreateArgs args;
    args.style = WS_POPUP | (shown ? WS_VISIBLE : 0);
    args.x = 10;
    args.y = 10;
    args.width = 200;
    args.height = 100;
    EXPECT_TRUE(parent.Create(args));
    ControlCreateArgs control;
    control.className = L"BUTTON";
    control.text = L"press";
    control.style = buttonStyle;
    control.rect = {10, 10, 90, 40};
    control.parent = parent.handle();
    EXPECT_TRUE(button.CreateControl(control));
  }
  ~ParentWithButton() {
    if (parent.handle() != nullptr) DestroyWindow(parent.handle());
  }
};

TEST(FrameworkWindow, SubclassedButtonGetsItsMessagesAndKeepsItsBehaviour) {
  ParentWithButton fixture;
  RecordingControl& button = fixture.button;
  HWND control = button.handle();
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(button.subclassedCalls, 1);
  EXPECT_EQ(Window::FromHandle(control), &button);

  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(button.messages.size(), 1u);
  EXPECT_EQ(button.messages[0], static_cast<UINT>(WM_LBUTTONDOWN));
  // The button's own procedure ran as the default: it is pushed now.
  EXPECT_NE(SendMessageW(control, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  // USERDATA stays the control's own.
  EXPECT_EQ(GetWindowLongPtrW(control, GWLP_USERDATA), 0);

  // Detaching gives the control its own procedure back.
  WNDCLASSEXW buttonClass{};
  buttonClass.cbSize = sizeof buttonClass;
  ASSERT_TRUE(GetClassInfoExW(nullptr, L"BUTTON", &buttonClass));
  const size_t seenBeforeDetach = button.messages.size();
  ASSERT_TRUE(button.Detach());
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC)),
            buttonClass.lpfnWndProc);
  EXPECT_EQ(Window::FromHandle(control), nullptr);
  EXPECT_EQ(button.handle(), nullptr);
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(button.messages.size(), seenBeforeDetach);
}

TEST(FrameworkWindow, ChildNotificationsAreReflectedToTheChildObject) {
  ParentWithButton fixture;
  RecordingParent& parent = fixture.parent;
  RecordingControl& button = fixture.button;
  const LPARAM child = reinterpret_cast<LPARAM>(button.handle());

  // The button's own click notification, sent by the system button procedure.
  button.reflectedAnswer = 3;
  SendMessageW(button.handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(button.messages.size(), 2u);  // WM_LBUTTONDOWN of the click, then the reflection
  EXPECT_EQ(button.messages[1], kReflectBase + WM_COMMAND);
  EXPECT_EQ(parent.commands, 0);
  EXPECT_EQ(SendMessageW(parent.handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), child), 3);

  // Declined by the child: the parent handles the original message.
  button.declineReflected = true;
  EXPECT_EQ(SendMessageW(parent.handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), child), 5);
  EXPECT_EQ(parent.commands, 1);
  // A menu command (no control) and a handle that is not a child are never reflected.
  button.declineReflected = false;
  const size_t before = button.messages.size();
  SendMessageW(parent.handle(), WM_COMMAND, 100, 0);
  SendMessageW(parent.handle(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(parent.handle()));
  EXPECT_EQ(button.messages.size(), before);
  EXPECT_EQ(parent.commands, 3);

  // Owner drawing: a control's item goes to the control, a menu's to the parent.
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = button.handle();
  EXPECT_EQ(SendMessageW(parent.handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
  EXPECT_EQ(button.messages.back(), kReflectBase + WM_DRAWITEM);
  EXPECT_EQ(parent.drawItems, 0);
  item.CtlType = ODT_MENU;
  item.hwndItem = reinterpret_cast<HWND>(CreatePopupMenu());
  SendMessageW(parent.handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  DestroyMenu(reinterpret_cast<HMENU>(item.hwndItem));
  EXPECT_EQ(parent.drawItems, 1);
}

TEST(FrameworkWindow, OwnerDrawnButtonPaintsThroughReflection) {
  ParentWithButton fixture(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, true);
  fixture.button.messages.clear();
  InvalidateRect(fixture.button.handle(), nullptr, TRUE);
  UpdateWindow(fixture.button.handle());
  bool drawn = false;
  for (UINT message : fixture.button.messages) drawn |= message == kReflectBase + WM_DRAWITEM;
  EXPECT_TRUE(drawn);
  EXPECT_EQ(fixture.parent.drawItems, 0);
}

TEST(FrameworkMessageLoop, PreTranslateSwallowsAPostedKeyFromTheControlUp) {
  ParentWithButton fixture;
  RecordingControl& button = fixture.button;
  RecordingParent& parent = fixture.parent;
  button.swallowKeyA = true;
  PostMessageW(button.handle(), WM_KEYDOWN, 'A', 0);
  PostMessageW(button.handle(), WM_KEYDOWN, 'B', 0);
  PostMessageW(parent.handle(), kMsgStop, 0, 0);
  ASSERT_TRUE(RunModalLoop([&] { return !parent.stopped; }));

  EXPECT_EQ(button.preTranslatedKeys, (std::vector<WPARAM>{'A', 'B'}));
  // Swallowed by the control: the parent never saw it, and it was never dispatched.
  EXPECT_EQ(parent.preTranslatedKeys, (std::vector<WPARAM>{'B'}));
  EXPECT_EQ(button.keysDown, (std::vector<WPARAM>{'B'}));
}

TEST(FrameworkMessageLoop, QuitEndsTheModalLoopAndIsPostedAgain) {
  PostQuitMessage(17);
  EXPECT_FALSE(RunModalLoop([] { return true; }));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 17u);
}

constexpr wchar_t kMainTitle[] = L"MOSUE DRIVER R305T";

DialogTemplateSpec MainWindowTemplate() {
  DialogTemplateSpec spec;
  spec.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
  spec.exStyle = WS_EX_APPWINDOW;
  spec.width = 339;
  spec.height = 225;
  spec.title = u"MOSUE DRIVER R305T";
  spec.fontName = u"Arial";
  return spec;
}

DialogTemplateSpec HiddenTemplate() {
  DialogTemplateSpec spec = MainWindowTemplate();
  spec.style &= ~WS_VISIBLE;  // see ParentWithButton: nothing to look at, two seconds saved
  return spec;
}

// A dialog that drives itself: after initialisation it posts itself the keys or the end it is
// told to, so that the whole run happens inside DoModal's own loop.
class ScriptedDialog : public ModalDialog {
 public:
  explicit ScriptedDialog(HWND owner, DialogTemplateSpec spec = MainWindowTemplate())
      : ModalDialog(std::move(spec)), owner_(owner) {}

  std::vector<UINT> order;  // WM_CREATE and WM_INITDIALOG as they arrived
  bool ownerEnabledWhileRunning = true;
  bool swallowEnter = false;
  std::vector<WPARAM> keys;  // WM_KEYDOWN to post after initialisation
  INT_PTR endWith = 0;       // 0: do not end by itself
  bool quit = false;
  std::wstring title;
  LONG_PTR exStyle = 0;
  HWND seenHandle = nullptr;

  bool PreTranslateMessage(MSG& msg) override {
    if (swallowEnter && msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) return true;
    return ModalDialog::PreTranslateMessage(msg);
  }

 protected:
  bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  static const MessageRoute<ScriptedDialog> kRoutes[];
  LRESULT OnCreate(WPARAM, LPARAM) {
    order.push_back(WM_CREATE);
    return Default();
  }
  LRESULT OnInitDialog(WPARAM, LPARAM) {
    order.push_back(WM_INITDIALOG);
    seenHandle = handle();
    wchar_t buffer[64] = {};
    GetWindowTextW(handle(), buffer, 64);
    title = buffer;
    exStyle = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
    for (WPARAM key : keys) PostMessageW(handle(), WM_KEYDOWN, key, 0);
    PostMessageW(handle(), kMsgStop, 0, 0);
    return TRUE;
  }
  LRESULT OnStop(WPARAM, LPARAM) {
    ownerEnabledWhileRunning = owner_ != nullptr && IsWindowEnabled(owner_);
    if (quit) PostQuitMessage(3);
    if (endWith != 0) EndModal(endWith);
    return 0;
  }
  HWND owner_;
};

const MessageRoute<ScriptedDialog> ScriptedDialog::kRoutes[] = {
    {WM_CREATE, &ScriptedDialog::OnCreate},
    {WM_INITDIALOG, &ScriptedDialog::OnInitDialog},
    {kMsgStop, &ScriptedDialog::OnStop},
};

bool ScriptedDialog::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return Route(this, kRoutes, message, wParam, lParam, result) ||
         ModalDialog::RouteMessage(message, wParam, lParam, result);
}

struct OwnerWindow {
  RecordingParent window;
  OwnerWindow() {
    WindowCreateArgs args;
    args.style = WS_POPUP;
    args.width = 50;
    args.height = 50;
    EXPECT_TRUE(window.Create(args));
  }
  ~OwnerWindow() {
    if (window.handle() != nullptr) DestroyWindow(window.handle());
  }
};

TEST(FrameworkModalDialog, DoModalReturnsTheEndModalValueAndReenablesTheOwner) {
  OwnerWindow owner;
  ScriptedDialog dialog(owner.window.handle());
  dialog.endWith = 1234;
  EXPECT_EQ(dialog.DoModal(owner.window.handle()), 1234);

  EXPECT_EQ(dialog.order, (std::vector<UINT>{WM_CREATE, WM_INITDIALOG}));
  EXPECT_EQ(dialog.title, kMainTitle);
  EXPECT_NE(dialog.exStyle & WS_EX_APPWINDOW, 0);
  EXPECT_FALSE(dialog.ownerEnabledWhileRunning);
  EXPECT_TRUE(IsWindowEnabled(owner.window.handle()));
  // The dialog is gone, and so is every lookup that led to it.
  EXPECT_EQ(dialog.handle(), nullptr);
  EXPECT_FALSE(IsWindow(dialog.seenHandle));
  EXPECT_EQ(Window::FromHandle(dialog.seenHandle), nullptr);
  EXPECT_FALSE(dialog.running());
}

TEST(FrameworkModalDialog, KeysGoThroughPreTranslateThenTheDialogKeyboardHandling) {
  OwnerWindow owner;
  {
    // Enter swallowed before the dialog handling; Escape becomes IDCANCEL, which ends it.
    ScriptedDialog dialog(owner.window.handle(), HiddenTemplate());
    dialog.swallowEnter = true;
    dialog.keys = {VK_RETURN, VK_ESCAPE};
    EXPECT_EQ(dialog.DoModal(owner.window.handle()), IDCANCEL);
  }
  {
    // Not swallowed, Enter becomes IDOK and ends the dialog before Escape is read.
    ScriptedDialog dialog(owner.window.handle(), HiddenTemplate());
    dialog.keys = {VK_RETURN, VK_ESCAPE};
    EXPECT_EQ(dialog.DoModal(owner.window.handle()), IDOK);
  }
  // The Escape left behind belongs to a destroyed window; drain it.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  EXPECT_TRUE(IsWindowEnabled(owner.window.handle()));
}

TEST(FrameworkModalDialog, QuitEndsTheDialogAndReachesTheProgramLoop) {
  OwnerWindow owner;
  ScriptedDialog dialog(owner.window.handle(), HiddenTemplate());
  dialog.quit = true;
  EXPECT_EQ(dialog.DoModal(owner.window.handle()), -1);
  EXPECT_TRUE(IsWindowEnabled(owner.window.handle()));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST(FrameworkWindow, BindingsEndWithTheWindow) {
  HWND parentHandle = nullptr;
  HWND buttonHandle = nullptr;
  {
    ParentWithButton fixture;
    parentHandle = fixture.parent.handle();
    buttonHandle = fixture.button.handle();
    DestroyWindow(parentHandle);  // takes the child with it
    EXPECT_EQ(fixture.parent.handle(), nullptr);
    EXPECT_EQ(fixture.button.handle(), nullptr);
  }
  EXPECT_EQ(Window::FromHandle(parentHandle), nullptr);
  EXPECT_EQ(Window::FromHandle(buttonHandle), nullptr);

  // An object that goes first takes its window with it.
  HWND orphan = nullptr;
  {
    TableWindow window;
    WindowCreateArgs args;
    args.style = WS_POPUP;
    ASSERT_TRUE(window.Create(args));
    orphan = window.handle();
  }
  EXPECT_FALSE(IsWindow(orphan));
  EXPECT_EQ(Window::FromHandle(orphan), nullptr);

  // One object, one window.
  TableWindow window;
  WindowCreateArgs args;
  args.style = WS_POPUP;
  ASSERT_TRUE(window.Create(args));
  EXPECT_FALSE(window.Create(args));
  RecordingControl control;
  EXPECT_FALSE(control.Subclass(window.handle()));  // already bound to another object
  DestroyWindow(window.handle());
}

}  // namespace
