#include "res/en/resources_en.h"
#include "res/resource.h"

// Menu 128: popups are followed by their items, MF_END closes each level.
static const MenuItemTemplate kMainFrameItems[] = {
    {MF_POPUP, 0, "&File"},
    {0, ID_FILE_NEW, "&New\tCtrl+N"},
    {0, ID_FILE_OPEN, "&Open...\tCtrl+O"},
    {MF_SEPARATOR, 0, ""},
    {0, IDC_OUTPUT, "Out&put...\tCtrl+P"},
    {0, ID_FILE_PRINT_SETUP, "P&rint Setup..."},
    {MF_SEPARATOR, 0, ""},
    {MF_GRAYED, ID_FILE_MRU_FILE1, "Recent File"},
    {MF_SEPARATOR, 0, ""},
    {MF_END, ID_APP_EXIT, "E&xit"},
    {MF_POPUP, 0, "&View"},
    {0, ID_VIEW_TOOLBAR, "&Toolbar"},
    {MF_END, ID_VIEW_STATUS_BAR, "&Status Bar"},
    {MF_POPUP | MF_END, 0, "&Help"},
    {MF_END, ID_APP_ABOUT, "&About..."},
};

static const MenuTemplate kMenus[] = {
    {IDR_MAINFRAME, kMainFrameItems},
};

std::span<const MenuTemplate> EnglishMenus()
{
    return kMenus;
}
