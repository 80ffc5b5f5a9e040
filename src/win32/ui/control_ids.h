#pragma once
// Window classes and control ids of the program's windows. The end-to-end
// driver finds windows by class and controls by these ids.

// Window classes.
#define TONVERO_CLASS_MAIN "TTonvero"
// Dialogs are standard dialog windows (class "#32770") told apart by caption.

// Main window: keypad (mouse down/up sound a key and append its symbol).
#define IDC_KEY_0 1000  // 1000..1009: "0".."9"
#define IDC_KEY_ST 1010 // "*"
#define IDC_KEY_NM 1011 // "#"
#define IDC_KEY_A 1012  // 1012..1015: "A".."D"

// Main window: other controls.
#define IDC_SCREEN 1100
#define IDC_IMAGE_IDLE 1101     // Image2
#define IDC_IMAGE_DIALING 1102  // Image3
#define IDC_CLEAR 1103
#define IDC_MODE_LABEL 1104     // Label10
#define IDC_SPEED 1105          // ScrollBarSpeed
#define IDC_DIAL 1106           // BitBtnReDial
#define IDC_DIAL_MODE 1107      // DialMode
#define IDC_EXIT 1108
#define IDC_LOGO 1109           // Image1
#define IDC_BANNER 1110         // Image4
#define IDC_CREDIT 1111         // RightLabel
#define IDC_DP_LABEL 1112       // Label11
#define IDC_DP_INSERT 1113
#define IDC_DP_DELETE 1114
#define IDC_DP_NAME 1115
#define IDC_DP_EDIT 1116
#define IDC_DP_MEMO 1117
#define IDC_HELP_BUTTON 1118
#define IDC_RULE_H 1119         // Panel2
#define IDC_RULE_V 1120         // Panel1
#define IDC_SORT 1121
#define IDC_EDIT 1122
#define IDC_INSERT 1123
#define IDC_DELETE 1124
#define IDC_FILE 1125
#define IDC_PRINT 1126
#define IDC_SYNC 1127
#define IDC_ADD 1128
#define IDC_GRID 1129           // DBase
#define IDC_HELP_PICTURE 1130   // Image5
#define IDC_KEY_LABEL_FIRST 1140  // Label1..Label9 (1140..1148)

// Message dialogs and the dialing-mode dialog: buttons carry their modal result.
#define IDC_QUESTION_TEXT 1200  // PanelQuestion
#define IDC_YES_BUTTON 1               // BitBtnYes: IDOK
#define IDC_NO_BUTTON 2                // BitBtnNo: IDCANCEL
#define IDC_NOTICE_TEXT 1201    // Panel1 of the notice box
#define IDC_CONTINUE 1          // BitBtnContinue: IDOK
#define IDC_PAUSE_TEXT 1202     // PausePanel
#define IDC_PAUSE_OK 1          // PauseOKButton: IDOK
#define IDC_ABOUT_OK 1          // OKButton: IDOK
#define IDC_ABOUT_VERSION 1253  // Version label of the about box

#define IDC_MODE_QUEUE 1300
#define IDC_MODE_SHOOTER 1301
#define IDC_MODE_MODEM 1302
#define IDC_TONE_LENGTH 1303    // edit of the ToneLength spin edit
#define IDC_SILENCE_LENGTH 1304
#define IDC_COMM 1305           // CommX
#define IDC_GENERATOR 1306
#define IDC_MODE_OK 1
#define IDC_MODE_CANCEL 2

// Dialing procedures: the "DP Insert" dialog.
#define IDC_DP_INSERT_FRAME 1400
#define IDC_DP_INSERT_PROMPT 1401  // PanelDPName
#define IDC_DP_INSERT_NAME 1402    // EditDPName
#define IDC_DP_INSERT_ENTER 1      // BitBtnEnter: IDOK
#define IDC_DP_INSERT_CANCEL 2     // BitBtnCancel: IDCANCEL

// Phone list: the record dialog ("Edit Record" / "Insert Record") and the
// "Sorting" dialog; their OK and Cancel buttons carry IDOK and IDCANCEL.
#define IDC_FIELD_PANEL 1500        // the panel around labels and fields
#define IDC_FIELD_LABEL_1 1501      // PanelField1..PanelField4 (1501..1504)
#define IDC_FIELD_EDIT_1 1511       // EditField1..EditField4 (1511..1514)
#define IDC_RECORD_OK 1             // BitBtnOK
#define IDC_RECORD_CANCEL 2         // BitBtnCancel
#define IDC_SORT_PANEL 1520
#define IDC_SORT_RADIO_1 1521       // RadioButton1..RadioButton4 (1521..1524)
#define IDC_SORT_OK 1               // OKButton
#define IDC_SORT_CANCEL 2           // BitBtnCancel

// Phone list: the grid answers these messages (the test driver asks them).
#define IDM_GRID_SELECTED_ROW (0x8000 + 1500)  // WM_APP + 1500: the selected row, 0 for none
#define IDM_GRID_TOP_ROW (0x8000 + 1501)       // the first record row in view
#define IDM_GRID_ROW_COUNT (0x8000 + 1502)     // the number of record rows
// Posted with a number in wParam after other posted input; sent, answers the
// last number seen: the driver knows by it that what it posted before was handled.
#define IDM_GRID_MARK (0x8000 + 1503)
#define IDM_GRID_LAST_MARK (0x8000 + 1504)

// Printing: the "Printer" options dialog.
#define IDC_PRINTER_FONT 1600   // BitBtnFont
#define IDC_PRINTER_ALL 1601    // BitBtnPrintAll: closes with the result All
#define IDC_PRINTER_CANCEL 2    // BitBtnCancel: IDCANCEL
#define IDC_PRINTER_FORM 1602   // RadioGroupFormat
#define IDC_PRINTER_LIST 1603   // its item "List"
#define IDC_PRINTER_BOOK 1604   // its item "Book"
