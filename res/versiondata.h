#pragma once

#include "res/resource.h"
#include "res/resourcetypes.h"

// Version information 1: one block in each language, with the same values, so that a new
// version is one edit here.
inline constexpr VersionString kVersionStrings[] = {
    {"CompanyName", ""},
    {"FileDescription", "Rawcast"},
    {"FileVersion", "1.01"},
    {"InternalName", "RAWCAST"},
    {"LegalCopyright", "Copyright (C) 2026 Rawcast developers"},
    {"OriginalFilename", "RAWCAST.EXE"},
    {"ProductName", "Rawcast"},
    {"ProductVersion", "1.01"},
};

// The block of one language: its string table name ("040904b0") and its translation
// entry (language, code page 1200, UTF-16).
constexpr VersionInfo MakeVersionInfo(const char* stringTableName, WORD language)
{
    return {
        .id = VS_VERSION_INFO,
        .fileVersion = {1, 1, 0, 0},
        .productVersion = {1, 1, 0, 0},
        .fileFlagsMask = VS_FFI_FILEFLAGSMASK,
        .fileFlags = 0,
        .fileOs = VOS__WINDOWS32,
        .fileType = VFT_APP,
        .fileSubtype = VFT2_UNKNOWN,
        .stringTableName = stringTableName,
        .strings = kVersionStrings,
        .translationLanguage = language,
        .translationCodePage = 1200,
    };
}
