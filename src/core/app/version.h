// The program's version, in one place: the about box, the version resource
// (tonvero.rc includes this file) and the release package names take it from
// here. scripts/package reads TONVERO_VERSION_TEXT from this file.
#ifndef TONVERO_CORE_APP_VERSION_H
#define TONVERO_CORE_APP_VERSION_H

#define TONVERO_VERSION_MAJOR 2
#define TONVERO_VERSION_MINOR 0
#define TONVERO_VERSION_TEXT "2.00"

#ifndef RC_INVOKED
// The text is the numbers as users have always seen them: major, a dot, the
// minor in two digits. The resource compiler cannot build it from the
// numbers, so the compiler checks that both say the same.
namespace tonvero::version_check {
constexpr bool TextMatchesNumbers(const char* text, int major, int minor) {
  int readMajor = 0;
  while (*text >= '0' && *text <= '9') readMajor = readMajor * 10 + (*text++ - '0');
  if (*text++ != '.') return false;
  if (!(text[0] >= '0' && text[0] <= '9' && text[1] >= '0' && text[1] <= '9' && text[2] == 0)) return false;
  return readMajor == major && (text[0] - '0') * 10 + (text[1] - '0') == minor;
}
static_assert(TextMatchesNumbers(TONVERO_VERSION_TEXT, TONVERO_VERSION_MAJOR, TONVERO_VERSION_MINOR),
              "TONVERO_VERSION_TEXT must read major.minor with two minor digits");
}  // namespace tonvero::version_check
#endif

#endif
