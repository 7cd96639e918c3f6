#include "res/resource.h"
#include "res_test_util.h"

#include <algorithm>
#include <array>

// The language follows the locale: Japanese for a Japanese one, English for any other;
// a resource that exists in one language serves both.

TEST(Language, LocaleNames)
{
    struct Case
    {
        const char* locale;
        ResourceLanguage expected;
    };
    const Case cases[] = {
        {"ja_JP.UTF-8", ResourceLanguage::Japanese}, {"ja_JP", ResourceLanguage::Japanese},
        {"ja", ResourceLanguage::Japanese},          {"ja_JP.eucJP", ResourceLanguage::Japanese},
        {"ja-JP", ResourceLanguage::Japanese},       {"en_US.UTF-8", ResourceLanguage::English},
        {"en_GB", ResourceLanguage::English},        {"de_DE.UTF-8", ResourceLanguage::English},
        {"de_DE@euro", ResourceLanguage::English},   {"zh_CN.UTF-8", ResourceLanguage::English},
        {"ko_KR.UTF-8", ResourceLanguage::English},  {"C", ResourceLanguage::English},
        {"POSIX", ResourceLanguage::English},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AfxLanguageFromLocaleName(QString::fromLatin1(c.locale)), c.expected) << c.locale;
    }
}

TEST(Language, EachLocaleGetsItsResources)
{
    struct Case
    {
        const char* locale;
        ResourceLanguage language;
        const char* outputPrompt;
        const char* filePopup;
        const char* exitItem;
        short formWidth;
        const char* faceName;
        const char* fileListLabel;
        short targetPortX;
        const char* aboutCaption;
        const char* idle;
    };
    const Case cases[] = {
        {"en_US.UTF-8", ResourceLanguage::English, "Output", "&File", "E&xit", 255, "Arial",
         "File List", 52, "About", "Ready"},
        {"ja_JP.UTF-8", ResourceLanguage::Japanese, "ﾌｧｲﾙを印刷", "ﾌｧｲﾙ(&F)", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)",
         231, "ＭＳ Ｐゴシック", "ﾌｧｲﾙﾘｽﾄ", 32, "ﾊﾞｰｼﾞｮﾝ情報", "ﾚﾃﾞｨ"},
        {"de_DE.UTF-8", ResourceLanguage::English, "Output", "&File", "E&xit", 255, "Arial",
         "File List", 52, "About", "Ready"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        AfxSetResourceLanguage(AfxLanguageFromLocaleName(QString::fromLatin1(c.locale)));
        ASSERT_EQ(AfxGetResourceLanguage(), c.language);

        EXPECT_EQ(str(promptPart(AfxLoadString(IDC_OUTPUT))), c.outputPrompt);
        EXPECT_EQ(str(AfxLoadString(AFX_IDS_IDLEMESSAGE)), c.idle);

        const MenuTemplate* menu = AfxFindMenu(IDR_MAINFRAME);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(std::string(menu->items.front().text), c.filePopup);
        const auto exit = std::find_if(menu->items.begin(), menu->items.end(),
                                       [](const auto& item) { return item.id == ID_APP_EXIT; });
        ASSERT_NE(exit, menu->items.end());
        EXPECT_EQ(std::string(exit->text), c.exitItem);

        const DialogTemplate* form = AfxFindDialogTemplate(IDD_RAWCAST_FORM);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->cx, c.formWidth);
        EXPECT_EQ(form->cy, 168);
        EXPECT_EQ(form->pointSize, 9);
        EXPECT_EQ(std::string(form->faceName), c.faceName);
        ASSERT_EQ(form->items.size(), 13u);
        EXPECT_EQ(std::string(form->items[1].text), c.fileListLabel);
        EXPECT_EQ(form->items[3].id, IDC_TARGET_PORT);
        EXPECT_EQ(form->items[3].x, c.targetPortX);
        const DialogItemTemplate& percent = form->items[12];
        EXPECT_EQ(percent.id, IDC_PERCENT);
        EXPECT_EQ(percent.controlClass, ControlClass::Static);
        EXPECT_EQ((std::array{percent.x, percent.y, percent.cx, percent.cy}),
                  (std::array<short, 4>{130, 128, 32, 8}));
        // Add, Ins and Del keep their English labels in every language.
        EXPECT_EQ(std::string(form->items[4].text), "Add");
        EXPECT_EQ(std::string(form->items[5].text), "Ins");
        EXPECT_EQ(std::string(form->items[6].text), "Del");

        const DialogTemplate* about = AfxFindDialogTemplate(IDD_ABOUTBOX);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(std::string(about->caption), c.aboutCaption);
        EXPECT_EQ(std::string(about->faceName), c.faceName);
        EXPECT_EQ(std::string(about->items[1].text), "Rawcast Version 1.01");
    }
}

TEST(Language, TextsThatAreTheSameInBothLanguages)
{
    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        AfxSetResourceLanguage(language);
        EXPECT_EQ(str(AfxLoadString(AFX_IDS_UNTITLED)), "Untitled");
        EXPECT_EQ(str(AfxLoadString(IDR_MAINFRAME).section('\n', 0, 0)), "Rawcast");
        EXPECT_EQ(str(AfxLoadString(IDR_MAINFRAME).section('\n', 1, 1)), "");
        EXPECT_EQ(str(AfxGetAppName()), "Rawcast");
        EXPECT_EQ(str(AfxLoadString(AFX_IDP_UNREG_DONE)),
                  "System registry entries have been removed and the INI file (if any) was "
                  "deleted.");
    }
}

TEST(Language, JapaneseOnlyResourcesServeEnglishToo)
{
    const ResourceSet& english = AfxResourceSet(ResourceLanguage::English);
    const ResourceSet& japanese = AfxResourceSet(ResourceLanguage::Japanese);
    ASSERT_TRUE(english.accelerators.empty() && english.toolbars.empty() &&
                english.bitmaps.empty() && english.icons.empty());

    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        AfxSetResourceLanguage(language);
        EXPECT_EQ(AfxFindAccelerators(IDR_MAINFRAME), japanese.accelerators.data());
        EXPECT_EQ(AfxFindToolBar(IDR_MAINFRAME), japanese.toolbars.data());
        EXPECT_EQ(AfxFindBitmap(IDR_MAINFRAME), japanese.bitmaps.data());
        EXPECT_EQ(AfxFindIcon(IDR_MAINFRAME), japanese.icons.data());

        // Ctrl+P sends Print although the menu's Output item names that key.
        const AcceleratorTable* keys = AfxFindAccelerators(IDR_MAINFRAME);
        ASSERT_NE(keys, nullptr);
        const auto ctrlP = std::find_if(
            keys->entries.begin(), keys->entries.end(), [](const AcceleratorEntry& entry) {
                return entry.fVirt == (FVIRTKEY | FCONTROL) && entry.key == 'P';
            });
        ASSERT_NE(ctrlP, keys->entries.end());
        EXPECT_EQ(ctrlP->cmd, ID_FILE_PRINT);
    }
}

TEST(Language, ResourcesThatExistInBothLanguagesAreTakenInTheCurrentOne)
{
    for (ResourceLanguage language : kLanguages) {
        SCOPED_TRACE(languageName(language));
        AfxSetResourceLanguage(language);
        const ResourceSet& own = AfxResourceSet(language);
        EXPECT_EQ(AfxFindMenu(IDR_MAINFRAME), own.menus.data());
        EXPECT_EQ(AfxFindVersionInfo(VS_VERSION_INFO), own.versions.data());
        for (UINT id : {IDD_ABOUTBOX, IDD_RAWCAST_FORM}) {
            const DialogTemplate* dialog = AfxFindDialogTemplate(id);
            ASSERT_NE(dialog, nullptr);
            EXPECT_GE(dialog, own.dialogs.data());
            EXPECT_LT(dialog, own.dialogs.data() + own.dialogs.size());
        }
    }
}

TEST(Language, UnknownIdentifiersFindNothing)
{
    for (ResourceLanguage language : kLanguages) {
        AfxSetResourceLanguage(language);
        EXPECT_FALSE(AfxHasString(4242));
        EXPECT_TRUE(AfxLoadString(4242).isEmpty());
        EXPECT_EQ(AfxFindDialogTemplate(IDR_MAINFRAME), nullptr);
        EXPECT_EQ(AfxFindMenu(IDD_ABOUTBOX), nullptr);
        EXPECT_EQ(AfxFindIcon(IDD_ABOUTBOX), nullptr);
        EXPECT_EQ(AfxFindVersionInfo(IDR_MAINFRAME), nullptr);
    }
}
