#include "res/en/resources_en.h"
#include "res/resourcetypes.h"

// English has no accelerators, toolbar, bitmap or icon: the Japanese ones serve it.
const ResourceSet& EnglishResources()
{
    static const ResourceSet set{
        .strings = EnglishStringTable(),
        .dialogs = EnglishDialogs(),
        .menus = EnglishMenus(),
        .accelerators = {},
        .toolbars = {},
        .bitmaps = {},
        .icons = {},
        .versions = EnglishVersionInfo(),
    };
    return set;
}
