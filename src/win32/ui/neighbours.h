#pragma once
// What the main window's panels ask of each other, each answered by the
// panel that does it; the main window wires them together once.
#include <string>

namespace tonvero {

// The dialer: a number put into its screen, and dialed.
class NumberDialer {
 public:
  virtual ~NumberDialer() = default;
  virtual void ShowNumber(const std::string& number) = 0;
  virtual void Dial() = 0;
};

// The procedure bar: the previous or next procedure chosen, false when there is none.
class ProcedureStepper {
 public:
  virtual ~ProcedureStepper() = default;
  virtual bool StepNext() = 0;
  virtual bool StepPrevious() = 0;
};

// The phone list below the procedure bar: it takes the focus once a
// procedure is chosen, and gives way to the command help while a command
// is edited.
class ListBelow {
 public:
  virtual ~ListBelow() = default;
  virtual void Focus() const = 0;
  // Ends above `screenTop` (a screen coordinate), without scroll bar.
  virtual void GiveWay(int screenTop) = 0;
  virtual void TakeBackRoom() = 0;
};

}  // namespace tonvero
