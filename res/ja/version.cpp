#include "res/ja/resources_ja.h"
#include "res/resource.h"

// Version information 1, block "041104b0": Japanese, UTF-16.
static const VersionString kStrings[] = {
    {"CompanyName", ""},
    {"FileDescription", "Rawcast"},
    {"FileVersion", "1.01"},
    {"InternalName", "RAWCAST"},
    {"LegalCopyright", "Copyright (C) 2026 Rawcast developers"},
    {"OriginalFilename", "RAWCAST.EXE"},
    {"ProductName", "Rawcast"},
    {"ProductVersion", "1.01"},
};

static const VersionInfo kVersions[] = {{
    .id = VS_VERSION_INFO,
    .fileVersion = {1, 1, 0, 0},
    .productVersion = {1, 1, 0, 0},
    .fileFlagsMask = VS_FFI_FILEFLAGSMASK,
    .fileFlags = 0,
    .fileOs = VOS__WINDOWS32,
    .fileType = VFT_APP,
    .fileSubtype = VFT2_UNKNOWN,
    .stringTableName = "041104b0",
    .strings = kStrings,
    .translationLanguage = 0x0411,
    .translationCodePage = 1200,
}};

std::span<const VersionInfo> JapaneseVersionInfo()
{
    return kVersions;
}
