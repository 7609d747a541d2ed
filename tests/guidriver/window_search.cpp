#include "window_search.h"

#include "result_window_ids.h"

namespace guidriver {
namespace {

struct Search {
  DWORD pid;
  std::vector<HWND> found;
};

bool hasClass(HWND window, const wchar_t* name) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  return lstrcmpiW(className, name) == 0;
}

BOOL CALLBACK collectDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid && hasClass(window, L"#32770")) search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK collectStatic(HWND window, LPARAM param) {
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  if (hasClass(window, L"Static") && (style & SS_TYPEMASK) != SS_ICON) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> dialogWindows(DWORD pid) {
  Search search{pid, {}};
  EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &result) != 0;
}

std::wstring windowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL,
                           kStepTimeoutMs, &copied)) {
    return {};
  }
  text.resize(copied < length ? copied : length);
  return text;
}

HWND resultTextBox(HWND box) {
  const HWND rows = GetDlgItem(box, MATCALC_RESULT_ROWS);
  return rows != nullptr ? rows : GetDlgItem(box, MATCALC_RESULT_WRAPPED);
}

std::wstring messageBoxText(HWND box) {
  if (const HWND result = resultTextBox(box)) {
    // The text box holds each line feed of the text as CR LF.
    const std::wstring text = windowText(result);
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (!(text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')) out += text[i];
    }
    return out;
  }
  std::vector<HWND> statics;
  EnumChildWindows(box, collectStatic, reinterpret_cast<LPARAM>(&statics));
  return statics.empty() ? std::wstring() : windowText(statics.front());
}

}  // namespace guidriver
