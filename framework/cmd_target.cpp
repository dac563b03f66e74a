#include "framework/cmd_target.h"

const CRuntimeClass CCmdTarget::classCCmdTarget = {"CCmdTarget", nullptr};
const CRuntimeClass* CCmdTarget::GetRuntimeClass() const { return &classCCmdTarget; }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, entries};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const {
  for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->adapter; ++entry) {
      if (entry->nMessage != nMessage) continue;
      if (nMessage != WM_COMMAND || (entry->nCode == nCode && entry->nID == nID)) return entry;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void*, AFX_CMDHANDLERINFO* pHandlerInfo) {
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND, static_cast<UINT>(nCode), nID);
  if (!entry) return FALSE;
  if (pHandlerInfo) {
    pHandlerInfo->pTarget = this;
    pHandlerInfo->adapter = entry->adapter;
    return TRUE;
  }
  entry->adapter(this, 0, 0);
  return TRUE;
}
