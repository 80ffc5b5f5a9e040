#include "core/app/help_text.h"

namespace tonvero {

const HelpText& TheHelpText() {
  static const HelpText help{
      "Tonvero Help",
      "release Help to return to the list",
      {{{"Your telephone numbers",
         "Tonvero keeps your telephone numbers and dials them for you. A record has "
         "four fields: First Name, Last Name, Phone and Remarks."},
        {"Dialing through the sound card",
         "Hold the microphone of your telephone's handset to the loudspeakers or the "
         "headphones, then double-click a record or press Enter on it: Tonvero plays "
         "the touch tones and the telephone dials."},
        {"Dialing procedures",
         "The procedure chosen at the top of the window says how to dial; \"@\" stands "
         "for the number. For calling-card, international or office dialing, give an "
         "access number, \"P\" (wait until Space is pressed), your code, \"P\", \"@\":"},
        {"Modes",
         "Queue plays tone after tone at the speed bar's pace, Shooter plays the whole "
         "number as one sound, Modem has a modem on a COM port dial it."}}},
      2,
      {{{"18005551234", "access number"},
        {"P", "pause"},
        {"1234567", "personal code"},
        {"P", "pause"},
        {"@", "the number"}}},
  };
  return help;
}

std::string HelpReading(const HelpText& help) {
  std::string reading;
  for (int i = 0; i < static_cast<int>(help.sections.size()); ++i) {
    if (!reading.empty()) reading += '\n';
    reading += std::string(help.sections[i].heading) + ". " + help.sections[i].paragraph;
    if (i != help.exampleAfter) continue;
    std::string steps;
    for (const ProcedureStep& step : help.example) {
      steps += (steps.empty() ? "" : ", ") + std::string(step.code) + " (" + step.name + ")";
    }
    reading += '\n' + steps + '.';
  }
  return reading;
}

}  // namespace tonvero
