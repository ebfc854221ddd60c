#pragma once
// The interface of the link library "Link.dll" that reaches the vehicle interface device. The
// library is not part of the program: it is a separate file beside it, built by someone else, so
// this header is the whole contract between the two and must match the library's binary layout.
// Our own stand-in library (standins/Link) is built from this header too.
//
// The library exports two functions, looked up by their undecorated names:
//   "CreatInstance"(kind)  returns the library's transport object; the program passes kind 2.
//   "DestroyInstance"()    destroys that object. The library keeps one object per load.
//
// Calling convention of the two exports: our choice, not known from the real library. We call them
// as extern "C" __cdecl. On x86_64 there is only one convention; on i686 a library built with
// __stdcall would unbalance the stack after "CreatInstance" (its one argument), so this is the first
// thing to confirm against the real library. Our stand-in exports them through a .def file, which
// keeps the names undecorated whichever convention is chosen here.
#include <cstdint>

#if defined(_WIN32) && defined(__i386__)
// The transport object comes from a library built with another compiler: its member functions take
// `this` in ECX and clean their own arguments. g++ does the same by default on i686 MinGW; saying so
// keeps the layout when that default or the compiler changes.
#define LINK_MEMBER_CALL __attribute__((thiscall))
#define LINK_EXPORT_CALL __cdecl
#else
#define LINK_MEMBER_CALL
#define LINK_EXPORT_CALL
#endif

// The library's transport object as the program sees it: a pointer to a table of virtual operations
// in this slot order, counted from 1. Only the order and the arguments bind; the names are ours.
class CLinkTransportObject {
public:
    // Slot 1: never called. A plain virtual placeholder, not a virtual destructor: g++ makes two
    // table entries for a virtual destructor, which would push every later slot out of place.
    virtual void LINK_MEMBER_CALL Unused() = 0;
    // Slot 2: opens the link. Only the low byte of the result counts (non-zero: opened). `flag` is 1
    // on the first open of the process, 0 on every later one.
    virtual int32_t LINK_MEMBER_CALL Open(int32_t flag) = 0;
    // Slot 3: sends the bytes as they are. The program does not look at the result.
    virtual int32_t LINK_MEMBER_CALL Write(const uint8_t* bytes, int32_t count) = 0;
    // Slot 4: takes up to `count` received bytes without waiting; the program always asks for one
    // byte and counts it as received only when the result is 1.
    virtual int32_t LINK_MEMBER_CALL Read(uint8_t* buffer, int32_t count) = 0;
    // Slot 5: ends the use of the link. The result is not looked at.
    virtual int32_t LINK_MEMBER_CALL Close() = 0;
    // Slot 6: an operation without arguments whose result the program passes back unchanged; the
    // control-unit command layer calls it before it waits for a reply, when its caller asks.
    virtual int32_t LINK_MEMBER_CALL Reset() = 0;

protected:
    // Not virtual (see slot 1), and protected: the program never deletes the object, the library
    // does, through "DestroyInstance".
    ~CLinkTransportObject() = default;
};

extern "C" {
using LinkCreateInstanceFn = CLinkTransportObject* (LINK_EXPORT_CALL*)(int32_t kind);
using LinkDestroyInstanceFn = void (LINK_EXPORT_CALL*)();
}

inline constexpr const char* kLinkCreateInstanceName = "CreatInstance";
inline constexpr const char* kLinkDestroyInstanceName = "DestroyInstance";
inline constexpr const wchar_t* kLinkLibraryFileName = L"Link.dll";
// What the program asks "CreatInstance" for. What the kinds mean is the library's business.
inline constexpr int32_t kLinkInstanceKind = 2;
