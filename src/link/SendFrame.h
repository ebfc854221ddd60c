#pragma once
// The byte pieces the vehicle interface is to send to the control unit (a keep-alive frame, an
// automatic answer, a request), and the layout in which they travel inside a command message:
// per piece [n][n bytes][control], the control cut to its low 8 bits. A piece longer than one
// length byte can count is refused, never sent with its length cut.
#include <cstdint>
#include <vector>

#include "ByteString.h"

struct SendPiece {
    ByteString bytes;
    int16_t control = 1;
};

class CSendFrame {
public:
    static constexpr int kMaxPieceBytes = 255;

    CSendFrame() = default;

    // The control value new pieces get; returns the previous one. Process-wide, 1 at start.
    static int16_t SetDefaultControl(int16_t control);

    // Writes the piece list at `buffer` and returns its size, which stays below `room`; 0 and
    // nothing written for an empty list. A list that needs `room` bytes or more, or that holds a
    // piece of more than kMaxPieceBytes, throws CEcuCommException (code 6) and writes nothing.
    int PutCmdDataToBuffer(uint8_t* buffer, int room) const;

    void SetPiece(const ByteString& bytes);
    void AddPiece(const ByteString& bytes);
    // One item is one piece; more are read in pairs (bytes, then the control value in the first
    // byte of the next item). An odd last item becomes a piece with the default control.
    void SetPieces(const std::vector<ByteString>& items);
    void AddPieces(const std::vector<ByteString>& items);
    void Assign(const CSendFrame& frame);
    void Append(const CSendFrame& frame);
    uint16_t AppendCounted(const CSendFrame& frame);
    void AddPieceIfNotEmpty(const SendPiece& piece);
    // Appends the pieces of the command record `key` of the software folder's "_CMD.DB". False,
    // with the list unchanged, when the database does not open or the record holds nothing.
    bool LoadFromCommandDb(const ByteString& key);

    int GetPieceCount() const { return static_cast<int>(m_pieces.size()); }
    const std::vector<SendPiece>& GetPieces() const { return m_pieces; }

private:
    std::vector<SendPiece> m_pieces;
};
