#include "platform/resources.h"

namespace {

template <typename T> const T* findById(std::span<const T> items, UINT id)
{
    for (const T& item : items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

template <typename T> const T* find(std::span<const T> ResourceSet::*member, UINT id)
{
    const bool japanese = AfxGetResourceLanguage() == ResourceLanguage::Japanese;
    const ResourceSet& first = japanese ? JapaneseResources() : EnglishResources();
    const ResourceSet& second = japanese ? EnglishResources() : JapaneseResources();
    if (const T* item = findById(first.*member, id))
        return item;
    return findById(second.*member, id);
}

} // namespace

const ResourceSet& AfxResourceSet(ResourceLanguage language)
{
    return language == ResourceLanguage::Japanese ? JapaneseResources() : EnglishResources();
}

const StringTableEntry* AfxFindStringEntry(UINT id)
{
    return find(&ResourceSet::strings, id);
}

const DialogTemplate* AfxFindDialogTemplate(UINT id)
{
    return find(&ResourceSet::dialogs, id);
}

const MenuTemplate* AfxFindMenu(UINT id)
{
    return find(&ResourceSet::menus, id);
}

const AcceleratorTable* AfxFindAccelerators(UINT id)
{
    return find(&ResourceSet::accelerators, id);
}

const ToolBarTemplate* AfxFindToolBar(UINT id)
{
    return find(&ResourceSet::toolbars, id);
}

const BitmapResource* AfxFindBitmap(UINT id)
{
    return find(&ResourceSet::bitmaps, id);
}

const IconResource* AfxFindIcon(UINT id)
{
    return find(&ResourceSet::icons, id);
}

const VersionInfo* AfxFindVersionInfo(UINT id)
{
    return find(&ResourceSet::versions, id);
}
