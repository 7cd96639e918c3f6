#pragma once

#include "res/resourcetypes.h"

// The pieces of the English resource set (language 1033), one file each.
std::span<const MenuTemplate> EnglishMenus();
std::span<const DialogTemplate> EnglishDialogs();
std::span<const VersionInfo> EnglishVersionInfo();
