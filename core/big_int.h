#pragma once
// The library integer behind every term too large for 64 bits: Boost's
// cpp_int (Boost 1.81 or later, whose gcd is Lehmer's), included only here.
//
// cpp_int.hpp includes <iostream>, and in the statically linked Windows
// programs that include alone brings in the standard streams' start-up code
// and with it the whole locale machinery: about 800 KB of the 1.1 MB such a
// program then weighs. The library uses only the stream types, so this header
// includes <istream> and <ostream> itself and holds <iostream>'s include guard
// while cpp_int.hpp is read, which leaves that one include empty. A file that
// does want the standard streams still gets them by including <iostream>.
#include <istream>
#include <ostream>

#ifndef _GLIBCXX_IOSTREAM
#define _GLIBCXX_IOSTREAM 1
#define MATCALC_IOSTREAM_HELD_BACK 1
#endif
#include <boost/multiprecision/cpp_int.hpp>
#ifdef MATCALC_IOSTREAM_HELD_BACK
#undef _GLIBCXX_IOSTREAM
#undef MATCALC_IOSTREAM_HELD_BACK
#endif

#include <boost/version.hpp>
static_assert(BOOST_VERSION >= 108100, "Boost 1.81 or later: its cpp_int has the Lehmer gcd that large terms need");

namespace matcalc {

// Up to 128 bits held in the object itself, without an allocation: the terms
// just beyond 64 bits that elimination of small numbers keeps making.
using BigInt = boost::multiprecision::number<boost::multiprecision::cpp_int_backend<
    128, 0, boost::multiprecision::signed_magnitude, boost::multiprecision::unchecked,
    std::allocator<boost::multiprecision::limb_type>>>;

}  // namespace matcalc
