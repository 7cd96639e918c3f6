#include "res/ja/resources_ja.h"
#include "res/resourcetypes.h"

const ResourceSet& JapaneseResources()
{
    static const ResourceSet set{
        .strings = JapaneseStringTable(),
        .dialogs = JapaneseDialogs(),
        .menus = JapaneseMenus(),
        .accelerators = JapaneseAccelerators(),
        .toolbars = JapaneseToolBars(),
        .bitmaps = JapaneseBitmaps(),
        .icons = JapaneseIcons(),
        .versions = JapaneseVersionInfo(),
    };
    return set;
}
