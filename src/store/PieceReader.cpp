#include "PieceReader.h"

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <iterator>
#include <mutex>
#include <utility>
#include <vector>

#include "InternetHandle.h"
#include "ScopedWin.h"

namespace {

constexpr DWORD kReadBytes = 64 * 1024;
// The reader runs ahead of its owner by at most this much: a paused download holds here.
constexpr size_t kMaxAhead = 1024 * 1024;
// The owner is woken once this much has come; below it, it looks every `kLookMs` for what came.
// Each of its turns costs a write and its checks, so a fast server's bytes go over in large pieces
// while a slow one's still show within the period.
constexpr size_t kWakeBytes = 256 * 1024;
constexpr DWORD kLookMs = 50;
constexpr DWORD kGetFlags = INTERNET_FLAG_RELOAD;

DWORD QueryNumber(HINTERNET request, DWORD query)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr))
        return 0;
    return value;
}

// What the reader's own session takes over from the caller's: its agent and time-outs.
struct SESSION_SETUP {
    std::wstring Agent;
    std::vector<std::pair<DWORD, DWORD>> Options;  // option, value
};

SESSION_SETUP SetupOf(HINTERNET session)
{
    SESSION_SETUP setup;
    if (!session)
        return setup;
    wchar_t agent[256] = {};
    DWORD size = sizeof(agent);
    if (InternetQueryOptionW(session, INTERNET_OPTION_USER_AGENT, agent, &size))
        setup.Agent.assign(agent, wcsnlen(agent, std::size(agent)));
    for (const DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD value = 0;
        size = sizeof(value);
        if (InternetQueryOptionW(session, option, &value, &size))
            setup.Options.emplace_back(option, value);
    }
    return setup;
}

HINTERNET OpenSession(const SESSION_SETUP& setup)
{
    HINTERNET session = InternetOpenW(setup.Agent.empty() ? nullptr : setup.Agent.c_str(),
                                      INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    for (auto [option, value] : setup.Options) {
        if (session)
            InternetSetOptionW(session, option, &value, sizeof(value));
    }
    return session;
}

HINTERNET Connect(HINTERNET session, const std::wstring& host, unsigned short port)
{
    if (!session)
        return nullptr;
    return InternetConnectW(session, host.c_str(), port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 1);
}

HINTERNET OpenUrl(HINTERNET session, const std::wstring& url)
{
    if (!session)
        return nullptr;
    return InternetOpenUrlW(session, url.c_str(), nullptr, 0, kGetFlags | INTERNET_FLAG_NO_CACHE_WRITE, 1);
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

DWORD Now()
{
    return GetTickCount();
}

// Reads the body as it arrives. A read of what the library says has arrived never waits for more
// than the first byte, so a slow server shows progress piece by piece and a silent one is noticed;
// but the library buffers only a few kilobytes, and each such read costs a few calls into the
// system. So once the server has delivered a whole buffer within `kFastReadMs` of waiting, whole
// buffers are read, each waiting until it is full; a whole read that takes longer goes back to
// reading what has arrived. (A read that waits for more could hold past the silence limit only if
// the server fell at once from that speed to below a hundredth of it.)
class CArrivalReader {
public:
    static constexpr DWORD kFastReadMs = 100;

    // False when the read breaks off; no bytes at the end of the body.
    bool Read(HINTERNET request, char* buffer, DWORD* got)
    {
        const DWORD start = Now();
        if (m_whole) {
            if (!InternetReadFile(request, buffer, kReadBytes, got))
                return false;
            m_whole = Now() - start <= kFastReadMs;
            return true;
        }
        if (!ReadArrived(request, buffer, got))
            return false;
        m_bytes += *got;
        m_waitedMs += Now() - start;
        if (m_waitedMs > kFastReadMs || m_bytes >= kReadBytes) {
            m_whole = m_waitedMs <= kFastReadMs;
            m_bytes = m_waitedMs = 0;
        }
        return true;
    }

private:
    static bool ReadArrived(HINTERNET request, char* buffer, DWORD* got)
    {
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request, &available, 0, 0))
            return false;
        const DWORD wanted = std::min(std::max<DWORD>(available, 1), kReadBytes);
        return InternetReadFile(request, buffer, wanted, got) != FALSE;
    }

    bool m_whole = false;  // reading whole buffers
    DWORD m_bytes = 0;     // what the reads of arrived bytes brought since the last look at the speed
    DWORD m_waitedMs = 0;  // and how long they waited for it
};

}  // namespace

// The reader appends what it reads to `Arrived` and the owner takes it all at once, so a fast
// server's many small reads reach the owner in few large pieces (each piece costs the owner a
// wake-up, a write and its checks). Everything below `Lock` is shared; the events only wake.
struct CPieceReader::Shared {
    SESSION_SETUP Setup;  // of the caller's session
    std::wstring Url;  // or else the server and object below
    std::wstring Host;
    unsigned short Port = 0;
    std::string Object;
    CScopedHandle Ready{CreateEventW(nullptr, FALSE, FALSE, nullptr)};  // something new came
    CScopedHandle Room{CreateEventW(nullptr, FALSE, FALSE, nullptr)};   // the owner took, or let go
    std::atomic<bool> LetGo{false};

    std::mutex Lock;
    DWORD LastCame = Now();  // when the reader last handed anything: silence counts from here
    bool HeadersCame = false;
    DWORD Status = 0;
    DWORD Length = 0;
    std::vector<char> Arrived;
    PIECE Ending = PIECE::Headers;  // End or Failed once the reader has finished
};

CPieceReader::CPieceReader(HINTERNET session, const std::wstring& url) : m_shared(std::make_shared<Shared>())
{
    m_shared->Setup = SetupOf(session);
    m_shared->Url = url;
    Start();
}

CPieceReader::CPieceReader(HINTERNET session, const std::wstring& host, unsigned short port, const std::string& object)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->Setup = SetupOf(session);
    m_shared->Host = host;
    m_shared->Port = port;
    m_shared->Object = object;
    Start();
}

CPieceReader::~CPieceReader()
{
    LetGo();
}

void CPieceReader::Start()
{
    // The thread holds the shared state too, so it may outlive this reader.
    auto holder = std::make_unique<std::shared_ptr<Shared>>(m_shared);
    m_gone = true;
    if (!m_shared->Ready || !m_shared->Room)
        return;
    const CScopedHandle thread(CreateThread(nullptr, 0, ReadPieces, holder.get(), 0, nullptr));
    if (!thread)
        return;
    holder.release();
    m_gone = false;
}

DWORD WINAPI CPieceReader::ReadPieces(LPVOID parameter)
{
    const std::unique_ptr<std::shared_ptr<Shared>> holder(static_cast<std::shared_ptr<Shared>*>(parameter));
    Shared& shared = **holder;
    const bool byUrl = !shared.Url.empty();
    const CInternetHandle session(OpenSession(shared.Setup));
    const CInternetHandle connection(byUrl ? nullptr : Connect(session.Get(), shared.Host, shared.Port));
    const CInternetHandle request(byUrl ? OpenUrl(session.Get(), shared.Url) : SendGet(connection.Get(), shared.Object));
    {
        const std::lock_guard<std::mutex> hold(shared.Lock);
        shared.HeadersCame = static_cast<bool>(request);
        if (request) {
            shared.Status = QueryNumber(request.Get(), HTTP_QUERY_STATUS_CODE);
            shared.Length = QueryNumber(request.Get(), HTTP_QUERY_CONTENT_LENGTH);
        } else {
            shared.Ending = PIECE::Failed;
        }
    }
    SetEvent(shared.Ready.Get());
    std::vector<char> buffer(kReadBytes);
    CArrivalReader reader;
    while (request && !shared.LetGo) {
        DWORD got = 0;
        const bool read = reader.Read(request.Get(), buffer.data(), &got);
        if (!Hand(shared, !read ? PIECE::Failed : got == 0 ? PIECE::End : PIECE::Data, buffer.data(), got))
            break;
    }
    return 0;
}

bool CPieceReader::Hand(Shared& shared, PIECE kind, const char* bytes, DWORD count)
{
    bool wake = true;
    bool full = false;
    {
        const std::lock_guard<std::mutex> hold(shared.Lock);
        shared.LastCame = Now();
        if (kind == PIECE::Data) {
            // The owner is woken as the bytes reach the wake-up size; below it, it looks by itself.
            const size_t before = shared.Arrived.size();
            shared.Arrived.insert(shared.Arrived.end(), bytes, bytes + count);
            wake = before < kWakeBytes && shared.Arrived.size() >= kWakeBytes;
            full = shared.Arrived.size() >= kMaxAhead;
        } else {
            shared.Ending = kind;
        }
    }
    if (wake)
        SetEvent(shared.Ready.Get());
    if (full)
        WaitForSingleObject(shared.Room.Get(), INFINITE);
    return kind == PIECE::Data && !shared.LetGo;
}

CPieceReader::PIECE CPieceReader::Next(HANDLE stopEvent, DWORD silenceMs)
{
    if (m_gone)
        return PIECE::Failed;
    const HANDLE handles[] = {m_shared->Ready.Get(), stopEvent};
    const DWORD count = stopEvent ? 2 : 1;
    for (bool looked = false;; looked = true) {
        if (const auto taken = Take(looked))
            return *taken;
        if (looked && Silent(silenceMs)) {
            LetGo();
            return PIECE::Failed;
        }
        const DWORD woke = WaitForMultipleObjects(count, handles, FALSE, std::min(kLookMs, silenceMs));
        if (woke != WAIT_OBJECT_0 && woke != WAIT_TIMEOUT) {
            LetGo();
            return PIECE::Failed;
        }
    }
}

bool CPieceReader::Silent(DWORD silenceMs) const
{
    const std::lock_guard<std::mutex> hold(m_shared->Lock);
    return Now() - m_shared->LastCame >= silenceMs;
}

// What has come since the last call, if anything: first the headers, then the bytes read so far
// (once they fill a wake-up, or any once `anyBytes`), then how the reading ended.
std::optional<CPieceReader::PIECE> CPieceReader::Take(bool anyBytes)
{
    Shared& shared = *m_shared;
    bool hadNoRoom = false;
    std::optional<PIECE> taken;
    {
        const std::lock_guard<std::mutex> hold(shared.Lock);
        if (!m_headersTaken && (shared.HeadersCame || shared.Ending != PIECE::Headers)) {
            m_headersTaken = true;
            taken = shared.HeadersCame ? PIECE::Headers : PIECE::Failed;
        } else if (shared.Arrived.size() >= (anyBytes || shared.Ending != PIECE::Headers ? 1 : kWakeBytes)) {
            hadNoRoom = shared.Arrived.size() >= kMaxAhead;
            m_piece.swap(shared.Arrived);
            shared.Arrived.clear();
            taken = PIECE::Data;
        } else if (shared.Ending != PIECE::Headers) {
            taken = shared.Ending;
        }
    }
    if (hadNoRoom)
        SetEvent(shared.Room.Get());
    if (taken && *taken != PIECE::Headers && *taken != PIECE::Data)
        LetGo();
    return taken;
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
    return m_piece.data();
}

DWORD CPieceReader::Count() const
{
    return static_cast<DWORD>(m_piece.size());
}

void CPieceReader::LetGo()
{
    if (m_gone)
        return;
    m_gone = true;
    m_shared->LetGo = true;
    SetEvent(m_shared->Room.Get());
}
