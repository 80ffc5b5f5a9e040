#pragma once
// Window classes and control ids of the program's windows. The end-to-end
// driver finds windows by class and controls by these ids.

// Window classes.
#define TONVERO_CLASS_MAIN "TonveroMainWindow"
// The main window's panels, each a window of its own class and id.
#define TONVERO_CLASS_DIALER_PANEL "TonveroDialerPanel"
#define TONVERO_CLASS_PROCEDURE_BAR "TonveroProcedureBar"
#define TONVERO_CLASS_COMMAND_HELP "TonveroCommandHelp"
#define TONVERO_CLASS_PHONE_LIST_PANEL "TonveroPhoneListPanel"
#define IDC_PANEL_DIALER 1190
#define IDC_PANEL_PROCEDURES 1191
#define IDC_PANEL_COMMAND_HELP 1192
#define IDC_PANEL_PHONE_LIST 1193
// Dialogs are standard dialog windows (class "#32770") told apart by caption.

// Main window: keypad (mouse down/up sound a key and append its symbol).
#define IDC_KEY_0 1000  // 1000..1009: "0".."9"
#define IDC_KEY_ST 1010 // "*"
#define IDC_KEY_NM 1011 // "#"
#define IDC_KEY_A 1012  // 1012..1015: "A".."D"

// Main window: other controls.
#define IDC_SCREEN 1100
#define IDC_IMAGE_IDLE 1101     // shown while idle
#define IDC_IMAGE_DIALING 1102  // shown while dialing
#define IDC_CLEAR 1103
#define IDC_MODE_LABEL 1104     // mode indicator over the speed bar
#define IDC_SPEED 1105          // the speed bar
#define IDC_DIAL 1106           // "Dial"
#define IDC_DIAL_MODE 1107      // DialMode
#define IDC_EXIT 1108
#define IDC_LOGO 1109           // the logo (double click: about box)
#define IDC_BANNER 1110         // the banner under the keypad
#define IDC_CREDIT 1111         // RightLabel
#define IDC_DP_LABEL 1112       // "Dialing Proc.:"
#define IDC_DP_INSERT 1113
#define IDC_DP_DELETE 1114
#define IDC_DP_NAME 1115
#define IDC_DP_EDIT 1116
#define IDC_DP_MEMO 1117
#define IDC_HELP_BUTTON 1118
#define IDC_RULE_H 1119         // rule under the top line
#define IDC_RULE_V 1120         // rule between dialer and list
#define IDC_SORT 1121
#define IDC_EDIT 1122
#define IDC_INSERT 1123
#define IDC_DELETE 1124
#define IDC_FILE 1125
#define IDC_PRINT 1126
#define IDC_SYNC 1127
#define IDC_ADD 1128
#define IDC_GRID 1129           // the phone-list grid
#define IDC_HELP_PICTURE 1130   // the help page shown in its place
#define IDC_KEY_LABEL_FIRST 1140  // letters under the keys (1140..1148)

// Message dialogs and the dialing-mode dialog: buttons carry their modal result.
#define IDC_QUESTION_TEXT 1200  // the question
#define IDC_YES_BUTTON 1               // "Yes": IDOK
#define IDC_NO_BUTTON 2                // "No": IDCANCEL
#define IDC_NOTICE_TEXT 1201    // the notice
#define IDC_CONTINUE 1          // "Continue": IDOK
#define IDC_PAUSE_TEXT 1202     // "Press Space To Continue ..."
#define IDC_PAUSE_OK 1          // "Space": IDOK
#define IDC_ABOUT_OK 1          // "OK": IDOK
#define IDC_ABOUT_LOGO 1250     // the about box: the logo, its frame and its lines
#define IDC_ABOUT_FRAME 1251
#define IDC_ABOUT_NAME 1252
#define IDC_ABOUT_VERSION 1253  // Version label of the about box
#define IDC_ABOUT_KIND 1254
#define IDC_ABOUT_MAKER 1255
#define IDC_ABOUT_LICENCE 1256
#define IDC_ABOUT_CONTACT 1257

#define IDC_MODE_QUEUE 1300
#define IDC_MODE_SHOOTER 1301
#define IDC_MODE_MODEM 1302
#define IDC_TONE_LENGTH 1303    // the tone length field (a spin edit)
#define IDC_SILENCE_LENGTH 1304
#define IDC_COMM 1305           // the port list
#define IDC_GENERATOR 1306
#define IDC_TONE_SPIN 1307      // the up and down arrows of the tone length
#define IDC_SILENCE_SPIN 1308   // and of the silence length
#define IDC_MODE_OK 1
#define IDC_MODE_CANCEL 2

// Dialing procedures: the "DP Insert" dialog.
#define IDC_DP_INSERT_FRAME 1400
#define IDC_DP_INSERT_PROMPT 1401  // "Enter The New DP Name "
#define IDC_DP_INSERT_NAME 1402    // the name field
#define IDC_DP_INSERT_ENTER 1      // "Enter": IDOK
#define IDC_DP_INSERT_CANCEL 2     // "Cancel": IDCANCEL

// Phone list: the record dialog ("Edit Record" / "Insert Record") and the
// "Sorting" dialog; their OK and Cancel buttons carry IDOK and IDCANCEL.
#define IDC_FIELD_PANEL 1500        // the panel around labels and fields
#define IDC_FIELD_LABEL_1 1501      // the four column titles (1501..1504)
#define IDC_FIELD_EDIT_1 1511       // the four fields (1511..1514)
#define IDC_RECORD_OK 1             // "OK"
#define IDC_RECORD_CANCEL 2         // "Cancel"
#define IDC_SORT_PANEL 1520
#define IDC_SORT_RADIO_1 1521       // one per column (1521..1524)
#define IDC_SORT_OK 1               // "OK"
#define IDC_SORT_CANCEL 2           // "Cancel"

// Printing: the "Printer" options dialog.
#define IDC_PRINTER_FONT 1600   // "Font"
#define IDC_PRINTER_ALL 1601    // "Print All": closes with the result All
#define IDC_PRINTER_CANCEL 2    // "Cancel": IDCANCEL
#define IDC_PRINTER_FORM 1602   // the "Form" group
#define IDC_PRINTER_LIST 1603   // its item "List"
#define IDC_PRINTER_BOOK 1604   // its item "Book"
// The box shown while a job prints ("Printing").
#define IDC_PRINTING_PAGE 1605    // "Printing page N..."
#define IDC_PRINTING_CANCEL 2     // "Cancel": IDCANCEL

// The "Dialing Location" dialog.
#define IDC_LOCATION_COUNTRY 1701    // the country/region list
#define IDC_LOCATION_AREA_CODE 1703  // the area code field
#define IDC_LOCATION_DIAL_AREA 1705  // "Dial the area code for calls within it"
#define IDC_LOCATION_PREFIX 1707     // the international prefix field
#define IDC_LOCATION_OK 1
#define IDC_LOCATION_CANCEL 2
// The main window's entry points to other windows: items of its window
// menu (multiples of 16, as the system menu wants) and their keys.
#define IDM_DIALING_LOCATION 6144    // "Dialing Location...", Ctrl+L

// Recent calls: the "Recent Calls" window and its entry point.
#define IDM_RECENT_CALLS 6160       // "Recent Calls...", Ctrl+H
#define IDC_CALLS_FIND_LABEL 1800   // "Find:"
#define IDC_CALLS_FILTER 1801       // typing here filters by number or name
#define IDC_CALLS_LIST 1802         // the calls, newest first
#define IDC_CALLS_STATUS 1803       // how many, lines skipped, a failure
#define IDC_CALLS_KEEP 1804         // "Keep a log of calls"
#define IDC_CALLS_USE 1             // "Use Number": IDOK, as Enter
#define IDC_CALLS_DELETE 1805       // "Delete"
#define IDC_CALLS_CLEAR 1806        // "Clear"
#define IDC_CALLS_CLOSE 2           // "Close": IDCANCEL
