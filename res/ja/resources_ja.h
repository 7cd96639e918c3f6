#pragma once

#include "res/resourcetypes.h"

// The pieces of the Japanese resource set (language 1041), one file each. The
// accelerators, the toolbar with its bitmap and the icon exist in Japanese only.
std::span<const MenuTemplate> JapaneseMenus();
std::span<const DialogTemplate> JapaneseDialogs();
std::span<const VersionInfo> JapaneseVersionInfo();
std::span<const AcceleratorTable> JapaneseAccelerators();
std::span<const ToolBarTemplate> JapaneseToolBars();
std::span<const BitmapResource> JapaneseBitmaps();
std::span<const IconResource> JapaneseIcons();
