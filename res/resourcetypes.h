#pragma once

// The shapes of the program's resources. Each language provides one ResourceSet;
// lookups go by type and identifier (platform/resources.h), never by name.

#include "platform/afxtypes.h"
#include "res/stringtable.h"

#include <span>

// ---- Dialog templates (dialog units) ----------------------------------------------
enum class ControlClass
{
    Button,
    Edit,
    Static,
    ListBox,
    Progress, // msctls_progress32
};

// Window and control styles that the templates use.
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD DS_SETFONT = 0x00000040;
inline constexpr DWORD DS_MODALFRAME = 0x00000080;
inline constexpr DWORD SS_LEFT = 0x00000000;
inline constexpr DWORD SS_CENTER = 0x00000001;
inline constexpr DWORD SS_ICON = 0x00000003;
inline constexpr DWORD SS_NOPREFIX = 0x00000080;
inline constexpr DWORD BS_PUSHBUTTON = 0x00000000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
inline constexpr DWORD BS_GROUPBOX = 0x00000007;
inline constexpr DWORD ES_AUTOHSCROLL = 0x00000080;
inline constexpr DWORD LBS_NOTIFY = 0x00000001;
inline constexpr DWORD LBS_SORT = 0x00000002;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x00000100;

struct DialogItemTemplate
{
    int id;
    ControlClass controlClass;
    const char* text; // UTF-8; for an SS_ICON static, the icon id as "#128"
    short x, y, cx, cy;
    DWORD style;
};

struct DialogTemplate
{
    UINT id;
    DWORD style;
    short cx, cy;
    short pointSize;
    const char* faceName;
    const char* caption; // null when the template has none
    std::span<const DialogItemTemplate> items;
};

// ---- Menus: a flat list as a resource script writes it ---------------------------
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_END = 0x0080; // last item of its level
inline constexpr UINT MF_SEPARATOR = 0x0800;

struct MenuItemTemplate
{
    UINT flags;
    UINT id;          // 0 for popups and separators
    const char* text; // "\t" before the shortcut text
};

struct MenuTemplate
{
    UINT id;
    std::span<const MenuItemTemplate> items;
};

// ---- Accelerators: virtual-key entries --------------------------------------------
inline constexpr BYTE FVIRTKEY = 0x01;
inline constexpr BYTE FSHIFT = 0x04;
inline constexpr BYTE FCONTROL = 0x08;
inline constexpr BYTE FALT = 0x10;

inline constexpr WORD VK_BACK = 0x08;
inline constexpr WORD VK_INSERT = 0x2D;
inline constexpr WORD VK_DELETE = 0x2E;
inline constexpr WORD VK_F6 = 0x75;
// Letters and digits are their ASCII capitals.

struct AcceleratorEntry
{
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

struct AcceleratorTable
{
    UINT id;
    std::span<const AcceleratorEntry> entries;
};

// ---- Toolbars: version, image size, then the command of each item (0: separator) --
struct ToolBarTemplate
{
    UINT id;
    WORD version;
    WORD width;
    WORD height;
    std::span<const WORD> items;
};

// ---- Pictures as XPM text (at most 16 colours) ------------------------------------
struct BitmapResource
{
    UINT id;
    const char* const* xpm;
};

// An icon holds several images of different sizes.
struct IconResource
{
    UINT id;
    std::span<const char* const* const> images;
};

// ---- Version information ----------------------------------------------------------
// The values of the fixed part as the Windows version resource numbers them.
inline constexpr DWORD VS_FFI_FILEFLAGSMASK = 0x0000003F;
inline constexpr DWORD VOS__WINDOWS32 = 0x00000004;
inline constexpr DWORD VFT_APP = 0x00000001;
inline constexpr DWORD VFT2_UNKNOWN = 0x00000000;

struct VersionString
{
    const char* key;
    const char* value;
};

struct VersionInfo
{
    UINT id;
    WORD fileVersion[4];
    WORD productVersion[4];
    DWORD fileFlagsMask;
    DWORD fileFlags;
    DWORD fileOs;
    DWORD fileType;
    DWORD fileSubtype;
    const char* stringTableName; // "040904b0", "041104b0"
    std::span<const VersionString> strings;
    WORD translationLanguage;
    WORD translationCodePage;
};

// Everything one language holds; a type it lacks is an empty span.
struct ResourceSet
{
    std::span<const StringTableEntry> strings;
    std::span<const DialogTemplate> dialogs;
    std::span<const MenuTemplate> menus;
    std::span<const AcceleratorTable> accelerators;
    std::span<const ToolBarTemplate> toolbars;
    std::span<const BitmapResource> bitmaps;
    std::span<const IconResource> icons;
    std::span<const VersionInfo> versions;
};

const ResourceSet& EnglishResources();
const ResourceSet& JapaneseResources();
