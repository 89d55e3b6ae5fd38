// Message maps: constant tables that bind commands, control notifications and
// window messages to member handlers, each table chained to its base class's.
#ifndef ORVIK_FRAMEWORK_MESSAGE_MAP_H
#define ORVIK_FRAMEWORK_MESSAGE_MAP_H

#include <windows.h>

class CCmdTarget;

// The shape of an entry's handler, which tells the dispatcher how to call it.
enum AfxSig {
    AfxSig_end = 0,  // ends a table
    AfxSig_vv,       // void Handler()                        commands, notifications, WM_PAINT
    AfxSig_vwl,      // void Handler(UINT nID, LPARAM lParam)  WM_SYSCOMMAND
    AfxSig_hv,       // HCURSOR Handler()                     WM_QUERYDRAGICON
};

typedef void (CCmdTarget::*AFX_PMSG)();
typedef void (CCmdTarget::*AFX_PMSG_WL)(UINT, LPARAM);
typedef HCURSOR (CCmdTarget::*AFX_PMSG_H)();

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND for commands and control notifications
    UINT nCode;     // the notification code of a WM_COMMAND entry, else 0
    UINT nID;       // the command or control id of a WM_COMMAND entry, else 0
    AfxSig nSig;
    union {
        AFX_PMSG pfn;
        AFX_PMSG_WL pfnWL;
        AFX_PMSG_H pfnH;
    };

    // The end of a table.
    constexpr AFX_MSGMAP_ENTRY() : nMessage(0), nCode(0), nID(0), nSig(AfxSig_end), pfn(nullptr) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, UINT code, UINT id, AFX_PMSG handler)
        : nMessage(message), nCode(code), nID(id), nSig(AfxSig_vv), pfn(handler) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, AFX_PMSG_WL handler)
        : nMessage(message), nCode(0), nID(0), nSig(AfxSig_vwl), pfnWL(handler) {}
    constexpr AFX_MSGMAP_ENTRY(UINT message, AFX_PMSG_H handler)
        : nMessage(message), nCode(0), nID(0), nSig(AfxSig_hv), pfnH(handler) {}
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for the root of the chain
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The root of every chain: the commands and messages that any class can
// handle. The application object and every window derive from it.
class CCmdTarget {
public:
    CCmdTarget() {}
    virtual ~CCmdTarget() {}
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the handler that this object's map chain holds for command nID
    // with notification code nCode; FALSE when no entry matches.
    BOOL OnCmdMsg(UINT nID, UINT nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry for the message, searching this class's table and then
    // its bases'. nCode and nID count only for WM_COMMAND.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

// In a class declaration: the class has a map of its own.
#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const AFX_MSGMAP* GetThisMessageMap();               \
    const AFX_MSGMAP* GetMessageMap() const override;

// In the class's source file, around its entries. The tables are constant
// data, initialised before any code runs.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                   \
    {                                                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                \
            AFX_MSGMAP_ENTRY()                                                           \
        };                                                                               \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap;                                                              \
    }

// Entry kinds. memberFxn is a member-function pointer such as
// &CMyDlg::OnBack, with the signature noted; a virtual handler is called
// virtually.
// void memberFxn(): a command (menu, accelerator or the dialog manager's
// IDOK / IDCANCEL) or a button click, both code 0.
#define ON_COMMAND(id, memberFxn) \
    AFX_MSGMAP_ENTRY(WM_COMMAND, 0, (id), static_cast<AFX_PMSG>(memberFxn)),
// void memberFxn()
#define ON_BN_CLICKED(id, memberFxn) \
    AFX_MSGMAP_ENTRY(WM_COMMAND, BN_CLICKED, (id), static_cast<AFX_PMSG>(memberFxn)),
// void memberFxn()
#define ON_CBN_SELCHANGE(id, memberFxn) \
    AFX_MSGMAP_ENTRY(WM_COMMAND, CBN_SELCHANGE, (id), static_cast<AFX_PMSG>(memberFxn)),
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() \
    AFX_MSGMAP_ENTRY(WM_SYSCOMMAND, static_cast<AFX_PMSG_WL>(&ThisClass::OnSysCommand)),
// void OnPaint()
#define ON_WM_PAINT() \
    AFX_MSGMAP_ENTRY(WM_PAINT, 0, 0, static_cast<AFX_PMSG>(&ThisClass::OnPaint)),
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON() \
    AFX_MSGMAP_ENTRY(WM_QUERYDRAGICON, static_cast<AFX_PMSG_H>(&ThisClass::OnQueryDragIcon)),

#endif  // ORVIK_FRAMEWORK_MESSAGE_MAP_H
