#pragma once
#include <windows.h>
#include <wininet.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Reads one URL's response on a thread of its own and hands over what has arrived, a piece at a time.
// Some internet libraries never time out a read from a server that has gone silent, whatever the
// session's time-outs say, and closing the request does not break such a read either. The owner
// therefore waits for every piece with its own stop event and silence limit; a reader stuck in a
// read is let go and ends by itself when the read returns, touching nothing of the owner's.
//
// The thread also works in an internet session of its own, set up like the caller's (agent and
// time-outs), and closes every handle it opened itself. Under the caller's session its handles
// would die with that session, which may be closed while the thread is still on its way out (the
// owner returns as soon as the last piece came); the library gives a freed handle's value to the
// next handle opened anywhere in the process, so the thread's late close would then close another
// request's session or connection.
class CPieceReader {
public:
    enum class PIECE { Headers, Data, End, Failed };

    // A GET of `url`, in a session set up like `session` (which may be closed before the reader ends).
    CPieceReader(HINTERNET session, const std::wstring& url);
    // A GET of `object` ("/path?query", sent as its bytes stand) from the HTTP server at host:port.
    CPieceReader(HINTERNET session, const std::wstring& host, unsigned short port, const std::string& object);
    ~CPieceReader();
    CPieceReader(const CPieceReader&) = delete;
    CPieceReader& operator=(const CPieceReader&) = delete;

    // What came next: first the headers (or Failed), then data pieces, then End or Failed.
    // Failed also when `stopEvent` is set or nothing came in `silenceMs`; the reader is then let go.
    // The bytes of a data piece stay valid until the next call.
    PIECE Next(HANDLE stopEvent, DWORD silenceMs);

    DWORD Status() const;  // the response's status, once its headers came
    DWORD Length() const;  // its announced length (0 when none)
    const char* Bytes() const;
    DWORD Count() const;

private:
    struct Shared;
    void Start();
    static DWORD WINAPI ReadPieces(LPVOID parameter);
    static bool Hand(Shared& shared, PIECE kind, const char* bytes, DWORD count);
    std::optional<PIECE> Take(bool anyBytes);
    bool Silent(DWORD silenceMs) const;
    void LetGo();

    std::shared_ptr<Shared> m_shared;
    std::vector<char> m_piece;  // the bytes handed last
    bool m_headersTaken = false;
    bool m_gone = false;
};
