#include <gtest/gtest.h>

#include "core/contacts/outside_number.h"

namespace tonvero {
namespace {

const std::string kNoNumber = "refused: There is no phone number in this text.";

std::string Shown(const CleanedNumber& cleaned) {
  return cleaned.Refused() ? "refused: " + cleaned.refusal : cleaned.number;
}

struct Case {
  std::string text, expected;
};

TEST(CleanOutsideNumber, DialsEveryDigitTheTextShows) {
  const Case cases[] = {
      // Outlook and other written forms
      {"(905) 555-1234", "905 555-1234"},
      {"+1 (212) 204-3445", "+1 212 204-3445"},
      {"(905)555-1234", "905555-1234"},
      {"905.555.1234", "9055551234"},
      {"905 / 555 - 1234", "905 555-1234"},
      {"  +44  20 -- 7946\t0958 ", "+44 20-7946 0958"},
      {"+33 (0)1 45 67 89 10", "+33 01 45 67 89 10"},
      {"*67 #31#", "*67 #31#"},
      // remarks, labels and other characters
      {"555-1234 (home)", "555-1234"},
      {"555-1234 Home", "555-1234"},
      {"+1 212 555 0100  WORK.", "+1 212 555 0100"},
      {"Tel: +1 212 555 0100", "+1 212 555 0100"},
      {"Mobile:0612", "0612"},
      {"(555 1234", "555 1234"},
      {"+48\xC2\xA0" "22 \xE2\x80\x93 555", "+4822 555"},
      {"12@3S4\"5'6", "123456"},
      // vanity words, either case
      {"1-800-FLOWERS", "1-800-3569377"},
      {"1-800-flowers", "1-800-3569377"},
      {"1-800-MY-HOME", "1-800-69-4663"},
      {"1 800 GO HOME", "1 800 46 4663"},
      {"555 HOME 1", "555 4663 1"},
      {"1 800 GO FEDEX", "1 800 46 33339"},
      {"0800 PQRS TUV WXYZ ABC DEF GHI JKL MNO", "0800 7777 888 9999 222 333 444 555 666"},
      {"1800PWRSHOT", "18007977468"},
      {"555 A 12", "555 12"},
      // extensions in each spelling
      {"555-1234 x123", "555-1234,123"},
      {"555-1234x123", "555-1234,123"},
      {"555-1234 X 123", "555-1234,123"},
      {"555-1234 ext. 123", "555-1234,123"},
      {"555-1234 Ext123", "555-1234,123"},
      {"555-1234 ext: 123", "555-1234,123"},
      {"555-1234 extension 123", "555-1234,123"},
      {"555-1234;ext=123", "555-1234,123"},
      {"555-1234 ext", "555-1234"},
      {"555-1234 extra 1", "555-1234 39872 1"},
      // pause and wait marks of phones' exports
      {"5551234p123", "5551234,123"},
      {"5551234w123", "5551234P123"},
      {"5551234PPw#9", "5551234,,P#9"},
      {"5551234,,123", "5551234,,123"},
      {"5551234;123", "5551234P123"},
      {"555 p 123", "555 123"},
      {"555 ,p1", "555,,1"},
      {"555,", "555,"},
      // nothing to dial, or too much text
      {"", kNoNumber},
      {"   ", kNoNumber},
      {"FLOWERS", kNoNumber},
      {"(1) -", "1"},
      {",;p w*#+", kNoNumber},
      {"ext. 123", "123"},
      {std::string(256, '1'), std::string(256, '1')},
      {std::string(257, '1'), "refused: The number is longer than 256 characters."},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, Shown(CleanOutsideNumber(c.text))) << c.text;
}

TEST(ReadTelephoneLink, ReadsTelAndCalltoLinks) {
  const std::string broken = "refused: The link holds a broken escape: \"%\" must be followed by two hexadecimal digits.";
  const Case cases[] = {
      {"tel:+1-201-555-0123", "+1-201-555-0123"},
      {"TEL:+1-201-555-0123", "+1-201-555-0123"},
      {" Tel:555 ", "555"},
      {"callto:+44 20 7946 0958", "+44 20 7946 0958"},
      {"CallTo://+44-20-7946-0958", "+44-20-7946-0958"},
      {"callto:/555", "555"},
      {"tel:%2B1%20(212)%20204-3445", "+1 212 204-3445"},
      {"tel:%2b1%2d555", "+1-555"},
      {"tel:7042;phone-context=example.com", "7042"},
      {"tel:+1-201-555-0123;ext=1234", "+1-201-555-0123,1234"},
      {"tel:+1-201-555-0123;isub=9;EXT=12;phone-context=+1", "+1-201-555-0123,12"},
      {"tel:555%3Bext=7", "555,7"},
      {"tel:1-800-FLOWERS", "1-800-3569377"},
      {"tel:", kNoNumber},
      {"callto://john.smith", kNoNumber},
      {"tel:555%", broken},
      {"tel:555%2", broken},
      {"tel:555%G0", broken},
      {"tel:" + std::string(768, '1'), "refused: The number is longer than 256 characters."},
      {"tel:" + std::string(769, '1'), "refused: The link is longer than 768 characters."},
  };
  for (const Case& c : cases) {
    const std::optional<CleanedNumber> read = ReadTelephoneLink(c.text);
    ASSERT_TRUE(read.has_value()) << c.text;
    EXPECT_EQ(c.expected, Shown(*read)) << c.text;
  }
}

TEST(ReadTelephoneLink, LeavesOtherArgumentsAlone) {
  for (const char* argument : {"", "C:\\Lists\\Base.rbd", "Base.rbd", "tel", "telephone:555", "xtel:555",
                               "call:555", "555-1234", "sip:555@example.com"}) {
    EXPECT_FALSE(ReadTelephoneLink(argument).has_value()) << argument;
  }
}

}  // namespace
}  // namespace tonvero
