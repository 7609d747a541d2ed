#include "run_matcalc.h"

namespace matcalc::console {

int runMatcalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto printerOf = [](std::ostream& stream) {
    return [&stream](std::string_view bytes) {
      return static_cast<bool>(stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush());
    };
  };
  return runMatcalc(args, printerOf(out), printerOf(err));
}

}  // namespace matcalc::console
