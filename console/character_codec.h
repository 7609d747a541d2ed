#pragma once
// One character at a time between UTF-8 and GBK, by the platform's own
// conversion tables: iconv's on Linux, code page 936 on Windows. encoding.cpp
// splits the texts into characters and puts "?" where a conversion fails.
#include <string>
#include <string_view>

namespace matcalc::console {

// Appends the GBK bytes of one UTF-8 sequence; false when the sequence is no
// character or GBK lacks it.
bool appendGbk(std::string_view utf8Character, std::string& out);

// Appends the UTF-8 of one GBK character of one or two bytes; false when the
// bytes are no character.
bool appendUtf8(std::string_view gbkCharacter, std::string& out);

}  // namespace matcalc::console
