// settings_file_seeds <folder>: the settings file as the program writes it
// with its defaults and with every field changed, and one that ends early.
#include "core/settings/settings.h"
#include "seed_file.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  using tonvero::Settings;
  const Settings defaults;
  Settings changed;
  changed.speedPosition = 7;
  changed.dbBase = "C:\\LISTS\\HOME";
  changed.otherDbBase = "D:\\WORK";
  changed.columnWidths = {10, 20, 30, 40, 50};
  changed.queueOn = false;
  changed.shooterOn = true;
  changed.toneMs = 300;
  changed.silenceMs = 1;
  changed.commIndex = 8;
  changed.generatorIndex = 1;
  auto shortened = tonvero::EncodeSettings(changed);
  shortened.resize(300);
  tonvero::fuzz::WriteSeed(argv[1], "defaults.cn3", tonvero::EncodeSettings(defaults));
  tonvero::fuzz::WriteSeed(argv[1], "changed.cn3", tonvero::EncodeSettings(changed));
  tonvero::fuzz::WriteSeed(argv[1], "shortened.cn3", shortened);
  return 0;
}
