#include "res/en/resources_en.h"
#include "res/resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

// Dialog 100: the About box.
const DialogItemTemplate kAboutItems[] = {
    {IDC_STATIC, ControlClass::Static, "#128", 8, 8, 18, 20, kChild | SS_ICON},
    {IDC_STATIC, ControlClass::Static, "Rawcast Version 1.01", 40, 10, 119, 8,
     kChild | WS_GROUP | SS_CENTER | SS_NOPREFIX},
    {IDC_STATIC, ControlClass::Static, "Copyright (C) 2026 Rawcast developers", 24, 36, 164, 8,
     kChild | WS_GROUP | SS_CENTER},
    {IDOK, ControlClass::Button, "OK", 178, 7, 32, 14,
     kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

// Dialog 101: the output form, a child window without caption.
const DialogItemTemplate kFormItems[] = {
    {IDC_FILE_LIST, ControlClass::ListBox, "", 8, 18, 180, 70,
     kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY},
    {IDC_STATIC, ControlClass::Static, "File List", 8, 6, 72, 10, kLabel},
    {IDC_STATIC, ControlClass::Static, "Target Port", 8, 106, 42, 10, kLabel},
    {IDC_TARGET_PORT, ControlClass::Static, "", 52, 106, 186, 10, kLabel},
    {IDC_ADD, ControlClass::Button, "Add", 202, 20, 40, 14, kButton},
    {IDC_INS, ControlClass::Button, "Ins", 202, 38, 40, 14, kButton},
    {IDC_DEL, ControlClass::Button, "Del", 202, 60, 40, 14, kButton},
    {IDC_OUTPUT, ControlClass::Button, "Output", 202, 82, 40, 14, kButton},
    {IDC_STATIC, ControlClass::Button, "Output Block Size", 10, 126, 74, 32, kChild | BS_GROUPBOX},
    {IDC_BLOCK_SIZE, ControlClass::Edit, "", 19, 138, 28, 12,
     kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {IDC_STATIC, ControlClass::Static, "KBytes", 49, 142, 24, 12, kLabel},
    {IDC_PROGRESS, ControlClass::Progress, "", 94, 142, 144, 10, kChild | WS_BORDER},
    {IDC_PERCENT, ControlClass::Static, "", 130, 128, 32, 8, kChild | WS_GROUP | SS_CENTER},
};

// Dialog 30722: the platform's printing status box.
const DialogItemTemplate kPrintingItems[] = {
    {IDC_STATIC, ControlClass::Static, "Printing", 0, 9, 133, 8, kChild | SS_CENTER},
    {AFX_IDC_PRINT_DOCNAME, ControlClass::Static, "", 0, 19, 133, 8,
     kChild | SS_CENTER | SS_NOPREFIX},
    {IDC_STATIC, ControlClass::Static, "on the", 0, 29, 133, 8, kChild | SS_CENTER},
    {AFX_IDC_PRINT_PRINTERNAME, ControlClass::Static, "", 0, 39, 133, 8,
     kChild | SS_CENTER | SS_NOPREFIX},
    {AFX_IDC_PRINT_PORTNAME, ControlClass::Static, "", 0, 49, 133, 8,
     kChild | SS_CENTER | SS_NOPREFIX},
    {AFX_IDC_PRINT_PAGENUM, ControlClass::Static, "", 0, 59, 133, 8,
     kChild | SS_CENTER | SS_NOPREFIX},
    {IDCANCEL, ControlClass::Button, "Cancel", 46, 72, 40, 14,
     kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

const DialogTemplate kDialogs[] = {
    {IDD_ABOUTBOX, kModal, 217, 55, 9, "Arial", "About", kAboutItems},
    {IDD_RAWCAST_FORM, WS_CHILD | DS_SETFONT, 255, 168, 9, "Arial", nullptr, kFormItems},
    {AFX_IDD_PRINTDLG, kModal, 133, 94, 9, "Arial", "Printing", kPrintingItems},
};

} // namespace

std::span<const DialogTemplate> EnglishDialogs()
{
    return kDialogs;
}
