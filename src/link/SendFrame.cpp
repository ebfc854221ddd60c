#include "SendFrame.h"

#include <cstring>

#include "DbFile.h"
#include "EcuCommException.h"

namespace {

int16_t g_defaultControl = 1;

[[noreturn]] void ThrowNoRoom()
{
    ThrowEcuNoRoom(L"CSendFrame::PutCmdDataToBuffer");
}

}  // namespace

int16_t CSendFrame::SetDefaultControl(int16_t control)
{
    const int16_t previous = g_defaultControl;
    g_defaultControl = control;
    return previous;
}

int CSendFrame::PutCmdDataToBuffer(uint8_t* buffer, int room) const
{
    if (m_pieces.empty())
        return 0;
    int64_t total = 0;
    for (const SendPiece& piece : m_pieces) {
        if (piece.bytes.GetLength() > kMaxPieceBytes)
            ThrowNoRoom();
        total += 2 + piece.bytes.GetLength();
    }
    if (total >= room)
        ThrowNoRoom();
    uint8_t* at = buffer;
    for (const SendPiece& piece : m_pieces) {
        const uint8_t count = static_cast<uint8_t>(piece.bytes.GetLength());
        *at++ = count;
        piece.bytes.CopyTo(at, 0, count);
        at += count;
        *at++ = static_cast<uint8_t>(piece.control);
    }
    return static_cast<int>(total);
}

void CSendFrame::SetPiece(const ByteString& bytes)
{
    m_pieces.clear();
    AddPiece(bytes);
}

void CSendFrame::AddPiece(const ByteString& bytes)
{
    m_pieces.push_back({bytes, g_defaultControl});
}

void CSendFrame::SetPieces(const std::vector<ByteString>& items)
{
    m_pieces.clear();
    AddPieces(items);
}

void CSendFrame::AddPieces(const std::vector<ByteString>& items)
{
    if (items.size() == 1) {
        AddPiece(items.front());
        return;
    }
    for (size_t i = 0; i < items.size(); i += 2) {
        if (i + 1 == items.size()) {
            AddPiece(items[i]);
            break;
        }
        // An empty control item gives the default control rather than a byte it does not hold.
        const ByteString& control = items[i + 1];
        const int16_t value = control.GetLength() > 0 ? control.GetData()[0] : g_defaultControl;
        m_pieces.push_back({items[i], value});
    }
}

void CSendFrame::Assign(const CSendFrame& frame)
{
    if (&frame == this)
        return;
    m_pieces = frame.m_pieces;
}

void CSendFrame::Append(const CSendFrame& frame)
{
    const std::vector<SendPiece> pieces = frame.m_pieces;  // a frame may be appended to itself
    m_pieces.insert(m_pieces.end(), pieces.begin(), pieces.end());
}

uint16_t CSendFrame::AppendCounted(const CSendFrame& frame)
{
    const auto count = static_cast<uint16_t>(frame.m_pieces.size());
    Append(frame);
    return count;
}

void CSendFrame::AddPieceIfNotEmpty(const SendPiece& piece)
{
    if (piece.bytes.GetLength() > 0)
        m_pieces.push_back(piece);
}

bool CSendFrame::LoadFromCommandDb(const ByteString& key)
{
    CDbFile database;
    if (!database.OpenPart(0))
        return false;
    const std::vector<ByteString> items = database.ReadRecord(key);
    database.Close();
    if (items.empty())
        return false;
    AddPieces(items);
    return true;
}
