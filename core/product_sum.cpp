#include "product_sum.h"

#include "exact_quotient.h"

namespace matcalc {

void ProductSum::multiply(const Integer& a, const Integer& b, BigInt& product) {
  using boost::multiprecision::double_limb_type;
  using boost::multiprecision::limb_type;
  constexpr std::uint64_t kLimbMax = static_cast<limb_type>(-1);
  // A factor that fits in 64 bits takes the library's multiplication by a
  // machine word; two that fit in a limb each make one double limb.
  if (a.isBig_ && b.isBig_) {
    product = a.big_ * b.big_;
  } else if (a.isBig_ || b.isBig_) {
    product = a.isBig_ ? a.big_ * b.small_ : b.big_ * a.small_;
  } else if (magnitude(a.small_) <= kLimbMax && magnitude(b.small_) <= kLimbMax) {
    product = static_cast<double_limb_type>(magnitude(a.small_)) * static_cast<limb_type>(magnitude(b.small_));
    if ((a.small_ < 0) != (b.small_ < 0)) product.backend().negate();
  } else {
    product = a.small_;
    product *= b.small_;
  }
}

void ProductSum::accumulateBig(const Integer& a, const Integer& b, bool negated) {
  if (!isBig_ && small_ == 0) {  // the first term: its product is the sum
    multiply(a, b, big_);
    if (negated) big_.backend().negate();
    isBig_ = true;
    return;
  }
  if (!isBig_) {
    big_ = small_;
    isBig_ = true;
  }
  multiply(a, b, product_);
  if (negated) big_ -= product_;
  else big_ += product_;
}

void ProductSum::store(Integer& out) const {
  if (isBig_) out.assignValue(big_);
  else out = small_;
}

void ProductSum::storeQuotient(const Integer& q, Integer& out) {
  if (!isBig_) {
    out = exactQuotient(Integer(small_), q);
    return;
  }
  if (q.isBig_) {
    divideExactly(big_, q.big_);
  } else if (!q.isOne()) {
    product_ = q.small_;
    divideExactly(big_, product_);
  }
  out.assignValue(big_);
}

}  // namespace matcalc
