#include "platform/cmdtarget.h"

const CCmdTarget::MessageMap CCmdTarget::messageMap{nullptr, {}};

const CCmdTarget::MessageMap* CCmdTarget::GetMessageMap() const
{
    return &messageMap;
}

bool CCmdTarget::OnCmdMsg(UINT nID, int nCode, CCmdUI* pCmdUI)
{
    const bool updating = nCode == CN_UPDATE_COMMAND_UI;
    // An update handler decides first; failing one, a command handler enables the item.
    for (const MessageMap* map = GetMessageMap(); map; map = map->pBaseMap) {
        for (const MessageMapEntry& entry : map->entries) {
            if (nID < entry.nID || nID > entry.nLastID)
                continue;
            if (updating && entry.nCode == CN_UPDATE_COMMAND_UI && pCmdUI) {
                (this->*entry.pfnUpdate)(pCmdUI);
                return true;
            }
        }
    }
    for (const MessageMap* map = GetMessageMap(); map; map = map->pBaseMap) {
        for (const MessageMapEntry& entry : map->entries) {
            if (entry.nCode != CN_COMMAND || nID < entry.nID || nID > entry.nLastID)
                continue;
            if (updating) {
                if (pCmdUI)
                    pCmdUI->Enable(true);
                return true;
            }
            if (nCode != CN_COMMAND)
                continue;
            if (entry.pfnRange)
                (this->*entry.pfnRange)(nID);
            else
                (this->*entry.pfn)();
            return true;
        }
    }
    return false;
}
