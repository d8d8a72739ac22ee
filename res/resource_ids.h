// Ids of the program's resources, dialogs and controls.
#pragma once

// Shared by the document template string, menu, accelerators, toolbar and icon.
constexpr unsigned int IDR_MAINFRAME = 128;
// The document icon.
constexpr unsigned int IDI_DOCUMENT = 129;

constexpr unsigned int IDD_ABOUTBOX = 100;
constexpr unsigned int IDD_CALCULATOR_FORM = 101;

// Controls of the calculator form.
constexpr int IDC_COMBO_CLOCK = 1000;
constexpr int IDC_RADIO_X1 = 1001;
constexpr int IDC_RADIO_X8 = 1002;
constexpr int IDC_RADIO_X16 = 1003;
constexpr int IDC_RADIO_X32 = 1004;
constexpr int IDC_RADIO_MMCRH = 1005;
constexpr int IDC_EDIT_CLOCK = 1006;
constexpr int IDC_EDIT_MMCRH = 1007;
constexpr int IDC_COMBO_BAUD = 1008;
constexpr int IDC_EDIT_CDV = 1009;
constexpr int IDC_BUTTON_CALC_CDV = 1010;
constexpr int IDC_BUTTON_CALC_BAUD = 1011;
constexpr int IDC_EDIT_BAUD = 1012;
constexpr int IDC_EDIT_BCR = 1013;

// Controls that are never addressed.
constexpr int IDC_STATIC = -1;
