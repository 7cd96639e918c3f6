#include "res/resource.h"
#include "res_test_util.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <vector>

// Properties of the resource data that a typo in one table would break.

namespace {

// Checks one level of a flat menu list starting at pos; returns the index after it.
size_t checkMenuLevel(std::span<const MenuItemTemplate> items, size_t pos, int depth)
{
    if (pos >= items.size()) {
        ADD_FAILURE() << "empty level at depth " << depth;
        return pos;
    }
    while (pos < items.size()) {
        const MenuItemTemplate& item = items[pos++];
        const std::string text = item.text ? item.text : "";
        if (item.flags & MF_POPUP) {
            EXPECT_EQ(item.id, 0u) << text;
            EXPECT_FALSE(text.empty());
            pos = checkMenuLevel(items, pos, depth + 1);
        } else if (item.flags & MF_SEPARATOR) {
            EXPECT_EQ(item.id, 0u);
            EXPECT_TRUE(text.empty());
        } else {
            EXPECT_NE(item.id, 0u) << text;
            EXPECT_FALSE(text.empty()) << item.id;
        }
        if (item.flags & MF_END)
            return pos;
    }
    ADD_FAILURE() << "level at depth " << depth << " has no MF_END";
    return pos;
}

std::vector<const MenuItemTemplate*> menuCommands(const MenuTemplate& menu)
{
    std::vector<const MenuItemTemplate*> commands;
    for (const MenuItemTemplate& item : menu.items) {
        if (!(item.flags & (MF_POPUP | MF_SEPARATOR)))
            commands.push_back(&item);
    }
    return commands;
}

QStringList placeholders(const char* text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d|[a-z]+)"));
    QStringList found;
    for (const auto& match : pattern.globalMatch(QString::fromUtf8(text)))
        found << match.captured();
    found.sort();
    return found;
}

} // namespace

TEST(ResourceData, MenusAreWellFormedAndAlikeInBothLanguages)
{
    const ResourceSet& english = AfxResourceSet(ResourceLanguage::English);
    const ResourceSet& japanese = AfxResourceSet(ResourceLanguage::Japanese);
    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        for (const MenuTemplate& menu : AfxResourceSet(language).menus) {
            EXPECT_EQ(checkMenuLevel(menu.items, 0, 0), menu.items.size()) << menu.id;
        }
    }
    // The same items with the same commands; only the texts differ.
    ASSERT_EQ(english.menus.size(), japanese.menus.size());
    for (size_t m = 0; m < english.menus.size(); ++m) {
        const auto& a = english.menus[m];
        const auto& b = japanese.menus[m];
        EXPECT_EQ(a.id, b.id);
        ASSERT_EQ(a.items.size(), b.items.size()) << a.id;
        for (size_t i = 0; i < a.items.size(); ++i) {
            EXPECT_EQ(a.items[i].flags, b.items[i].flags) << a.items[i].text;
            EXPECT_EQ(a.items[i].id, b.items[i].id) << a.items[i].text;
            const bool shortcutA = std::string(a.items[i].text).find('\t') != std::string::npos;
            const bool shortcutB = std::string(b.items[i].text).find('\t') != std::string::npos;
            EXPECT_EQ(shortcutA, shortcutB) << a.items[i].text;
        }
    }
}

TEST(ResourceData, EveryMenuAndToolbarCommandHasAPromptInBothLanguages)
{
    const ToolBarTemplate* toolbar = AfxFindToolBar(IDR_MAINFRAME);
    ASSERT_NE(toolbar, nullptr);
    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        for (const MenuTemplate& menu : AfxResourceSet(language).menus) {
            for (const MenuItemTemplate* item : menuCommands(menu)) {
                const char* text = ownString(language, item->id);
                ASSERT_NE(text, nullptr) << item->id << " " << item->text;
                EXPECT_FALSE(promptPart(QString::fromUtf8(text)).isEmpty()) << item->id;
            }
        }
        for (WORD command : toolbar->items) {
            if (command == ID_SEPARATOR)
                continue;
            const char* text = ownString(language, command);
            ASSERT_NE(text, nullptr) << command;
            EXPECT_FALSE(promptPart(QString::fromUtf8(text)).isEmpty()) << command;
            EXPECT_FALSE(tooltipPart(QString::fromUtf8(text)).isEmpty()) << command;
        }
        // Every recent-file entry, not only the placeholder, and the status-bar panes.
        for (UINT id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE8; ++id)
            EXPECT_NE(ownString(language, id), nullptr) << id;
        for (UINT id : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL})
            EXPECT_NE(ownString(language, id), nullptr) << id;
    }
}

TEST(ResourceData, MenuShortcutsAreKeysOfTheAcceleratorTable)
{
    const AcceleratorTable* keys = AfxFindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(keys, nullptr);
    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        for (const MenuItemTemplate* item : menuCommands(AfxResourceSet(language).menus[0])) {
            const std::string text = item->text;
            const size_t tab = text.find('\t');
            if (tab == std::string::npos)
                continue;
            const std::string shortcut = text.substr(tab + 1);
            ASSERT_EQ(shortcut.size(), 6u) << shortcut;
            ASSERT_EQ(shortcut.substr(0, 5), "Ctrl+") << shortcut;
            const auto entry = std::find_if(
                keys->entries.begin(), keys->entries.end(), [&](const AcceleratorEntry& e) {
                    return e.fVirt == (FVIRTKEY | FCONTROL) && e.key == WORD(shortcut[5]);
                });
            ASSERT_NE(entry, keys->entries.end()) << shortcut;
            // Output's "Ctrl+P" names the key of Print, which ends in the same job.
            EXPECT_EQ(entry->cmd, item->id == IDC_OUTPUT ? UINT(ID_FILE_PRINT) : item->id)
                << shortcut;
        }
    }
}

TEST(ResourceData, StringTablesMatchAcrossLanguages)
{
    const auto ids = [](ResourceLanguage language) {
        QList<UINT> list;
        for (const StringTableEntry& entry : AfxResourceSet(language).strings)
            list << entry.id;
        return list;
    };
    const QList<UINT> english = ids(ResourceLanguage::English);
    const QList<UINT> japanese = ids(ResourceLanguage::Japanese);
    EXPECT_EQ(QSet<UINT>(english.begin(), english.end()).size(), english.size())
        << "an English id occurs twice";
    EXPECT_EQ(QSet<UINT>(japanese.begin(), japanese.end()).size(), japanese.size())
        << "a Japanese id occurs twice";
    for (UINT id : english) {
        const char* ja = ownString(ResourceLanguage::Japanese, id);
        EXPECT_NE(ja, nullptr) << id << " has no Japanese text";
        if (!ja)
            continue;
        const char* en = ownString(ResourceLanguage::English, id);
        EXPECT_EQ(placeholders(en), placeholders(ja)) << id;
        EXPECT_EQ(QString::fromUtf8(en).count('\n'), QString::fromUtf8(ja).count('\n')) << id;
    }
    for (UINT id : japanese)
        EXPECT_NE(ownString(ResourceLanguage::English, id), nullptr) << id << " has no English";
}

TEST(ResourceData, DialogsAreAlikeInBothLanguagesAndItemsLieInside)
{
    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        for (const DialogTemplate& dialog : AfxResourceSet(language).dialogs) {
            EXPECT_TRUE(dialog.style & DS_SETFONT) << dialog.id;
            EXPECT_GT(dialog.pointSize, 0) << dialog.id;
            for (const DialogItemTemplate& item : dialog.items) {
                EXPECT_TRUE(item.x >= 0 && item.y >= 0 && item.cx > 0 && item.cy > 0 &&
                            item.x + item.cx <= dialog.cx && item.y + item.cy <= dialog.cy)
                    << "dialog " << dialog.id << " item " << item.id << " "
                    << (item.text ? item.text : "");
                EXPECT_TRUE((item.style & (WS_CHILD | WS_VISIBLE)) == (WS_CHILD | WS_VISIBLE));
            }
        }
    }
    const ResourceSet& english = AfxResourceSet(ResourceLanguage::English);
    const ResourceSet& japanese = AfxResourceSet(ResourceLanguage::Japanese);
    ASSERT_EQ(english.dialogs.size(), japanese.dialogs.size());
    for (size_t d = 0; d < english.dialogs.size(); ++d) {
        const DialogTemplate& a = english.dialogs[d];
        const DialogTemplate& b = japanese.dialogs[d];
        SCOPED_TRACE(a.id);
        EXPECT_EQ(a.id, b.id);
        EXPECT_EQ(a.style, b.style);
        EXPECT_EQ(a.cy, b.cy);
        EXPECT_EQ(a.caption == nullptr, b.caption == nullptr);
        ASSERT_EQ(a.items.size(), b.items.size());
        for (size_t i = 0; i < a.items.size(); ++i) {
            EXPECT_EQ(a.items[i].id, b.items[i].id) << i;
            EXPECT_EQ(a.items[i].controlClass, b.items[i].controlClass) << i;
            EXPECT_EQ(a.items[i].style, b.items[i].style) << i;
        }
    }
}

TEST(ResourceData, FormTabOrderAndStylesThatMatter)
{
    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        AfxSetResourceLanguage(language);
        const DialogTemplate* form = AfxFindDialogTemplate(IDD_RAWCAST_FORM);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->style, WS_CHILD | DS_SETFONT);
        EXPECT_EQ(form->caption, nullptr);
        std::vector<int> tabStops;
        for (const DialogItemTemplate& item : form->items) {
            if (item.style & WS_TABSTOP)
                tabStops.push_back(item.id);
            if (item.controlClass == ControlClass::Button && (item.style & 0xF) != BS_GROUPBOX)
                EXPECT_NE(item.style & 0xF, BS_DEFPUSHBUTTON) << "no default button";
            if (item.controlClass == ControlClass::ListBox)
                EXPECT_EQ(item.style & LBS_SORT, 0u) << "the list keeps its order";
        }
        EXPECT_EQ(tabStops, (std::vector<int>{IDC_FILE_LIST, IDC_ADD, IDC_INS, IDC_DEL, IDC_OUTPUT,
                                              IDC_BLOCK_SIZE}));
    }
}

TEST(ResourceData, VersionInformationAgreesWithTheAboutBox)
{
    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        AfxSetResourceLanguage(language);
        const VersionInfo* version = AfxFindVersionInfo(VS_VERSION_INFO);
        ASSERT_NE(version, nullptr);
        // The string table's name is the translation: language then code page, in hex.
        EXPECT_EQ(std::string(version->stringTableName),
                  QString::asprintf("%04x%04x", version->translationLanguage,
                                    version->translationCodePage)
                      .toStdString());
        const auto value = [&](const char* key) -> std::string {
            for (const VersionString& s : version->strings) {
                if (std::string(s.key) == key)
                    return s.value;
            }
            ADD_FAILURE() << "no " << key;
            return {};
        };
        const DialogTemplate* about = AfxFindDialogTemplate(IDD_ABOUTBOX);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(std::string(about->items[1].text), "Rawcast Version " + value("ProductVersion"));
        EXPECT_EQ(std::string(about->items[2].text), value("LegalCopyright"));
        // "1.01" is version 1.1 of the fixed part.
        for (const auto& [text, fixed] :
             {std::pair{value("FileVersion"), version->fileVersion},
              std::pair{value("ProductVersion"), version->productVersion}}) {
            const QStringList parts = QString::fromStdString(text).split('.');
            ASSERT_EQ(parts.size(), 2) << text;
            EXPECT_EQ(parts[0].toUInt(), fixed[0]) << text;
            EXPECT_EQ(parts[1].toUInt(), fixed[1]) << text;
        }
    }
    const VersionInfo& en = AfxResourceSet(ResourceLanguage::English).versions[0];
    const VersionInfo& ja = AfxResourceSet(ResourceLanguage::Japanese).versions[0];
    EXPECT_TRUE(std::equal(std::begin(en.fileVersion), std::end(en.fileVersion), ja.fileVersion));
    EXPECT_EQ(en.fileFlagsMask, ja.fileFlagsMask);
    ASSERT_EQ(en.strings.size(), ja.strings.size());
    for (size_t i = 0; i < en.strings.size(); ++i) {
        EXPECT_EQ(std::string(en.strings[i].key), ja.strings[i].key);
        EXPECT_EQ(std::string(en.strings[i].value), ja.strings[i].value);
    }
}
