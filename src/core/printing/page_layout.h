#pragma once
// The pages of a printed phone list, in the printer's device pixels: a header
// with its rule on every page, one bold name line (with a rule above it) per
// group of consecutive records of one person, and one detail line per record
// with the phone and the remarks. "List" pages are numbered and filled to the
// bottom; "Book" pages are named by the initial letter of the sort column and
// a new letter opens a new page.
#include <string>
#include <vector>

#include "core/phonelist/phone_list.h"

namespace tonvero {

enum class PrintForm { kList, kBook };
enum class TextStyle { kBold, kRegular, kItalic };

struct PrintJob {
  std::string caption;  // the main window's caption, "Tonvero + <database>"
  std::vector<Record> records;       // in the grid's order
  int sortField = 1;                 // 1..4: the column the list is sorted by
  PrintForm form = PrintForm::kList;
  int pageWidth = 0, pageHeight = 0;  // the printable page
  int lineHeight = 0;                 // height of "I" in the printing font
};

// What the layout draws on; the printer implements it, the tests record it.
class PrintSurface {
 public:
  virtual ~PrintSurface() = default;
  // Called before anything is drawn on a page, the first page included.
  virtual void BeginPage() = 0;
  virtual void Text(TextStyle style, int x, int y, const std::string& text) = 0;
  virtual void Rule(int y, int width) = 0;  // a horizontal line from (0, y) to (width, y)
};

// Holds each page's drawing and draws it on `target` when the page ends,
// grouped by style: the regular texts, the bold, the italic, then the rules,
// each group in the order it was drawn. A printer then changes its font at
// most once per style and page; a printer driver may take a tenth of a
// second for each change.
class StyleGroupedSurface : public PrintSurface {
 public:
  explicit StyleGroupedSurface(PrintSurface& target) : target_(target) {}
  void BeginPage() override;
  void Text(TextStyle style, int x, int y, const std::string& text) override;
  void Rule(int y, int width) override;
  // Draws the page still held; called once the layout has ended.
  void EndPage();

 private:
  struct HeldText {
    TextStyle style;
    int x, y;
    std::string text;
  };
  struct HeldRule {
    int y, width;
  };
  PrintSurface& target_;
  std::vector<HeldText> texts_;
  std::vector<HeldRule> rules_;
};

// True when a page holds more than four lines; a shorter page prints nothing.
bool PageFitsLayout(const PrintJob& job);

// Draws every page of the job. An empty list gives one page with its header.
// Does nothing when the page is too short (see PageFitsLayout).
void LayOutPhoneList(const PrintJob& job, PrintSurface& surface);

}  // namespace tonvero
