#include "core/printing/page_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tonvero {
namespace {

// Records what the layout draws, one line per call.
class RecordingSurface : public PrintSurface {
 public:
  std::vector<std::string> ops;
  void BeginPage() override { ops.push_back("page"); }
  void Text(TextStyle style, int x, int y, const std::string& text) override {
    const char* s = style == TextStyle::kBold ? "bold" : style == TextStyle::kRegular ? "regular" : "italic";
    ops.push_back(std::string(s) + " " + std::to_string(x) + "," + std::to_string(y) + " " + text);
  }
  void Rule(int y, int width) override {
    ops.push_back("rule " + std::to_string(y) + " 0-" + std::to_string(width));
  }
  std::vector<std::string> Headers() const {
    std::vector<std::string> headers;
    for (size_t i = 0; i + 1 < ops.size(); ++i) {
      if (ops[i] == "page") headers.push_back(ops[i + 1]);
    }
    return headers;
  }
};

// W 640 gives the column unit C = 200: names at 40, phones at 100, remarks at 400.
PrintJob Job(std::vector<Record> records, PrintForm form = PrintForm::kList,
             int pageHeight = 1000, int sortField = 1) {
  PrintJob job;
  job.caption = "Tonvero + Z:\\DATA\\BASE";
  job.records = std::move(records);
  job.sortField = sortField;
  job.form = form;
  job.pageWidth = 640;
  job.pageHeight = pageHeight;
  job.lineHeight = 20;
  return job;
}

std::vector<std::string> Draw(const PrintJob& job) {
  RecordingSurface surface;
  LayOutPhoneList(job, surface);
  return surface.ops;
}

TEST(PageLayout, ListGroupsRecordsOfOnePersonUnderOneNameLine) {
  const auto ops = Draw(Job({{"ANNA", "BRAY", "111", "HOME"},
                             {"ANNA", "BRAY", "222", "WORK"},
                             {"CARL", "DOE", "333", " "}}));
  const std::vector<std::string> expected = {
      "page",
      "bold 40,20 Tonvero + Z:\\DATA\\BASE, Page #1",
      "rule 38 0-640",
      "bold 40,40 ANNA BRAY",
      "rule 39 0-640",
      "regular 100,60 111",
      "italic 400,60 HOME",
      "regular 100,80 222",
      "italic 400,80 WORK",
      "bold 40,100 CARL DOE",
      "rule 99 0-640",
      "regular 100,120 333",
      "italic 400,120  ",
  };
  EXPECT_EQ(ops, expected);
}

TEST(PageLayout, ANewNameLineWhenEitherNameDiffers) {
  const auto ops = Draw(Job({{"ANNA", "BRAY", "1", " "},
                             {"ANNA", "COLE", "2", " "},
                             {"BEN", "COLE", "3", " "}}));
  int nameLines = 0;
  for (const auto& op : ops) nameLines += op.rfind("bold 40,", 0) == 0 && op.find("Page") == std::string::npos;
  EXPECT_EQ(nameLines, 3);
}

struct HeaderCase {
  const char* what;
  std::vector<Record> records;
  PrintForm form;
  int pageHeight;
  int sortField;
  std::vector<std::string> headers;  // after the caption
};

TEST(PageLayout, PagesAndTheirHeaders) {
  const Record a1{"X", "ALPHA", "1", " "}, a2{"Y", "AXE", "2", " "}, b{"Z", "BETA", "3", " "};
  const Record lower{"Q", "berg", "4", " "}, blank{"R", " ", "5", " "};
  const Record a3{"W", "ARNO", "6", " "}, a4{"V", "AMOS", "7", " "};
  // A page of 200 begins a record only while y < 140: three two-line records fit.
  const std::vector<HeaderCase> cases = {
      {"empty list, List form", {}, PrintForm::kList, 1000, 1, {", Page #1"}},
      {"empty list, Book form", {}, PrintForm::kBook, 1000, 1, {", Page "}},
      {"book by last name", {a1, a2, b}, PrintForm::kBook, 1000, 2, {", Page A", ", Page B"}},
      {"book by first name", {a1, a2, b}, PrintForm::kBook, 1000, 1, {", Page X", ", Page Y", ", Page Z"}},
      {"book letter in capitals", {lower}, PrintForm::kBook, 1000, 2, {", Page B"}},
      {"book blank sort field", {a1, blank}, PrintForm::kBook, 1000, 2, {", Page A", ", Page  "}},
      {"list ignores letters", {a1, a2, b}, PrintForm::kList, 1000, 2, {", Page #1"}},
      {"list full page", {a1, a2, b, a3}, PrintForm::kList, 200, 1, {", Page #1", ", Page #2"}},
      {"book full page repeats its letter", {a1, a2, a3, a4}, PrintForm::kBook, 200, 2,
       {", Page A", ", Page A"}},
  };
  for (const auto& c : cases) {
    RecordingSurface surface;
    LayOutPhoneList(Job(c.records, c.form, c.pageHeight, c.sortField), surface);
    std::vector<std::string> expected;
    for (const auto& h : c.headers) expected.push_back("bold 40,20 Tonvero + Z:\\DATA\\BASE" + h);
    EXPECT_EQ(surface.Headers(), expected) << c.what;
  }
}

TEST(PageLayout, ASecondPageStartsWithANameLineInsideAGroup) {
  std::vector<Record> records(8, Record{"ANNA", "BRAY", "1", " "});
  const auto ops = Draw(Job(records, PrintForm::kList, 200));
  // Page 1: name line at 40, details at 60, 80, 100, 120; y = 140 = H - 3h ends it.
  const std::vector<std::string> expectedStartOfPage2 = {
      "page", "bold 40,20 Tonvero + Z:\\DATA\\BASE, Page #2", "rule 38 0-640",
      "bold 40,40 ANNA BRAY", "rule 39 0-640", "regular 100,60 1"};
  size_t second = 0;
  for (size_t i = 1; i < ops.size(); ++i) {
    if (ops[i] == "page") { second = i; break; }
  }
  ASSERT_NE(second, 0u);
  EXPECT_EQ(std::vector<std::string>(ops.begin() + second, ops.begin() + second + 6),
            expectedStartOfPage2);
  EXPECT_EQ(std::count(ops.begin(), ops.begin() + second, "regular 100,120 1"), 1);
}

TEST(PageLayout, APageOfFourLinesOrLessPrintsNothing) {
  const std::vector<Record> one = {{"A", "B", "1", " "}};
  struct { int height; bool prints; } cases[] = {{80, false}, {79, false}, {0, false}, {81, true}};
  for (const auto& c : cases) {
    const PrintJob job = Job(one, PrintForm::kList, c.height);
    EXPECT_EQ(PageFitsLayout(job), c.prints) << c.height;
    EXPECT_EQ(!Draw(job).empty(), c.prints) << c.height;
  }
}

// Grouped by style, a page gives the same texts and rules in the order
// regular, bold, italic, rules.
TEST(PageLayout, StyleGroupedPagesDrawEachStyleOnce) {
  RecordingSurface recorded;
  StyleGroupedSurface grouped(recorded);
  LayOutPhoneList(Job({{"ANNA", "BRAY", "111", "HOME"}, {"CARL", "DOE", "333", "WORK"}}), grouped);
  grouped.EndPage();
  const std::vector<std::string> expected = {
      "page",
      "regular 100,60 111",
      "regular 100,100 333",
      "bold 40,20 Tonvero + Z:\\DATA\\BASE, Page #1",
      "bold 40,40 ANNA BRAY",
      "bold 40,80 CARL DOE",
      "italic 400,60 HOME",
      "italic 400,100 WORK",
      "rule 38 0-640",
      "rule 39 0-640",
      "rule 79 0-640",
  };
  EXPECT_EQ(recorded.ops, expected);
}

}  // namespace
}  // namespace tonvero
