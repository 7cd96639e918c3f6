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

const StringTableEntry* findIn(std::span<const StringTableEntry> table, UINT id)
{
    for (const auto& entry : table) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
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

static const StringTableEntry* lookup(UINT id)
{
    const bool japanese = AfxGetResourceLanguage() == ResourceLanguage::Japanese;
    const auto first = japanese ? JapaneseStringTable() : EnglishStringTable();
    const auto second = japanese ? EnglishStringTable() : JapaneseStringTable();
    if (const auto* entry = findIn(first, id))
        return entry;
    return findIn(second, id);
}

QString AfxLoadString(UINT id)
{
    const auto* entry = lookup(id);
    return entry ? QString::fromUtf8(entry->text) : QString();
}

bool AfxHasString(UINT id)
{
    return lookup(id) != nullptr;
}

QString AfxGetAppName()
{
    return AfxLoadString(AFX_IDS_APP_TITLE);
}
