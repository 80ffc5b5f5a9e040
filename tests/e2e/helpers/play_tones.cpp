// play_tones.exe: plays the sixteen key images of the tone file "one.wav"
// beside it, in tone-index order, as queue mode plays them at speed position
// 5 (151 ms of tone, then quiet), through the program's own sound output. A recording of it decodes as
// "0123456789*#ABCD" when the tone file and the sound path are right.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "core/dialer/clock.h"
#include "core/dialer/tone_player.h"
#include "core/dialer/tones.h"
#include "win32/dialer/win_sound.h"

namespace {

constexpr int kSpeedPosition = 5;
constexpr unsigned kWarmUpMs = 500;
constexpr int kKeyCount = 16;  // every tone index but silence

std::string ToneFilePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + "one.wav";
}

}  // namespace

int main() {
  const std::string path = ToneFilePath();
  std::ifstream in(path, std::ios::binary);
  const tonvero::Bytes file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto bank = tonvero::ParseToneFile(file);
  if (!bank) {
    std::fprintf(stderr, "play_tones: %s is missing or damaged\n", path.c_str());
    return 1;
  }
  tonvero::WinSoundOutput sound;
  tonvero::WinClock clock;
  // The first sound of a process opens the sound device, which can take
  // longer than a tone lasts; a moment of the silence image opens it first.
  sound.StartLooped(bank->images[tonvero::kSilenceIndex].data());
  tonvero::WaitMs(clock, kWarmUpMs);
  sound.Stop();
  tonvero::TonePlayer player(*bank, sound, clock, nullptr);
  for (int index = 0; index < kKeyCount; ++index) player.PlayQueued(index, kSpeedPosition);
  std::printf("played %d keys\n", kKeyCount);
  return 0;
}
