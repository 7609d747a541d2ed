#include "error_box.h"

#include "texts.h"

namespace matcalc {

ErrorBox::ErrorBox(Status status) {
  switch (status) {
    case Status::Ok: break;
    case Status::OutOfRange: *this = {texts::kOutOfRange.c_str(), texts::kErrorCaption.c_str()}; break;
    case Status::TooLarge: *this = {texts::kTooLarge.c_str(), texts::kErrorCaption.c_str()}; break;
  }
}

bool ErrorBox::showIn(Window& dialog) const {
  if (text_ == nullptr) return false;
  dialog.showMessage(Owner::Dialog, text_, caption_);
  return true;
}

}  // namespace matcalc
