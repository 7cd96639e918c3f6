#include "res/ja/resources_ja.h"
#include "res/resource.h"

// Icon 128: a diskette, an arrow and a printer, for data going from a disk to a
// printer; 32 x 32 first, then 16 x 16.
#include "res/ja/icon128-16.xpm"
#include "res/ja/icon128-32.xpm"

static const char* const* const kIcon128Images[] = {kIcon128Large, kIcon128Small};

static const IconResource kIcons[] = {
    {IDR_MAINFRAME, kIcon128Images},
};

std::span<const IconResource> JapaneseIcons()
{
    return kIcons;
}
