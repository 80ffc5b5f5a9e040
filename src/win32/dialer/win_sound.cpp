#include "win32/dialer/win_sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace tonvero {

bool WinSoundOutput::HasOutput() { return waveOutGetNumDevs() > 0; }

bool WinSoundOutput::StartLooped(const uint8_t* image) {
  return PlaySoundA(reinterpret_cast<LPCSTR>(image), nullptr, SND_ASYNC | SND_MEMORY | SND_LOOP) != FALSE;
}

bool WinSoundOutput::PlayToEnd(const uint8_t* image) {
  return PlaySoundA(reinterpret_cast<LPCSTR>(image), nullptr, SND_MEMORY) != FALSE;
}

void WinSoundOutput::OpenDevice(const uint8_t* silence) {
  PlaySoundA(reinterpret_cast<LPCSTR>(silence), nullptr, SND_ASYNC | SND_MEMORY);
}

void WinSoundOutput::Stop() { PlaySoundA("", nullptr, SND_PURGE); }

WinClock::WinClock() {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  frequency_ = f.QuadPart;
  timeBeginPeriod(1);
}

WinClock::~WinClock() { timeEndPeriod(1); }

int64_t WinClock::NowMicros() {
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return c.QuadPart / frequency_ * 1000000 + c.QuadPart % frequency_ * 1000000 / frequency_;
}

void WinClock::SleepMicros(int64_t micros) {
  if (micros >= 1000) Sleep(static_cast<DWORD>(micros / 1000));
  else Sleep(0);
}

}  // namespace tonvero
