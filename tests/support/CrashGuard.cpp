// Linked into every test program: a crash must end the process with a non-zero exit code.
// Under Wine a process that dies of an unhandled exception sometimes reports exit code 0, which
// would let a crashing test pass; terminating from the filter gives the exception code every time.
#ifdef _WIN32
#include <windows.h>

namespace {

LONG WINAPI EndWithExceptionCode(EXCEPTION_POINTERS* exception)
{
    const DWORD code = exception && exception->ExceptionRecord ? exception->ExceptionRecord->ExceptionCode : 1;
    TerminateProcess(GetCurrentProcess(), code ? code : 1);
    return EXCEPTION_EXECUTE_HANDLER;
}

const LPTOP_LEVEL_EXCEPTION_FILTER g_installed = SetUnhandledExceptionFilter(&EndWithExceptionCode);

}  // namespace
#endif
