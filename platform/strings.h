#pragma once

#include "platform/afxtypes.h"

#include <QString>

// String resources by identifier, in the language the system selects.

enum class ResourceLanguage
{
    English, // language 1033
    Japanese // language 1041
};

// The language picked once from the system locale: Japanese for a Japanese locale,
// English for every other.
ResourceLanguage AfxGetResourceLanguage();

// Overrides the system's choice; for tests and for a program that must pin one language.
void AfxSetResourceLanguage(ResourceLanguage language);

// Decides the language from a locale name such as "ja_JP.UTF-8" or "de_DE".
ResourceLanguage AfxLanguageFromLocaleName(const QString& localeName);

// The string with this identifier in the current language; a string that exists in
// one language only serves both. Empty when neither has it.
QString AfxLoadString(UINT id);
bool AfxHasString(UINT id);

// The application title (string 57344), the caption of every message box.
QString AfxGetAppName();
