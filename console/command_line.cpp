#include "command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "encoding.h"
#include "input_text.h"
#include "open_file.h"
#include "programs.h"

namespace matcalc::console {
namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// The most of a file that is read. Every character takes at most four bytes
// in UTF-8 and at least one in the edit box's GBK, so the first 4 x 65,535
// bytes of a longer file already make a text longer than an edit box holds,
// which the size-error box refuses whatever follows; two bytes more for the
// final line break that a friendly form drops. A file of any length then
// costs no more memory than one of this size.
constexpr std::size_t kMaxFileBytes = 4 * (InputText::kMaxTextBytes + 1) + 2;

UsageError cannotRead(const std::string& path, int error) {
  return UsageError("cannot read file '" + path + "': " + std::strerror(error));
}

// Reads a file ("-" for standard input) up to kMaxFileBytes. A path that
// cannot be opened or read, such as a directory, is a usage error.
std::string readFile(const std::string& path) {
  std::FILE* file = path == "-" ? stdin : openForReading(path);
  if (file == nullptr) throw cannotRead(path, errno);
  std::string content;
  char chunk[16384];
  std::size_t n = 0;
  while (content.size() < kMaxFileBytes &&
         (n = std::fread(chunk, 1, std::min(sizeof chunk, kMaxFileBytes - content.size()), file)) > 0) {
    content.append(chunk, n);
  }
  const int error = std::ferror(file) ? errno : 0;
  if (file != stdin) std::fclose(file);
  if (error != 0) throw cannotRead(path, error);
  return content;
}

// A text file ends with a line break; the edit box would not.
std::string withoutFinalLineBreak(std::string text) {
  if (text.ends_with("\r\n")) text.resize(text.size() - 2);
  else if (text.ends_with('\n')) text.pop_back();
  return text;
}

bool contains(std::span<const int> ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

int parseId(const std::string& word) {
  if (word.empty() || word.size() > 9 || !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    throw UsageError("bad identifier '" + word + "'");
  }
  return std::stoi(word);
}

class ActionParser {
 public:
  ActionParser(const ProgramInfo& program, std::vector<std::string> words) : program_(program), words_(std::move(words)) {}

  std::vector<Action> parse() {
    std::vector<Action> actions;
    while (next_ < words_.size()) actions.push_back(action(take("an action")));
    return actions;
  }

 private:
  Action action(const std::string& option) {
    if (option == "--text" || option == "--text-file") {
      const std::string id = take("an identifier");
      const std::string& operand = take(option == "--text" ? "a text" : "a file");
      return textAction(id, option == "--text" ? operand : readFile(operand));
    }
    if (option == "--check") return {Action::Kind::Check, control(take("an identifier"), program_.radioButtons, "radio button"), {}};
    if (option == "--press") return {Action::Kind::Press, pressable(take("an identifier")), {}};
    throw UsageError("unknown option '" + option + "'");
  }

  Action textAction(const std::string& id, const std::string& utf8) {
    return {Action::Kind::Text, control(id, program_.editBoxes, "edit box"), editBoxText(utf8)};
  }

  int control(const std::string& word, std::span<const int> ids, const char* what) {
    const int id = parseId(word);
    if (!contains(ids, id)) throw UsageError(std::string("no ") + what + " " + word + " in " + std::string(program_.name));
    return id;
  }

  int pressable(const std::string& word) {
    const int id = parseId(word);
    if (id == kIdOk || id == kIdCancel || contains(program_.pushButtons, id) || contains(program_.radioButtons, id) ||
        contains(program_.editBoxes, id)) {
      return id;
    }
    throw UsageError("no control " + word + " in " + std::string(program_.name));
  }

  const std::string& take(const char* what) {
    if (next_ >= words_.size()) throw UsageError(std::string("missing ") + what);
    return words_[next_++];
  }

  const ProgramInfo& program_;
  std::vector<std::string> words_;
  std::size_t next_ = 0;
};

const ProgramInfo& namedProgram(std::string_view name) {
  const ProgramInfo* program = findProgram(name);
  if (program == nullptr) throw UsageError("unknown program '" + std::string(name) + "'");
  return *program;
}

Invocation friendlyRun(const FriendlyForm& form, const std::vector<std::string>& files) {
  Invocation run;
  run.program = &namedProgram(form.program);
  run.textOnly = true;
  const std::size_t wanted = form.boxes.size();
  if (files.size() > wanted || (files.size() < wanted && !(form.filesOptional && files.empty()))) {
    throw UsageError("'" + std::string(form.word) + "' takes " + std::to_string(wanted) + " file(s)");
  }
  for (std::size_t i = 0; i < wanted; ++i) {
    const std::string text = withoutFinalLineBreak(readFile(files.empty() ? "-" : files[i]));
    run.actions.push_back({Action::Kind::Text, form.boxes[i], editBoxText(text)});
  }
  if (form.radio != 0) run.actions.push_back({Action::Kind::Check, form.radio, {}});
  run.actions.push_back({Action::Kind::Press, kComputeButton, {}});
  return run;
}

Invocation onlyRequest(Invocation::Request request) {
  Invocation run;
  run.request = request;
  return run;
}

}  // namespace

Invocation parseCommandLine(const std::vector<std::string>& args) {
  // --json, --help, -h and --version may stand anywhere, except as the
  // argument of an option.
  bool json = false;
  std::vector<std::string> words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const int operands = args[i] == "--text" || args[i] == "--text-file" ? 2 : args[i] == "--check" || args[i] == "--press" ? 1 : 0;
    if (args[i] == "--help" || args[i] == "-h") return onlyRequest(Invocation::Request::Help);
    if (args[i] == "--version") return onlyRequest(Invocation::Request::Version);
    if (args[i] == "--json") {
      json = true;
      continue;
    }
    for (int k = 0; k <= operands && i + k < args.size(); ++k) words.push_back(args[i + k]);
    i += static_cast<std::size_t>(operands);
  }
  if (words.empty()) throw UsageError("missing a program or a friendly form");

  Invocation run;
  if (const FriendlyForm* form = findFriendlyForm(words[0])) {
    run = friendlyRun(*form, {words.begin() + 1, words.end()});
  } else {
    run.program = &namedProgram(words[0]);
    run.actions = ActionParser(*run.program, {words.begin() + 1, words.end()}).parse();
  }
  run.json = json;
  return run;
}

}  // namespace matcalc::console
