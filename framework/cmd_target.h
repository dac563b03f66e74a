// CCmdTarget: the root of every class with a message map; routes commands.
#pragma once

#include "framework/message_map.h"
#include "framework/runtime_class.h"

// Filled by OnCmdMsg when a caller only asks whether a handler exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget = nullptr;
  AfxMessageAdapter adapter = nullptr;
};

class CCmdTarget {
 public:
  static const CRuntimeClass classCCmdTarget;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  virtual ~CCmdTarget() = default;

  // Offers command nID to this object's maps. With pHandlerInfo set, only
  // reports whether a handler exists and does not call it.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;

  // The first entry for nMessage (and, for WM_COMMAND, nCode and nID) along the map chain.
  const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};
