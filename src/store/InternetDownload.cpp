#include "InternetDownload.h"

#include "InternetHandle.h"
#include "ScopedWin.h"

#include <algorithm>
#include <vector>

namespace {

constexpr size_t kPieceBytes = 64 * 1024;

DWORD QueryNumber(HINTERNET request, DWORD query)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr))
        return 0;
    return value;
}

bool IsSet(HANDLE event)
{
    return event && WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

bool CopyBody(HINTERNET request, HANDLE file, HANDLE stopEvent, IBindStatusCallback* progress)
{
    const ULONG size = QueryNumber(request, HTTP_QUERY_CONTENT_LENGTH);
    ULONG done = 0;
    // Large pieces: each one costs a read, a write, a stop check and a progress report, which add
    // up on a package of tens of megabytes.
    std::vector<char> chunk(kPieceBytes);
    for (;;) {
        if (IsSet(stopEvent))
            return false;
        // Only what has arrived is read, so a slow server still shows progress piece by piece.
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request, &available, 0, 0))
            return false;
        const DWORD wanted = std::min<DWORD>(std::max<DWORD>(available, 1), static_cast<DWORD>(chunk.size()));
        DWORD got = 0;
        if (!InternetReadFile(request, chunk.data(), wanted, &got))
            return false;
        if (got == 0)
            return size == 0 || done == size;
        DWORD written = 0;
        if (!WriteFile(file, chunk.data(), got, &written, nullptr) || written != got)
            return false;
        done += got;
        if (progress)
            progress->OnProgress(done, size, BINDSTATUS_DOWNLOADINGDATA, nullptr);
    }
}

}  // namespace

void SetInternetTimeouts(HINTERNET session, DWORD timeoutMs)
{
    for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                               INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionW(session, option, &timeoutMs, sizeof(timeoutMs));
}

bool DownloadUrlToFile(HINTERNET session, const std::wstring& url, const std::wstring& path, HANDLE stopEvent,
                       IBindStatusCallback* progress)
{
    const CInternetHandle request(InternetOpenUrlW(session, url.c_str(), nullptr, 0,
                                                   INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 1));
    if (!request || QueryNumber(request.Get(), HTTP_QUERY_STATUS_CODE) != 200)
        return false;
    const std::wstring partial = path + L".part";
    bool whole = false;
    {
        const CScopedHandle file(
            CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        whole = CopyBody(request.Get(), file.Get(), stopEvent, progress);
    }
    if (whole && MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileW(partial.c_str());
    return false;
}
