#include "res/ja/resources_ja.h"
#include "res/resource.h"

// Menu 128: popups are followed by their items, MF_END closes each level.
static const MenuItemTemplate kMainFrameItems[] = {
    {MF_POPUP, 0, "ﾌｧｲﾙ(&F)"},
    {0, ID_FILE_NEW, "新規(&N)\tCtrl+N"},
    {0, ID_FILE_OPEN, "開く(&O)...\tCtrl+O"},
    {MF_SEPARATOR, 0, ""},
    {0, IDC_OUTPUT, "出力(&P)...\tCtrl+P"},
    {0, ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀの設定(&R)..."},
    {MF_SEPARATOR, 0, ""},
    {MF_GRAYED, ID_FILE_MRU_FILE1, "最新のﾌｧｲﾙ"},
    {MF_SEPARATOR, 0, ""},
    {MF_END, ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
    {MF_POPUP, 0, "表示(&V)"},
    {0, ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰ(&T)"},
    {MF_END, ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)"},
    {MF_POPUP | MF_END, 0, "ﾍﾙﾌﾟ(&H)"},
    {MF_END, ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報 (&A)..."},
};

static const MenuTemplate kMenus[] = {
    {IDR_MAINFRAME, kMainFrameItems},
};

std::span<const MenuTemplate> JapaneseMenus()
{
    return kMenus;
}
