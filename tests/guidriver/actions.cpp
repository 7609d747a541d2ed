#include "actions.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>

namespace guidriver {
namespace {

std::string narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

int parseId(const std::wstring& word) {
  if (word.empty() || word.size() > 9 || word.find_first_not_of(L"0123456789") != std::wstring::npos) {
    throw UsageError("bad identifier '" + narrow(word) + "'");
  }
  return std::stoi(word);
}

std::string readFile(const std::wstring& path) {
  FILE* f = stdin;
  if (path == L"-") {
    _setmode(_fileno(stdin), _O_BINARY);
  } else if ((f = _wfopen(path.c_str(), L"rb")) == nullptr) {
    throw UsageError("cannot read file '" + narrow(path) + "'");
  }
  std::string content;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) content.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  if (f != stdin) std::fclose(f);
  if (failed) throw UsageError("cannot read file '" + narrow(path) + "'");
  return content;
}

// Length of the UTF-8 sequence at i, or 0 when none starts there.
std::size_t sequenceLength(const std::string& s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  const std::size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  return n;
}

// Back from UTF-16: the text of an argument that Wine decoded from UTF-8.
std::string utf8(const std::wstring& w) {
  std::string out;
  for (std::size_t i = 0; i < w.size(); ++i) {
    char32_t cp = w[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (w[++i] - 0xDC00);
    }
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

// How many operands follow each option.
int operandCount(const std::wstring& word) {
  if (word == L"--text" || word == L"--text-file" || word == L"--paste" || word == L"--type") return 2;
  if (word == L"--check" || word == L"--press" || word == L"--snap" || word == L"--snap-box") return 1;
  return 0;
}

Action action(const std::wstring& option, const std::vector<std::wstring>& operands) {
  if (option == L"--text") return {Action::Kind::Text, parseId(operands[0]), editBoxText(utf8(operands[1]))};
  if (option == L"--text-file") return {Action::Kind::Text, parseId(operands[0]), editBoxText(readFile(operands[1]))};
  if (option == L"--paste") return {Action::Kind::Paste, parseId(operands[0]), operands[1]};
  if (option == L"--type") return {Action::Kind::Type, parseId(operands[0]), operands[1]};
  if (option == L"--check") return {Action::Kind::Check, parseId(operands[0]), {}};
  if (option == L"--press") return {Action::Kind::Press, parseId(operands[0]), {}};
  if (option == L"--snap") return {Action::Kind::Snap, 0, operands[0]};
  if (option == L"--snap-box") return {Action::Kind::SnapBox, 0, operands[0]};
  if (option == L"--keep-open") return {Action::Kind::KeepOpen, 0, {}};
  if (option == L"--close-boxes") return {Action::Kind::CloseBoxes, 0, {}};
  throw UsageError("unknown option '" + narrow(option) + "'");
}

// The virtual key of a key's name in a chord, or 0.
unsigned short virtualKey(const std::wstring& name) {
  static const std::pair<const wchar_t*, unsigned short> kNames[] = {
      {L"ctrl", 0x11},  {L"shift", 0x10}, {L"insert", 0x2D}, {L"home", 0x24}, {L"end", 0x23},
      {L"pgup", 0x21},  {L"pgdn", 0x22},  {L"left", 0x25},   {L"up", 0x26},   {L"right", 0x27},
      {L"down", 0x28},  {L"f10", 0x79},   {L"apps", 0x5D},
  };
  for (const auto& [known, key] : kNames) {
    if (name == known) return key;
  }
  const bool letter = name.size() == 1 && name[0] >= L'a' && name[0] <= L'z';
  return letter ? static_cast<unsigned short>(name[0] - L'a' + L'A') : 0;
}

std::vector<std::wstring> split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts(1);
  for (const wchar_t ch : text) {
    if (ch == separator) parts.emplace_back();
    else parts.back() += ch;
  }
  return parts;
}

CopyStep copyStep(const std::wstring& word) {
  if (word == L"button") return {CopyStep::Kind::Button, {}};
  if (word == L"wm-copy") return {CopyStep::Kind::CopyMessage, {}};
  const std::vector<std::wstring> place = split(word, L':');
  if (place.size() == 3 && place[0] == L"double-click") {
    return {CopyStep::Kind::DoubleClick, {}, parseId(place[1]), parseId(place[2])};
  }
  CopyStep chord{CopyStep::Kind::Keys, {}};
  for (const std::wstring& name : split(word, L'+')) {
    const unsigned short key = virtualKey(name);
    if (key == 0) throw UsageError("unknown copy step '" + narrow(word) + "'");
    chord.keys.push_back(key);
  }
  return chord;
}

// The setting a flag option turns on, or null.
bool* flag(Run& run, const std::wstring& word) {
  if (word == L"--json") return &run.json;
  if (word == L"--startup") return &run.startup;
  if (word == L"--window-facts") return &run.windowFacts;
  if (word == L"--close-with-escape") return &run.closeWithEscape;
  return nullptr;
}

}  // namespace

std::wstring editBoxText(const std::string& utf8Text) {
  std::wstring out;
  for (std::size_t i = 0; i < utf8Text.size();) {
    const std::size_t n = sequenceLength(utf8Text, i);
    if (n == 0) {
      out += L'\xFFFD';
      ++i;
      continue;
    }
    char32_t cp = n == 1 ? static_cast<unsigned char>(utf8Text[i]) : static_cast<unsigned char>(utf8Text[i]) & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8Text[i + k]) & 0x3F);
    if (cp == U'\n' && (out.empty() || out.back() != L'\r')) out += L'\r';
    if (cp >= 0x10000) {
      out += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<wchar_t>(cp);
    }
    i += n;
  }
  return out;
}

Run parseCommandLine(const std::vector<std::wstring>& args) {
  Run run;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::wstring& word = args[i];
    if (bool* const on = flag(run, word)) {
      *on = true;
    } else if (word == L"--copy") {
      if (i + 2 >= args.size()) throw UsageError("missing operand of '--copy'");
      Copy copy;
      for (const std::wstring& step : split(args[i + 1], L',')) copy.steps.push_back(copyStep(step));
      copy.file = args[i + 2];
      run.copies.push_back(copy);
      i += 2;
    } else if (run.exe.empty()) {
      run.exe = word;
    } else {
      const auto count = static_cast<std::size_t>(operandCount(word));
      if (i + count >= args.size()) throw UsageError("missing operand of '" + narrow(word) + "'");
      run.actions.push_back(action(word, {args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                          args.begin() + static_cast<std::ptrdiff_t>(i + count) + 1}));
      i += count;
    }
  }
  if (run.exe.empty()) {
    throw UsageError(
        "usage: guidriver PROGRAM.exe ACTION... [--json] [--startup] [--window-facts] [--copy STEPS FILE]... "
        "[--close-with-escape]");
  }
  return run;
}

}  // namespace guidriver
