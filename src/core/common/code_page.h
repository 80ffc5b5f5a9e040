#pragma once
// Text from other programs arrives as UTF-8; the program's data files hold
// 8-bit text in Windows-1252.
#include <string>
#include <string_view>

namespace tonvero {

// `utf8` in Windows-1252. A character that code page lacks becomes "?", and
// so does each byte that does not belong to a well-formed UTF-8 sequence.
std::string Utf8ToWindows1252(std::string_view utf8);

// Windows-1252 text in capitals, accented letters too, as the program's
// upper-case edit fields store what is typed into them (ë becomes Ë; ß and
// µ have no capital of their own and stay).
std::string UpperWindows1252(std::string text);

}  // namespace tonvero
