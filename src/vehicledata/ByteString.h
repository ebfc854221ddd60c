#pragma once
#include <cstdint>

// A counted run of bytes (zero bytes are ordinary data) whose storage is shared between copies and
// duplicated only when a shared string is changed. Database keys and record items travel in it, and
// lists of them are passed by value, so a copy costs one counter increment.
//
// The empty string (no block) and a block of length 0 are different states: IsEqual tells them
// apart, most other operations treat them alike. Lengths are 16-bit: data longer than kMaxLength
// is refused rather than wrapped. Used by one thread at a time; the count is not atomic.
class ByteString {
public:
    static constexpr int kMaxLength = 32767;
    static constexpr int kMinCapacity = 6;

    ByteString() = default;
    // A new block holding the n bytes, with room for max(n, 6). Empty when n is negative or above
    // kMaxLength. Null bytes with a positive n give n zero bytes.
    ByteString(const uint8_t* bytes, int n);
    ByteString(const ByteString& other);
    ByteString(ByteString&& other) noexcept;
    ~ByteString();

    // Sharing assignment: afterwards both strings use one block.
    ByteString& operator=(const ByteString& other);
    ByteString& operator=(ByteString&& other) noexcept;

    // Gives up this string's share of its block; the string becomes empty.
    void Release();

    // Replaces the contents, detaching a shared block first. Storage grows to exactly n when it is
    // too small and is otherwise zero-filled and reused. Returns n; 0, with the string unchanged,
    // when n is negative or above kMaxLength.
    int Assign(const uint8_t* bytes, int n);

    bool IsEqual(const ByteString& other) const;
    int16_t GetLength() const;
    int16_t GetCapacity() const;  // -1 for the empty string
    const uint8_t* GetData() const;  // null for the empty string
    bool IsEmpty() const;

    // The byte at `index`. An index at or past the length, and any index of the empty string,
    // gives 0: a byte the string does not hold is never read, not even from its spare capacity.
    uint8_t GetAt(uint16_t index) const;
    uint8_t operator[](uint16_t index) const { return GetAt(index); }

    // Copies from start up to count bytes (a negative count: up to the end) into buffer; a negative
    // start counts as 0. Returns the number of bytes copied.
    int CopyTo(uint8_t* buffer, int start, int count) const;

private:
    struct Block;
    static Block* MakeBlock(const uint8_t* bytes, int n, int capacity);
    void Detach();

    Block* m_block = nullptr;
};
