#include "PieceReader.h"

#include <algorithm>
#include <atomic>
#include <vector>

#include "InternetHandle.h"
#include "ScopedWin.h"

namespace {

constexpr DWORD kPieceBytes = 64 * 1024;
constexpr DWORD kGetFlags = INTERNET_FLAG_RELOAD;

DWORD QueryNumber(HINTERNET request, DWORD query)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr))
        return 0;
    return value;
}

// A sent GET of `object`; null when it could not be sent.
HINTERNET SendGet(HINTERNET connection, const std::string& object)
{
    if (!connection)
        return nullptr;
    HINTERNET request = HttpOpenRequestA(connection, "GET", object.c_str(), nullptr, nullptr, nullptr,
                                         kGetFlags | INTERNET_FLAG_KEEP_CONNECTION, 1);
    if (request && !HttpSendRequestW(request, nullptr, 0, nullptr, 0)) {
        InternetCloseHandle(request);
        request = nullptr;
    }
    return request;
}

}  // namespace

// Written by the reader before it sets `Ready` and read by the owner after that wait, so the
// events order every access. The owner sets `Taken` when it is done with a piece or lets go.
struct CPieceReader::Shared {
    HINTERNET Session = nullptr;
    std::wstring Url;  // or else the server and object below
    std::wstring Host;
    unsigned short Port = 0;
    std::string Object;
    CScopedHandle Ready{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    CScopedHandle Taken{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    std::atomic<bool> LetGo{false};
    PIECE Kind = PIECE::Failed;
    DWORD Status = 0;
    DWORD Length = 0;
    std::vector<char> Piece = std::vector<char>(kPieceBytes);
    DWORD Count = 0;
};

CPieceReader::CPieceReader(HINTERNET session, const std::wstring& url) : m_shared(std::make_shared<Shared>())
{
    m_shared->Session = session;
    m_shared->Url = url;
    Start();
}

CPieceReader::CPieceReader(HINTERNET session, const std::wstring& host, unsigned short port, const std::string& object)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->Session = session;
    m_shared->Host = host;
    m_shared->Port = port;
    m_shared->Object = object;
    Start();
}

void CPieceReader::Start()
{
    // The thread holds the shared state too, so it may outlive this reader.
    auto holder = std::make_unique<std::shared_ptr<Shared>>(m_shared);
    m_gone = true;
    if (!m_shared->Ready || !m_shared->Taken)
        return;
    const CScopedHandle thread(CreateThread(nullptr, 0, ReadPieces, holder.get(), 0, nullptr));
    if (!thread)
        return;
    holder.release();
    m_gone = false;
}

CPieceReader::~CPieceReader()
{
    LetGo();
}

DWORD WINAPI CPieceReader::ReadPieces(LPVOID parameter)
{
    const std::unique_ptr<std::shared_ptr<Shared>> holder(static_cast<std::shared_ptr<Shared>*>(parameter));
    Shared& shared = **holder;
    const CInternetHandle connection(shared.Url.empty() ? InternetConnectW(shared.Session, shared.Host.c_str(),
                                                                           shared.Port, nullptr, nullptr,
                                                                           INTERNET_SERVICE_HTTP, 0, 1)
                                                        : nullptr);
    const CInternetHandle request(shared.Url.empty() ? SendGet(connection.Get(), shared.Object)
                                                     : InternetOpenUrlW(shared.Session, shared.Url.c_str(), nullptr,
                                                                        0, kGetFlags | INTERNET_FLAG_NO_CACHE_WRITE, 1));
    if (request) {
        shared.Status = QueryNumber(request.Get(), HTTP_QUERY_STATUS_CODE);
        shared.Length = QueryNumber(request.Get(), HTTP_QUERY_CONTENT_LENGTH);
    }
    if (!Hand(shared, request ? PIECE::Headers : PIECE::Failed) || !request)
        return 0;
    for (;;) {
        // Only what has arrived is read, so a slow server still shows progress piece by piece.
        DWORD available = 0;
        DWORD got = 0;
        bool read = InternetQueryDataAvailable(request.Get(), &available, 0, 0) != FALSE;
        if (read) {
            const DWORD wanted = std::min(std::max<DWORD>(available, 1), kPieceBytes);
            read = InternetReadFile(request.Get(), shared.Piece.data(), wanted, &got) != FALSE;
        }
        const PIECE kind = !read ? PIECE::Failed : got == 0 ? PIECE::End : PIECE::Data;
        if (!Hand(shared, kind, got) || kind != PIECE::Data)
            return 0;
    }
}

bool CPieceReader::Hand(Shared& shared, PIECE kind, DWORD count)
{
    if (shared.LetGo)
        return false;
    shared.Kind = kind;
    shared.Count = count;
    SetEvent(shared.Ready.Get());
    WaitForSingleObject(shared.Taken.Get(), INFINITE);
    return !shared.LetGo;
}

CPieceReader::PIECE CPieceReader::Next(HANDLE stopEvent, DWORD silenceMs)
{
    if (m_gone)
        return PIECE::Failed;
    if (m_holding) {
        m_holding = false;
        SetEvent(m_shared->Taken.Get());
    }
    const HANDLE handles[] = {m_shared->Ready.Get(), stopEvent};
    const DWORD count = stopEvent ? 2 : 1;
    if (WaitForMultipleObjects(count, handles, FALSE, silenceMs) != WAIT_OBJECT_0) {
        LetGo();
        return PIECE::Failed;
    }
    m_holding = true;
    if (m_shared->Kind != PIECE::Headers && m_shared->Kind != PIECE::Data)
        LetGo();
    return m_shared->Kind;
}

DWORD CPieceReader::Status() const
{
    return m_shared->Status;
}

DWORD CPieceReader::Length() const
{
    return m_shared->Length;
}

const char* CPieceReader::Bytes() const
{
    return m_shared->Piece.data();
}

DWORD CPieceReader::Count() const
{
    return m_holding && !m_gone && m_shared->Kind == PIECE::Data ? m_shared->Count : 0;
}

void CPieceReader::LetGo()
{
    if (m_gone)
        return;
    m_gone = true;
    m_shared->LetGo = true;
    SetEvent(m_shared->Taken.Get());
}
