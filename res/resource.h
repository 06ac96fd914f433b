// Ids of velorin's resources and controls, grouped by kind. Each control id carries its
// kind in its prefix: IDE_ edit, IDB_ button, IDC_ combo box, IDL_ list box, IDT_ label.
// Shared by the resource script and the C++ code, so it holds only #defines.
#pragma once

// Dialog templates
#define IDD_ABOUT 100
#define IDD_MAIN 129
#define IDD_EDITOR 203

// Icons and bitmaps
#define IDI_MAIN 128
#define IDI_ABOUT_PICTURE 201
#define IDR_BACKGROUND 202

// Controls without an id (labels and group boxes)
#define ID_NONE -1

// Main window (IDD_MAIN)
#define IDB_HELP 57664
#define IDE_INPUT_PATH 1000
#define IDB_CHOOSE_INPUT 1001
#define IDE_OUTPUT_DIR 1002
#define IDB_CHOOSE_OUTPUT 1003
#define IDE_LOG 1004
#define IDB_CONVERT 1005
#define IDT_INPUT_LABEL 1006
#define IDB_EDIT 1021

// Help window (IDD_ABOUT)
#define IDE_HELP_TEXT 1000

// Editor window (IDD_EDITOR)
#define IDE_UP_STATIONS 1001
#define IDL_ROUTE_LIST 1008
#define IDC_START_FIRST_BUS 1011
#define IDC_START_LAST_BUS 1012
#define IDC_TERMINAL_FIRST_BUS 1013
#define IDC_TERMINAL_LAST_BUS 1014
#define IDC_LINE_TYPE 1015
#define IDE_ROUTE_NAME 1016
#define IDB_STORE_ROUTE 1017
#define IDB_NEW_ROUTE 1018
#define IDE_DOWN_STATIONS 1019
#define IDB_DELETE_ROUTE 1020
#define IDB_NEXT_ROUTE 1023
#define IDB_IMPORT_DOWN 1024
#define IDB_PREVIOUS_ROUTE 1025
#define IDE_START_LABEL 1028
#define IDE_TERMINAL_LABEL 1029
#define IDB_SAVE_TO_FILE 1030
#define IDB_DATA_INFO 1032
#define IDT_STATUS_LINE 1033
