#include "calculator_session.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <tuple>

#include "real_input.h"
#include "result_window_ids.h"
#include "window_search.h"

namespace guidriver {
namespace {

void trace(const char* what) {
  static const bool on = GetEnvironmentVariableW(L"GUIDRIVER_TRACE", nullptr, 0) != 0;
  static const ULONGLONG start = GetTickCount64();
  if (on) std::fprintf(stderr, "%6llu ms %s\n", GetTickCount64() - start, what);
}

std::string narrow(const std::wstring& w) { return toUtf8(w); }

bool isPushButton(HWND control) {
  wchar_t className[16] = {};
  GetClassNameW(control, className, 16);
  const auto type = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)) & BS_TYPEMASK;
  return lstrcmpiW(className, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

CalculatorSession::CalculatorSession(const Run& run) : copies_(run.copies), closeWithEscape_(run.closeWithEscape) {
  std::wstring commandLine = L"\"" + run.exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(run.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    throw DriverError("cannot start " + narrow(run.exe) + " (error " + std::to_string(GetLastError()) + ")");
  }
}

CalculatorSession::~CalculatorSession() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

void CalculatorSession::checkRunning() {
  if (WaitForSingleObject(process_.hProcess, 0) != WAIT_TIMEOUT) {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    throw DriverError("the calculator ended unexpectedly with exit code " + std::to_string(code));
  }
}

template <class Done>
void CalculatorSession::waitUntil(Done done, const char* what) {
  const ULONGLONG deadline = GetTickCount64() + kStepTimeoutMs;
  while (!done()) {
    checkRunning();
    if (GetTickCount64() > deadline) throw DriverError(std::string("timed out waiting for ") + what);
    Sleep(10);
  }
}

Box CalculatorSession::start() {
  // Before the warning is closed the dialog does not exist: the one dialog
  // window of the process is the warning.
  std::vector<HWND> windows;
  waitUntil([&] { return !(windows = dialogWindows(process_.dwProcessId)).empty(); }, "the start-up warning");
  const HWND warning = windows.front();
  if (!answers(warning)) throw DriverError("the start-up warning does not respond");
  trace("warning found");
  Box box = readBox(warning);
  box.ownedByDialog = GetWindow(warning, GW_OWNER) != nullptr;
  closeBox(warning);

  waitUntil([&] { return !(windows = dialogWindows(process_.dwProcessId)).empty(); }, "the dialog");
  trace("dialog found");
  dialog_ = windows.front();
  // The dialog answers once its controls exist and its loop runs.
  if (!answers(dialog_)) throw DriverError("the dialog does not respond");
  return box;
}

HWND CalculatorSession::control(int id) {
  const HWND window = GetDlgItem(dialog_, id);
  if (window == nullptr) throw DriverError("the dialog has no control " + std::to_string(id));
  return window;
}

std::vector<Box> CalculatorSession::apply(const Action& action) {
  switch (action.kind) {
    case Action::Kind::Text: {
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutW(control(action.id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(action.text.c_str()),
                               SMTO_NORMAL, kStepTimeoutMs, &result)) {
        throw DriverError("setting the text of " + std::to_string(action.id) + " timed out");
      }
      break;
    }
    case Action::Kind::Paste: paste(action.id, action.text); break;
    case Action::Kind::Type: type(action.id, action.text); break;
    case Action::Kind::Check: {
      const HWND radio = control(action.id);
      if (!IsWindowEnabled(radio)) throw DriverError("radio button " + std::to_string(action.id) + " is disabled");
      SendNotifyMessageW(radio, BM_CLICK, 0, 0);
      std::vector<Box> shown = settle();
      DWORD_PTR state = 0;
      SendMessageTimeoutW(radio, BM_GETCHECK, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &state);
      if (state != BST_CHECKED) throw DriverError("clicking " + std::to_string(action.id) + " did not check it");
      return shown;
    }
    case Action::Kind::Press: {
      // A push button is clicked; any other identifier arrives as the
      // WM_COMMAND the dialog manager would send (IDCANCEL for Escape).
      // Sent without waiting for the reply: the handler may sit in a box.
      const HWND window = GetDlgItem(dialog_, action.id);
      if (window != nullptr && isPushButton(window) && !IsWindowEnabled(window)) {
        throw DriverError("push button " + std::to_string(action.id) + " is disabled");
      }
      if (window != nullptr && isPushButton(window)) SendNotifyMessageW(window, BM_CLICK, 0, 0);
      else SendNotifyMessageW(dialog_, WM_COMMAND, MAKEWPARAM(action.id, BN_CLICKED), reinterpret_cast<LPARAM>(window));
      break;
    }
    case Action::Kind::Snap: {
      settle();
      snapshot(dialog_, action.text);
      break;
    }
    case Action::Kind::SnapBox: nextBoxSnapshot_ = action.text; break;
    case Action::Kind::KeepOpen: keepOpen_ = true; break;
    case Action::Kind::CloseBoxes: return closeOpenBoxes();
  }
  return settle();
}

// Sent messages reach the calculator's thread in order, and it answers them
// only from a message loop: once the dialog answers WM_NULL, the command
// sent before has either returned or is showing a box, whose window then
// exists. Boxes are read and closed until the dialog answers with none open.
std::vector<Box> CalculatorSession::settle() {
  std::vector<Box> shown;
  for (;;) {
    if (!answers(dialog_)) {
      checkRunning();
      throw DriverError("the dialog does not respond");
    }
    trace("settle: dialog answered");
    std::vector<HWND> boxes = dialogWindows(process_.dwProcessId);
    boxes.erase(std::remove_if(boxes.begin(), boxes.end(),
                               [&](HWND w) { return w == dialog_ || std::count(open_.begin(), open_.end(), w) != 0; }),
                boxes.end());
    if (boxes.empty()) return shown;
    // Topmost first: the newest box. Read them oldest first, close them
    // newest first, since an older box's loop runs only after a nested one.
    for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) shown.push_back(readBox(*it));
    for (const Copy& copy : copies_) {
      for (const HWND box : boxes) copyResult(box, copy);
    }
    if (!nextBoxSnapshot_.empty()) {
      snapshot(boxes.front(), nextBoxSnapshot_);
      nextBoxSnapshot_.clear();
    }
    trace("boxes read");
    if (keepOpen_) {
      // Boxes the dialog does not own stay open; owned ones are closed.
      for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) {
        if (GetWindow(*it, GW_OWNER) != dialog_) open_.push_back(*it);
      }
      boxes.erase(std::remove_if(boxes.begin(), boxes.end(), [&](HWND w) { return GetWindow(w, GW_OWNER) != dialog_; }),
                  boxes.end());
      if (boxes.empty()) return shown;
    }
    for (const HWND box : boxes) closeBox(box);
    trace("boxes closed");
  }
}

Box CalculatorSession::readBox(HWND box) {
  const HWND view = resultTextBox(box);
  Box read{GetWindow(box, GW_OWNER) == dialog_ && dialog_ != nullptr, windowText(box), messageBoxText(box),
           view != nullptr};
  GetWindowRect(box, &read.rect);
  DWORD_PTR lines = 0;
  if (view != nullptr) SendMessageTimeoutW(view, EM_GETLINECOUNT, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &lines);
  read.lines = static_cast<int>(lines);
  return read;
}

// Puts `text` on the clipboard as CF_UNICODETEXT and sends WM_PASTE to the
// emptied edit box `id`. Wine's clipboard manager, when it starts, may empty
// the clipboard to take in the X11 selection: the paste is made again until
// the box holds the text (three times at most).
void CalculatorSession::paste(int id, const std::wstring& text) {
  const HWND box = control(id);
  for (int attempt = 0; attempt < 3; ++attempt) {
    waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, "the clipboard to open");
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
      std::memcpy(GlobalLock(data), text.c_str(), bytes);
      GlobalUnlock(data);
      if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) GlobalFree(data);
    }
    CloseClipboard();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_NORMAL, kStepTimeoutMs, &result);
    SendMessageTimeoutW(box, WM_PASTE, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &result);
    if (windowText(box) == text) return;
  }
  throw DriverError("the paste into " + std::to_string(id) + " did not arrive");
}

// The edit box is emptied and given the keyboard focus in the dialog in the
// foreground; then the keys go to it as to any other window, and its text must
// become what was typed, with each Enter a CR LF.
void CalculatorSession::type(int id, const std::wstring& text) {
  const HWND box = control(id);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_NORMAL, kStepTimeoutMs, &result);
  SetForegroundWindow(dialog_);
  SendMessageTimeoutW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE, SMTO_NORMAL, kStepTimeoutMs, &result);
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  waitUntil([&] { return GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &thread) && thread.hwndFocus == box; },
            "the edit box to have the keyboard focus");
  std::wstring expected;
  for (const wchar_t ch : text) expected += ch == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, ch);
  typeText(text);
  waitUntil([&] { return windowText(box) == expected; }, "the typed text to arrive in the edit box");
}

// By IDOK, as 确定 or the OK button would; or by the Escape key, pressed
// where the box has the keyboard focus (the box itself when it has not).
void CalculatorSession::closeBox(HWND box) {
  if (closeWithEscape_) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &thread);
    const HWND focus = thread.hwndFocus;
    const HWND target = focus != nullptr && (focus == box || IsChild(box, focus)) ? focus : box;
    PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  } else {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  waitUntil([&] { return !IsWindow(box); }, "a message box to close");
}

namespace {

// What a step can change: the text box's selection (as far as EM_GETSEL's
// 16 bits tell it), its caret and the clipboard.
std::tuple<DWORD_PTR, LONG, LONG, DWORD> inputState(HWND view) {
  DWORD_PTR selection = 0;
  SendMessageTimeoutW(view, EM_GETSEL, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &selection);
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(view, nullptr), &thread);
  return {selection, thread.rcCaret.left, thread.rcCaret.top, GetClipboardSequenceNumber()};
}

// Where the cell at `row` and `column` (from 1) of the text box's text
// starts, as a position in that text (CR LF line ends).
std::size_t cellPosition(const std::wstring& text, int row, int column) {
  std::size_t at = 0;
  const auto after = [&](const wchar_t* separator, std::size_t length) {
    const std::size_t found = text.find(separator, at);
    if (found == std::wstring::npos) throw DriverError("the result has no such cell");
    at = found + length;
  };
  for (int r = 1; r < row; ++r) after(L"\r\n", 2);
  for (int c = 1; c < column; ++c) after(L" ", 1);
  if (at >= text.size() || text[at] == L'\r') throw DriverError("the result has no such cell");
  return at;
}

}  // namespace

// A step given as a person gives it (keys, a double-click) must change the
// selection, the caret's place or the clipboard: the driver waits for that,
// so that it never reads what the window has not yet done.
void CalculatorSession::performStep(HWND box, const CopyStep& step) {
  const HWND view = resultTextBox(box);
  switch (step.kind) {
    case CopyStep::Kind::Button:
      SendNotifyMessageW(GetDlgItem(box, MATCALC_RESULT_COPY), BM_CLICK, 0, 0);
      if (!answers(box)) throw DriverError("the result window does not respond");  // after the click
      return;
    case CopyStep::Kind::CopyMessage: {
      DWORD_PTR result = 0;
      SendMessageTimeoutW(view, WM_COPY, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &result);
      return;
    }
    case CopyStep::Kind::Keys:
    case CopyStep::Kind::DoubleClick: {
      SetForegroundWindow(box);
      const auto before = inputState(view);
      if (step.kind == CopyStep::Kind::Keys) {
        pressChord(step.keys);
      } else {
        // Just inside the cell's first character, a few pixels below the
        // top of its line.
        const DWORD_PTR at = static_cast<DWORD_PTR>(cellPosition(windowText(view), step.row, step.column));
        DWORD_PTR place = 0;
        SendMessageTimeoutW(view, EM_POSFROMCHAR, at, 0, SMTO_NORMAL, kStepTimeoutMs, &place);
        POINT point{static_cast<short>(LOWORD(place)) + 1, static_cast<short>(HIWORD(place)) + 3};
        ClientToScreen(view, &point);
        doubleClickAt(point);
      }
      waitUntil([&] { return inputState(view) != before; }, "a key or a click to take effect");
      return;
    }
  }
}

// Carries out one --copy in a result window: its steps, then the
// clipboard's text, as UTF-8, into its file. Message boxes have no text box
// to copy from. The text is read while the window or its text box owns the
// clipboard, as the copy leaves it. Wine's clipboard manager, when it
// starts, empties the clipboard to take in the X11 selection: when it did
// so after the copy, the last step is done again (three times at most).
void CalculatorSession::copyResult(HWND box, const Copy& copy) {
  if (resultTextBox(box) == nullptr) return;
  for (std::size_t i = 0; i + 1 < copy.steps.size(); ++i) performStep(box, copy.steps[i]);
  std::wstring copied;
  bool owned = false;
  trace("copy: steps before the last done");
  for (int attempt = 0; !owned && attempt < 3; ++attempt) {
    performStep(box, copy.steps.back());
    trace("copy: last step done");
    // The manager may also hold the clipboard open a moment.
    waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, "the clipboard to open");
    const HWND owner = GetClipboardOwner();
    owned = owner != nullptr && (owner == box || IsChild(box, owner));
    const HANDLE data = owned ? GetClipboardData(CF_UNICODETEXT) : nullptr;
    if (const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
      copied = text;
      GlobalUnlock(data);
    }
    CloseClipboard();
    trace("copy: clipboard read");
  }
  const std::string utf8 = toUtf8(copied);
  FILE* file = _wfopen(copy.file.c_str(), L"wb");
  if (file == nullptr) throw DriverError("cannot write " + narrow(copy.file));
  std::fwrite(utf8.data(), 1, utf8.size(), file);
  std::fclose(file);
}

// Hands the screen to the test script: FILE.wait appears when `window` is
// shown; the script takes the picture and removes FILE.wait.
void CalculatorSession::snapshot(HWND window, const std::wstring& file) {
  waitUntil([&] { return IsWindowVisible(window) != FALSE; }, "a window to show");
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(500);  // let the window paint
  const std::wstring marker = file + L".wait";
  const HANDLE h = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw DriverError("cannot create " + narrow(marker));
  CloseHandle(h);
  const ULONGLONG deadline = GetTickCount64() + 60000;
  while (GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount64() > deadline) throw DriverError("nobody took the picture " + narrow(file));
    Sleep(20);
  }
}

// The boxes left open, read again oldest first, then closed newest first
// (an older box's loop runs only after a nested one has ended).
std::vector<Box> CalculatorSession::closeOpenBoxes() {
  std::vector<Box> again;
  for (const HWND box : open_) again.push_back(readBox(box));
  for (auto it = open_.rbegin(); it != open_.rend(); ++it) closeBox(*it);
  open_.clear();
  keepOpen_ = false;
  return again;
}

DWORD CalculatorSession::close() {
  trace("closing");
  closeOpenBoxes();
  PostMessageW(dialog_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.hProcess, kStepTimeoutMs) != WAIT_OBJECT_0) {
    throw DriverError("the calculator did not end after WM_CLOSE");
  }
  DWORD code = 0;
  trace("ended");
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace guidriver
