#include "output.h"

#include "encoding.h"

namespace matcalc::console {

std::string formatMessage(const MessageRecord& box, OutputForm form) {
  return formatBox(box.owner == Owner::Dialog, toUtf8(box.caption), toUtf8(box.text), form);
}

}  // namespace matcalc::console
