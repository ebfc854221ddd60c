#include "DbItem.h"

#include "VehicleDataTables.h"

namespace {

uint8_t SwapHalves(uint8_t value) { return static_cast<uint8_t>((value << 4) | (value >> 4)); }

uint8_t KeyByte(size_t i) { return static_cast<uint8_t>(kDbItemKey[i % kDbItemKeyLength]); }

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

}  // namespace

ByteString UnscrambleDbItem(uint8_t* bytes, size_t length)
{
    if (!bytes)
        return length == 0 ? ByteString(nullptr, 0) : ByteString();
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<uint8_t>(~SwapHalves(static_cast<uint8_t>(bytes[i] ^ KeyByte(i))));
    if (length > static_cast<size_t>(ByteString::kMaxLength))
        return ByteString();
    return ByteString(bytes, static_cast<int>(length));
}

void ScrambleDbItem(uint8_t* bytes, size_t length)
{
    if (!bytes)
        return;
    for (size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<uint8_t>(SwapHalves(static_cast<uint8_t>(~bytes[i])) ^ KeyByte(i));
}

int HexToBytes(uint8_t* bytes, const wchar_t* text, int count)
{
    if (!bytes || !text)
        return 0;
    for (int i = 0; i < count; ++i) {
        // A zero ends the text: the second digit is looked at only when the first was one.
        const int high = HexDigit(text[2 * i]);
        if (high < 0)
            return 0;
        const int low = HexDigit(text[2 * i + 1]);
        if (low < 0)
            return 0;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return 1;
}
