#include "win32/location/location_dialog.h"

#include <string>
#include <vector>

#include "core/location/numbering_plan.h"
#include "win32/ui/control_ids.h"
#include "win32/ui/look.h"
#include "win32/ui/modal_dialog.h"

namespace tonvero {
namespace {

using namespace look;
constexpr DWORD kLabel = WS_VISIBLE | SS_LEFT;
constexpr DWORD kDropDown = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kField = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;
constexpr DWORD kCheckBox = WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;

// The labels that name the fields.
constexpr int kCountryLabel = 1700, kAreaCodeLabel = 1702, kPrefixLabel = 1706;
constexpr const char* kNoCountry = "None: numbers with \"+\" are not dialed";

// The list's rows: each region of the numbering plan by Windows' own name
// for it (the numbering plan's English one where Windows has none) with its calling code,
// sorted by the list itself; a row's data is its place in the plan.
HWND filledList = nullptr;
std::vector<bool>* namedRegions = nullptr;

void AddCountryRow(const std::string& name, size_t region) {
  const std::string text = name + " (+" + std::to_string(NumberingRegions()[region].countryCode) + ")";
  const LRESULT row = SendMessageA(filledList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(filledList, CB_SETITEMDATA, row, static_cast<LPARAM>(region));
  (*namedRegions)[region] = true;
}

BOOL CALLBACK AddNamedRegion(GEOID id) {
  char code[8] = {}, name[128] = {};
  if (GetGeoInfoA(id, GEO_ISO2, code, sizeof code, 0) <= 0 ||
      GetGeoInfoA(id, GEO_FRIENDLYNAME, name, sizeof name, 0) <= 0) {
    return TRUE;
  }
  const NumberingRegion* region = FindNumberingRegion(code);
  if (region && !(*namedRegions)[region - NumberingRegions().data()]) {
    AddCountryRow(name, region - NumberingRegions().data());
  }
  return TRUE;
}

void FillCountryList(HWND list) {
  std::vector<bool> named(NumberingRegions().size());
  filledList = list;
  namedRegions = &named;
  EnumSystemGeoID(GEOCLASS_NATION, GEOID_NOT_AVAILABLE, AddNamedRegion);
  for (size_t i = 0; i < named.size(); ++i) {
    if (!named[i]) AddCountryRow(NumberingText(NumberingRegions()[i].englishName), i);
  }
  filledList = nullptr;
  namedRegions = nullptr;
  // The choice of none comes first, apart from the sorted names.
  SendMessageA(list, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(kNoCountry));
  SendMessageA(list, CB_SETITEMDATA, 0, static_cast<LPARAM>(-1));
}

class DialingLocationDialog : public ModalDialog {
 public:
  explicit DialingLocationDialog(const DialingLocation& location)
      : ModalDialog("Dialing Location", 330, 236, true), values_(location) {}
  const DialingLocation& Values() const { return values_; }

 private:
  std::vector<ControlSpec> Controls() const override;
  int OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;
  std::string ChosenRegion() const;
  // The prefix field is the user's only where the region has no single one.
  void ShowPrefixFor(const std::string& region);

  DialingLocation values_;
};

std::vector<ControlSpec> DialingLocationDialog::Controls() const {
  return {
      {kCountryLabel, "STATIC", "Country or region you dial from:", 8, 8, 314, 16, kLabel},
      {IDC_LOCATION_COUNTRY, "COMBOBOX", "", 8, 26, 314, 24 + 12 * 16, kDropDown | CBS_SORT | WS_GROUP},
      {kAreaCodeLabel, "STATIC", "Area code (may be left empty):", 8, 62, 314, 16, kLabel},
      {IDC_LOCATION_AREA_CODE, "EDIT", "", 8, 80, 100, 22, kField | WS_GROUP},
      {IDC_LOCATION_DIAL_AREA, "BUTTON", "Dial the area code for calls within it", 8, 110, 314, 20,
       kCheckBox | WS_GROUP},
      {kPrefixLabel, "STATIC", "International prefix, dialed before a country code:", 8, 142, 314, 16, kLabel},
      {IDC_LOCATION_PREFIX, "EDIT", "", 8, 160, 100, 22, kField | WS_GROUP},
      {IDC_LOCATION_OK, "BUTTON", "OK", 160, 198, 73, 28, kPushButton | WS_GROUP, kBoldFont},
      {IDC_LOCATION_CANCEL, "BUTTON", "Cancel", 249, 198, 73, 28, kPushButton, kBoldFont},
  };
}

int DialingLocationDialog::OnInit() {
  HWND list = Item(IDC_LOCATION_COUNTRY);
  FillCountryList(list);
  const NumberingRegion* home = FindNumberingRegion(values_.region);
  const LPARAM wanted = home ? home - NumberingRegions().data() : -1;
  const int rows = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    if (SendMessageA(list, CB_GETITEMDATA, row, 0) == wanted) SendMessageA(list, CB_SETCURSEL, row, 0);
  }
  NameByLabel(IDC_LOCATION_COUNTRY, kCountryLabel);
  NameByLabel(IDC_LOCATION_AREA_CODE, kAreaCodeLabel);
  NameByLabel(IDC_LOCATION_PREFIX, kPrefixLabel);
  SendMessageA(Item(IDC_LOCATION_AREA_CODE), EM_LIMITTEXT, kMaxAreaCodeLength + 2, 0);
  SendMessageA(Item(IDC_LOCATION_PREFIX), EM_LIMITTEXT, kMaxInternationalPrefixLength, 0);
  SetWindowTextA(Item(IDC_LOCATION_AREA_CODE), values_.areaCode.c_str());
  CheckDlgButton(Handle(), IDC_LOCATION_DIAL_AREA, values_.dialAreaCode ? BST_CHECKED : BST_UNCHECKED);
  ShowPrefixFor(values_.region);
  return IDC_LOCATION_COUNTRY;
}

std::string DialingLocationDialog::ChosenRegion() const {
  HWND list = Item(IDC_LOCATION_COUNTRY);
  const LRESULT row = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (row < 0) return values_.region;
  const LRESULT region = SendMessageA(list, CB_GETITEMDATA, row, 0);
  if (region < 0 || static_cast<size_t>(region) >= NumberingRegions().size()) return "";
  return std::string(NumberingRegions()[region].code, 2);
}

void DialingLocationDialog::ShowPrefixFor(const std::string& region) {
  const NumberingRegion* plan = FindNumberingRegion(region);
  const char* regionsPrefix = plan ? NumberingText(plan->internationalPrefix) : "";
  const bool usersOwn = plan && !*regionsPrefix;
  HWND field = Item(IDC_LOCATION_PREFIX);
  SetWindowTextA(field, usersOwn ? values_.internationalPrefix.c_str() : regionsPrefix);
  EnableWindow(field, usersOwn);
}

void DialingLocationDialog::OnCommand(int id, int code) {
  if (id == IDC_LOCATION_COUNTRY && code == CBN_SELCHANGE) ShowPrefixFor(ChosenRegion());
}

void DialingLocationDialog::OnOk() {
  values_.region = ChosenRegion();
  values_.areaCode = NormalisedAreaCode(WindowText(Item(IDC_LOCATION_AREA_CODE)), values_.region);
  values_.dialAreaCode = IsDlgButtonChecked(Handle(), IDC_LOCATION_DIAL_AREA) == BST_CHECKED;
  if (IsWindowEnabled(Item(IDC_LOCATION_PREFIX))) {
    values_.internationalPrefix = NormalisedAreaCode(WindowText(Item(IDC_LOCATION_PREFIX)), "");
  }
}

}  // namespace

bool ChooseDialingLocation(HWND owner, DialingLocation& location) {
  DialingLocationDialog dialog(location);
  if (dialog.Show(owner) != IDOK) return false;
  location = dialog.Values();
  return true;
}

}  // namespace tonvero
