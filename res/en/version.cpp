#include "res/en/resources_en.h"
#include "res/versiondata.h"

// Block "040904b0": U.S. English.
static const VersionInfo kVersions[] = {MakeVersionInfo("040904b0", 0x0409)};

std::span<const VersionInfo> EnglishVersionInfo()
{
    return kVersions;
}
