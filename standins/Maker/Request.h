#pragma once
// One request frame of the diagnostic program: length (big-endian), command code, option byte,
// then the payload.
#include <cstdint>
#include <string>
#include <vector>

class CRequest {
public:
    explicit CRequest(uint8_t command, uint8_t option = 0) : m_bytes{0, 0, command, option} {}

    CRequest& Text(const std::string& text);
    CRequest& Byte(uint8_t value);
    CRequest& BE16(uint16_t value);
    CRequest& Bytes(const std::vector<uint8_t>& bytes);
    // A text in a field of `width` bytes: cut, or padded with zero bytes.
    CRequest& Field(const std::string& text, size_t width);

    // A frame given whole, its length field as it stands (true or not).
    static CRequest Raw(const std::vector<uint8_t>& bytes);
    // Writes the frame with its length into the block.
    void WriteTo(uint8_t* block) const;

private:
    std::vector<uint8_t> m_bytes;
    bool m_rawLength = false;
};
