#include "res/ja/resources_ja.h"
#include "res/versiondata.h"

// Block "041104b0": Japanese.
static const VersionInfo kVersions[] = {MakeVersionInfo("041104b0", 0x0411)};

std::span<const VersionInfo> JapaneseVersionInfo()
{
    return kVersions;
}
