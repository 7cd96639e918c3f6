#pragma once

#include "platform/resources.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>

inline constexpr ResourceLanguage kLanguages[] = {ResourceLanguage::English,
                                                  ResourceLanguage::Japanese};

inline std::string languageName(ResourceLanguage language)
{
    return language == ResourceLanguage::Japanese ? "Japanese" : "English";
}

// A string of one language's own table, without falling back to the other language.
inline const char* ownString(ResourceLanguage language, UINT id)
{
    for (const StringTableEntry& entry : AfxResourceSet(language).strings) {
        if (entry.id == id)
            return entry.text;
    }
    return nullptr;
}

// The status-bar prompt of a command: the part before the first "\n".
inline QString promptPart(const QString& text)
{
    return text.section(QLatin1Char('\n'), 0, 0);
}

// The tooltip of a command: the part after the first "\n".
inline QString tooltipPart(const QString& text)
{
    return text.section(QLatin1Char('\n'), 1);
}

inline std::string str(const QString& text)
{
    return text.toStdString();
}
