#include "res/ja/resources_ja.h"
#include "res/resource.h"

// Toolbar 128 and its bitmap: New, Open, a separator, Print; the bitmap holds the
// three 16 x 15 pictures side by side (a blank page, an opening folder, a printer).
#include "res/ja/toolbar128.xpm"

static const WORD kMainFrameButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_SEPARATOR, ID_FILE_PRINT};

static const ToolBarTemplate kToolBars[] = {
    {IDR_MAINFRAME, 1, 16, 15, kMainFrameButtons},
};

static const BitmapResource kBitmaps[] = {
    {IDR_MAINFRAME, kToolBar128},
};

std::span<const ToolBarTemplate> JapaneseToolBars()
{
    return kToolBars;
}

std::span<const BitmapResource> JapaneseBitmaps()
{
    return kBitmaps;
}
