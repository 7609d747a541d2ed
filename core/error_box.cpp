#include "error_box.h"

#include "texts.h"

namespace matcalc {

bool reportFailure(Window& dialog, Status status) {
  switch (status) {
    case Status::Ok: return false;
    case Status::OutOfRange: showError(dialog, texts::kOutOfRange.c_str(), texts::kErrorCaption.c_str()); break;
    case Status::TooLarge: showError(dialog, texts::kTooLarge.c_str(), texts::kErrorCaption.c_str()); break;
  }
  return true;
}

void showError(Window& dialog, const char* text, const char* caption) {
  dialog.showMessage(Owner::Dialog, text, caption);
}

}  // namespace matcalc
