#pragma once
// Text helpers for the quoted-field data files: splitting lines, normalising
// stored field text, comparing texts and turning file names into base paths.
// Texts are 8-bit strings in the system code page; positions count from 1.
#include <string>
#include <string_view>
#include <vector>

namespace tonvero {

// Field n (from 1) of a comma-separated line; double quotes only group and
// are never copied. n out of range gives "".
std::string ExtractField(const std::string& line, int n);
// Fields 1..count of a line, each as ExtractField gives it, in one pass.
std::vector<std::string> ExtractFields(std::string_view line, int count);
// a..z to A..Z; every other byte unchanged.
std::string UpperAscii(const std::string& text);
// Without leading and trailing spaces (0x20 only).
std::string TrimSpaces(const std::string& text);
// As TrimSpaces, but "" becomes " ": a stored field is never empty.
std::string TrimField(const std::string& text);
// Unsigned byte comparison: -1, 0 or +1; a prefix is the smaller.
int CompareBytes(const std::string& a, const std::string& b);
// The path without its extension: cut at the first dot of the last path
// component (after the last "\", "/" or ":"), at its second character or later.
std::string StripExtension(const std::string& path);
// Every double quote becomes an apostrophe.
std::string QuotesToApostrophes(const std::string& text);

}  // namespace tonvero
