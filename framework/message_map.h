// Message and command tables: one static table per class, chained to the base
// class's table and searched most derived class first.
//
//   class CMyView : public CFormView {
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyView, CFormView)
//       ON_WM_CREATE()
//       ON_BN_CLICKED(IDC_GO, &CMyView::OnGo)
//       ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
//   END_MESSAGE_MAP()
#pragma once

#include "framework/afx_messages.h"
#include "framework/afx_types.h"

class CCmdTarget;
class CCmdUI;

// What a table entry's handler receives, and where it leaves its result.
struct AFX_MSGCALL {
    UINT nID = 0;
    int nCode = 0;
    void* pExtra = nullptr;  // the CCmdUI of an update request
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT lResult = 0;
};

// Calls the member function of one entry; FALSE means "not handled after all".
using AFX_PMSG = BOOL (*)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND for commands and control notifications
    UINT nCode;     // notification code, or CN_UPDATE_COMMAND_UI
    UINT nID;       // first command or control id
    UINT nLastID;   // last id of a range
    AFX_PMSG pfn;   // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                         \
protected:                                            \
    static const AFX_MSGMAP* GetThisMessageMap();     \
    const AFX_MSGMAP* GetMessageMap() const override; \
                                                      \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { \
        return GetThisMessageMap();                     \
    }                                                   \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
        using ThisClass [[maybe_unused]] = theClass;    \
        using TheBaseClass = baseClass;                 \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {
#define END_MESSAGE_MAP()                                                                        \
    { 0, 0, 0, 0, nullptr }                                                                      \
    }                                                                                            \
    ;                                                                                            \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
    return &messageMap;                                                                          \
    }

// The body of a handler thunk: `self` is the object, `call` the message.
#define QUARVEL_MSG_THUNK(body)                              \
    [](CCmdTarget* pTarget_, AFX_MSGCALL& call) -> BOOL {    \
        ThisClass* self = static_cast<ThisClass*>(pTarget_); \
        (void)self;                                          \
        (void)call;                                          \
        body                                                 \
    }

// Commands (menu, toolbar, accelerator) and control notifications.
#define ON_COMMAND(id, memberFxn)                                                                \
    {                                                                                            \
        WM_COMMAND, static_cast<UINT>(CN_COMMAND), static_cast<UINT>(id), static_cast<UINT>(id), \
            QUARVEL_MSG_THUNK((self->*(memberFxn))(); return TRUE;)                              \
    }                                                                                            \
    ,

// BOOL handler(UINT nID): FALSE lets the command go on along the route.
#define ON_COMMAND_EX(id, memberFxn)                                                             \
    {                                                                                            \
        WM_COMMAND, static_cast<UINT>(CN_COMMAND), static_cast<UINT>(id), static_cast<UINT>(id), \
            QUARVEL_MSG_THUNK(return (self->*(memberFxn))(call.nID);)                            \
    }                                                                                            \
    ,

#define ON_COMMAND_RANGE(idFirst, idLast, memberFxn)                           \
    {                                                                          \
        WM_COMMAND, static_cast<UINT>(CN_COMMAND), static_cast<UINT>(idFirst), \
            static_cast<UINT>(idLast),                                         \
            QUARVEL_MSG_THUNK((self->*(memberFxn))(call.nID); return TRUE;)    \
    }                                                                          \
    ,

#define ON_COMMAND_EX_RANGE(idFirst, idLast, memberFxn)                                          \
    {                                                                                            \
        WM_COMMAND, static_cast<UINT>(CN_COMMAND), static_cast<UINT>(idFirst),                   \
            static_cast<UINT>(idLast), QUARVEL_MSG_THUNK(return (self->*(memberFxn))(call.nID);) \
    }                                                                                            \
    ,

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                            \
    {                                                                                  \
        WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), static_cast<UINT>(id),    \
            static_cast<UINT>(id),                                                     \
            QUARVEL_MSG_THUNK((self->*(memberFxn))(static_cast<CCmdUI*>(call.pExtra)); \
                              return TRUE;)                                            \
    }                                                                                  \
    ,

#define ON_UPDATE_COMMAND_UI_RANGE(idFirst, idLast, memberFxn)                           \
    {                                                                                    \
        WM_COMMAND, static_cast<UINT>(CN_UPDATE_COMMAND_UI), static_cast<UINT>(idFirst), \
            static_cast<UINT>(idLast),                                                   \
            QUARVEL_MSG_THUNK((self->*(memberFxn))(static_cast<CCmdUI*>(call.pExtra));   \
                              return TRUE;)                                              \
    }                                                                                    \
    ,

#define ON_CONTROL(code, id, memberFxn)                                                    \
    {                                                                                      \
        WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), \
            QUARVEL_MSG_THUNK((self->*(memberFxn))(); return TRUE;)                        \
    }                                                                                      \
    ,

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)

// Window messages.
#define ON_MESSAGE(message, memberFxn)                                                       \
    {                                                                                        \
        static_cast<UINT>(message), 0, 0, 0,                                                 \
            QUARVEL_MSG_THUNK(call.lResult = (self->*(memberFxn))(call.wParam, call.lParam); \
                              return TRUE;)                                                  \
    }                                                                                        \
    ,

#define ON_WM_CREATE()                                                                           \
    {                                                                                            \
        WM_CREATE, 0, 0, 0,                                                                      \
            QUARVEL_MSG_THUNK(call.lResult =                                                     \
                                  self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(call.lParam)); \
                              return TRUE;)                                                      \
    }                                                                                            \
    ,

#define ON_WM_DESTROY()                                                         \
    { WM_DESTROY, 0, 0, 0, QUARVEL_MSG_THUNK(self->OnDestroy(); return TRUE;) } \
    ,

#define ON_WM_CLOSE()                                                       \
    { WM_CLOSE, 0, 0, 0, QUARVEL_MSG_THUNK(self->OnClose(); return TRUE;) } \
    ,

#define ON_WM_SIZE()                                                                          \
    {                                                                                         \
        WM_SIZE, 0, 0, 0,                                                                     \
            QUARVEL_MSG_THUNK(self->OnSize(static_cast<UINT>(call.wParam),                    \
                                           LOWORD(static_cast<std::uintptr_t>(call.lParam)),  \
                                           HIWORD(static_cast<std::uintptr_t>(call.lParam))); \
                              return TRUE;)                                                   \
    }                                                                                         \
    ,
