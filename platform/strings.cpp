#include "platform/strings.h"

#include "res/resource.h"
#include "res/stringtable.h"

#include <QLocale>
#include <optional>

namespace {

std::optional<ResourceLanguage>& languageOverride()
{
    static std::optional<ResourceLanguage> language;
    return language;
}

} // namespace

ResourceLanguage AfxLanguageFromLocaleName(const QString& localeName)
{
    return QLocale(localeName).language() == QLocale::Japanese ? ResourceLanguage::Japanese
                                                               : ResourceLanguage::English;
}

ResourceLanguage AfxGetResourceLanguage()
{
    auto& language = languageOverride();
    if (!language) {
        language = QLocale::system().language() == QLocale::Japanese ? ResourceLanguage::Japanese
                                                                     : ResourceLanguage::English;
    }
    return *language;
}

void AfxSetResourceLanguage(ResourceLanguage language)
{
    languageOverride() = language;
}

// In resources.cpp, with the other lookups.
const StringTableEntry* AfxFindStringEntry(UINT id);

QString AfxLoadString(UINT id)
{
    const auto* entry = AfxFindStringEntry(id);
    return entry ? QString::fromUtf8(entry->text) : QString();
}

bool AfxHasString(UINT id)
{
    return AfxFindStringEntry(id) != nullptr;
}

QString AfxGetAppName()
{
    return AfxLoadString(AFX_IDS_APP_TITLE);
}
