// The settings' one owner against a real settings file: what it shows, what
// a panel's report changes, and what it writes.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/settings/settings.h"
#include "win32/files/files.h"
#include "win32/settings/settings_file.h"
#include "../temp_folder.h"

namespace tonvero {
namespace {

// A panel whose control holds the speed.
struct SpeedView : SettingsView {
  void ShowSettings(const Settings& settings) override { speed = settings.speedPosition; }
  void ReadSettings(Settings& settings) const override { settings.speedPosition = speed; }
  int speed = -1;
};

// The stored settings are shown once loaded; "Mode" changes the modes and
// nothing else; a save writes what the views hold then.
TEST(KeptSettingsTest, ShowsWhatIsStoredTakesOnlyModesAndSavesWhatTheViewsHold) {
  TempFolder temp("tonvero-kept");
  Settings stored;
  stored.speedPosition = 7;
  stored.queueOn = false;
  stored.shooterOn = true;
  stored.dbBase = stored.otherDbBase = "C:\\lists\\home";
  ASSERT_TRUE(ReplaceFileContents(temp.Path() + "tv.cn3", EncodeSettings(stored)));
  SpeedView view;
  KeptSettings kept({&view});

  kept.Start(temp.Path(), temp.Path() + "Base");
  EXPECT_EQ(2, view.speed);
  EXPECT_EQ(temp.Path() + "Base", kept.Values().otherDbBase);
  kept.Load();
  EXPECT_EQ(7, view.speed);
  EXPECT_TRUE(kept.Values().shooterOn);
  EXPECT_EQ("C:\\lists\\home", kept.Values().dbBase);

  Settings chosen = kept.Values();
  chosen.shooterOn = false;
  chosen.modemOn = true;
  chosen.commIndex = 4;
  chosen.dbBase = "elsewhere";
  chosen.speedPosition = 0;
  kept.TakeDialingModes(chosen);
  view.speed = 9;
  kept.Save();

  Settings written;
  ASSERT_TRUE(DecodeSettings(*ReadFileIfPresent(temp.Path() + "tv.cn3"), written));
  EXPECT_EQ(9, written.speedPosition);
  EXPECT_TRUE(written.modemOn);
  EXPECT_FALSE(written.shooterOn);
  EXPECT_EQ(4, written.commIndex);
  EXPECT_EQ("C:\\lists\\home", written.dbBase);
}

}  // namespace
}  // namespace tonvero
