#include "win32/phonelist/open_dialog.h"

#include <commdlg.h>

#include <vector>

namespace tonvero {

std::optional<std::string> ChooseDatabaseFile(HWND owner, const char* title,
                                              const std::string& initialFile, bool withContacts) {
  static const char kFilter[] = "Tonvero DB (*.rbd)\0*.rbd\0All Files (*.*)\0*.*\0";
  static const char kContactsFilter[] =
      "Tonvero DB or Contacts (*.rbd;*.vcf;*.csv)\0*.rbd;*.vcf;*.csv\0Tonvero DB (*.rbd)\0*.rbd\0"
      "Contacts (*.vcf;*.csv)\0*.vcf;*.csv\0All Files (*.*)\0*.*\0";
  // Room for a long path; the initial name is cut if it is longer still.
  std::vector<char> name(32768, '\0');
  initialFile.copy(name.data(), name.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = withContacts ? kContactsFilter : kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = title;
  // The working folder stays where it was: the settings and tone files live there.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(name.data());
}

}  // namespace tonvero
