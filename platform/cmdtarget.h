#pragma once

#include "platform/afxtypes.h"

#include <span>

// Command routing through static message maps keyed by notification code and identifier.
// A button click and a menu command both carry code 0, so one entry serves both.

inline constexpr int CN_COMMAND = 0;
inline constexpr int BN_CLICKED = 0;
inline constexpr int CN_UPDATE_COMMAND_UI = -1;

// The state of one command's user-interface item while it is being updated.
class CCmdUI
{
public:
    explicit CCmdUI(UINT nID) : m_nID(nID) {}
    virtual ~CCmdUI() = default;

    virtual void Enable(bool bOn = true)
    {
        m_bEnabled = bOn;
        m_bEnableChanged = true;
    }
    virtual void SetCheck(int nCheck = 1) { m_nCheck = nCheck; }

    UINT m_nID;
    bool m_bEnabled = false;
    bool m_bEnableChanged = false;
    int m_nCheck = -1; // -1: not set
};

class CCmdTarget
{
public:
    using Handler = void (CCmdTarget::*)();
    using RangeHandler = void (CCmdTarget::*)(UINT);
    using UpdateHandler = void (CCmdTarget::*)(CCmdUI*);

    struct MessageMapEntry
    {
        int nCode;
        UINT nID;
        UINT nLastID;
        Handler pfn = nullptr;
        RangeHandler pfnRange = nullptr;
        UpdateHandler pfnUpdate = nullptr;
    };

    struct MessageMap
    {
        const MessageMap* pBaseMap;
        std::span<const MessageMapEntry> entries;
    };

    virtual ~CCmdTarget() = default;

    // With CN_COMMAND runs the handler of nID; with CN_UPDATE_COMMAND_UI lets the update
    // handler set pCmdUI, or enables the item when a command handler exists. False when
    // this target's maps hold nothing for nID.
    virtual bool OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI);

    virtual const MessageMap* GetMessageMap() const;

    static const MessageMap messageMap;
};

// Entries of a message map.
template <typename T> constexpr CCmdTarget::MessageMapEntry OnCommand(UINT id, void (T::*pfn)())
{
    return {CN_COMMAND, id, id, static_cast<CCmdTarget::Handler>(pfn)};
}

template <typename T>
constexpr CCmdTarget::MessageMapEntry OnCommandRange(UINT first, UINT last, void (T::*pfn)(UINT))
{
    return {CN_COMMAND, first, last, nullptr, static_cast<CCmdTarget::RangeHandler>(pfn)};
}

template <typename T>
constexpr CCmdTarget::MessageMapEntry OnUpdateCommandUi(UINT id, void (T::*pfn)(CCmdUI*))
{
    return {CN_UPDATE_COMMAND_UI,
            id,
            id,
            nullptr,
            nullptr,
            static_cast<CCmdTarget::UpdateHandler>(pfn)};
}

template <typename T>
constexpr CCmdTarget::MessageMapEntry OnUpdateCommandUiRange(UINT first, UINT last,
                                                             void (T::*pfn)(CCmdUI*))
{
    return {CN_UPDATE_COMMAND_UI,
            first,
            last,
            nullptr,
            nullptr,
            static_cast<CCmdTarget::UpdateHandler>(pfn)};
}

#define DECLARE_MESSAGE_MAP()                                                                      \
public:                                                                                            \
    static const MessageMap messageMap;                                                            \
    const MessageMap* GetMessageMap() const override                                               \
    {                                                                                              \
        return &messageMap;                                                                        \
    }
