#include "InternetDownload.h"

#include "PieceReader.h"
#include "ScopedWin.h"

namespace {

bool IsSet(HANDLE event)
{
    return event && WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

bool CopyBody(CPieceReader& reader, HANDLE file, HANDLE stopEvent, DWORD silenceMs, IBindStatusCallback* progress,
              uint64_t maxBytes)
{
    const ULONG size = reader.Length();
    uint64_t done = 0;
    for (;;) {
        if (IsSet(stopEvent))
            return false;
        switch (reader.Next(stopEvent, silenceMs)) {
        case CPieceReader::PIECE::End:
            return size == 0 || done == size;
        case CPieceReader::PIECE::Data:
            break;
        default:
            return false;
        }
        if (reader.Count() > maxBytes - done)
            return false;
        DWORD written = 0;
        if (!WriteFile(file, reader.Bytes(), reader.Count(), &written, nullptr) || written != reader.Count())
            return false;
        done += written;
        if (progress)
            progress->OnProgress(static_cast<ULONG>(done), size, BINDSTATUS_DOWNLOADINGDATA, nullptr);
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
                       DWORD silenceMs, IBindStatusCallback* progress, uint64_t maxBytes)
{
    CPieceReader reader(session, url);
    if (reader.Next(stopEvent, silenceMs) != CPieceReader::PIECE::Headers || reader.Status() != 200 ||
        reader.Length() > maxBytes)
        return false;
    const std::wstring partial = path + L".part";
    bool whole = false;
    {
        const CScopedHandle file(
            CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        whole = CopyBody(reader, file.Get(), stopEvent, silenceMs, progress, maxBytes);
    }
    if (whole && MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileW(partial.c_str());
    return false;
}
