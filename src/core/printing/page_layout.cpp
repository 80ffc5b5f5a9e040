#include "core/printing/page_layout.h"

#include "core/common/text.h"

namespace tonvero {
namespace {

class Pages {
 public:
  Pages(const PrintJob& job, PrintSurface& surface)
      : job_(job),
        surface_(surface),
        h_(job.lineHeight),
        column_((job.pageWidth - 40) / 3) {}

  void Print() {
    if (!job_.records.empty()) letter_ = Initial(job_.records.front());
    StartPage();
    for (const Record& record : job_.records) {
      const bool full = y_ >= job_.pageHeight - 3 * h_;
      const bool newLetter = job_.form == PrintForm::kBook && Initial(record) != letter_;
      if (full || newLetter) {
        letter_ = Initial(record);
        StartPage();
      }
      PrintLinesOf(record);
    }
  }

 private:
  // The first byte of the sort column; a field is never empty, but a table
  // filled from elsewhere may hold an empty cell.
  std::string Initial(const Record& record) const {
    return FieldOf(record, job_.sortField).substr(0, 1);
  }

  std::string HeaderText() const {
    if (job_.form == PrintForm::kBook) return job_.caption + ", Page " + UpperAscii(letter_);
    return job_.caption + ", Page #" + std::to_string(pageNumber_);
  }

  void StartPage() {
    ++pageNumber_;
    surface_.BeginPage();
    surface_.Text(TextStyle::kBold, column_ / 5, h_, HeaderText());
    surface_.Rule(2 * h_ - 2, job_.pageWidth);
    y_ = 2 * h_;
    nameShown_ = false;  // every page opens with a name line
  }

  void PrintLinesOf(const Record& record) {
    const std::string& first = record.first;
    const std::string& last = record.last;
    if (!nameShown_ || first != first_ || last != last_) {
      first_ = first;
      last_ = last;
      nameShown_ = true;
      surface_.Text(TextStyle::kBold, column_ / 5, y_, first + " " + last);
      surface_.Rule(y_ - 1, job_.pageWidth);
      y_ += h_;
    }
    surface_.Text(TextStyle::kRegular, column_ / 2, y_, record.phone);
    surface_.Text(TextStyle::kItalic, 2 * column_, y_, record.remarks);
    y_ += h_;
  }

  const PrintJob& job_;
  PrintSurface& surface_;
  const int h_, column_;
  int pageNumber_ = 0;
  int y_ = 0;
  std::string letter_, first_, last_;
  bool nameShown_ = false;
};

}  // namespace

bool PageFitsLayout(const PrintJob& job) {
  return 2 * job.lineHeight < job.pageHeight - 2 * job.lineHeight;
}

void LayOutPhoneList(const PrintJob& job, PrintSurface& surface) {
  if (!PageFitsLayout(job)) return;
  Pages(job, surface).Print();
}

void StyleGroupedSurface::BeginPage() {
  EndPage();
  target_.BeginPage();
}

void StyleGroupedSurface::Text(TextStyle style, int x, int y, const std::string& text) {
  texts_.push_back({style, x, y, text});
}

void StyleGroupedSurface::Rule(int y, int width) { rules_.push_back({y, width}); }

void StyleGroupedSurface::EndPage() {
  for (TextStyle style : {TextStyle::kRegular, TextStyle::kBold, TextStyle::kItalic}) {
    for (const HeldText& held : texts_) {
      if (held.style == style) target_.Text(held.style, held.x, held.y, held.text);
    }
  }
  for (const HeldRule& held : rules_) target_.Rule(held.y, held.width);
  texts_.clear();
  rules_.clear();
}

}  // namespace tonvero
