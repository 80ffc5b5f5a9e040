#pragma once
// The help page's words, kept once: the picture of the page is typeset from
// them, and a screen reader reads them while the page is shown.
#include <array>
#include <string>

namespace tonvero {

struct HelpSection {
  const char* heading;
  const char* paragraph;
};

// One step of the example dialing procedure: its code and what it is.
struct ProcedureStep {
  const char* code;
  const char* name;
};

struct HelpText {
  const char* title;
  const char* note;  // how the page goes away, beside the title
  std::array<HelpSection, 4> sections;
  int exampleAfter;  // the example procedure follows this section
  std::array<ProcedureStep, 5> example;
};

const HelpText& TheHelpText();

// The page as one text for a reader: each heading and its paragraph, the
// example procedure spelled out step by step after its section.
std::string HelpReading(const HelpText& help);

}  // namespace tonvero
