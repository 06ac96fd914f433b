#pragma once

// A small dialog template of the framework tests: an edit box, a label and a button.
#define IDD_TEST 9000
#define IDE_TEST_EDIT 9001
#define IDT_TEST_LABEL 9002
#define IDB_TEST_BUTTON 9003
