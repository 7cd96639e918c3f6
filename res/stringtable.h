#pragma once

#include "platform/afxtypes.h"

#include <span>

// One string resource: identifier and UTF-8 text.
struct StringTableEntry
{
    UINT id;
    const char* text;
};

std::span<const StringTableEntry> EnglishStringTable();
std::span<const StringTableEntry> JapaneseStringTable();
