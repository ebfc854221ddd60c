#include "ByteString.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

struct ByteString::Block {
    std::unique_ptr<uint8_t[]> data;
    int16_t length = 0;
    int16_t capacity = 0;
    uint16_t mark = 100;
    // Wider than the length: a 16-bit count would wrap after 65535 copies and free a block that is
    // still in use.
    uint32_t references = 1;
};

ByteString::Block* ByteString::MakeBlock(const uint8_t* bytes, int n, int capacity)
{
    auto block = std::make_unique<Block>();
    block->data = std::make_unique<uint8_t[]>(static_cast<size_t>(capacity));  // zero-filled
    if (bytes && n > 0)
        std::memcpy(block->data.get(), bytes, static_cast<size_t>(n));
    block->length = static_cast<int16_t>(n);
    block->capacity = static_cast<int16_t>(capacity);
    return block.release();
}

ByteString::ByteString(const uint8_t* bytes, int n)
{
    if (n >= 0 && n <= kMaxLength)
        m_block = MakeBlock(bytes, n, std::max(n, kMinCapacity));
}

ByteString::ByteString(const ByteString& other) : m_block(other.m_block)
{
    if (m_block)
        ++m_block->references;
}

ByteString::ByteString(ByteString&& other) noexcept : m_block(std::exchange(other.m_block, nullptr)) {}

ByteString::~ByteString() { Release(); }

ByteString& ByteString::operator=(const ByteString& other)
{
    if (m_block == other.m_block)
        return *this;
    Block* const shared = other.m_block;
    if (shared)
        ++shared->references;
    Release();
    m_block = shared;
    return *this;
}

ByteString& ByteString::operator=(ByteString&& other) noexcept
{
    if (this != &other) {
        Release();
        m_block = std::exchange(other.m_block, nullptr);
    }
    return *this;
}

void ByteString::Release()
{
    Block* const block = std::exchange(m_block, nullptr);
    if (block && --block->references == 0)
        delete block;
}

void ByteString::Detach()
{
    if (!m_block || m_block->references == 1)
        return;
    Block* const copy = MakeBlock(m_block->data.get(), m_block->capacity, m_block->capacity);
    copy->length = m_block->length;
    --m_block->references;
    m_block = copy;
}

int ByteString::Assign(const uint8_t* bytes, int n)
{
    if (n < 0 || n > kMaxLength)
        return 0;
    // The bytes may lie in this string's own storage, which is zero-filled or replaced below.
    std::unique_ptr<uint8_t[]> own;
    if (bytes && m_block && bytes >= m_block->data.get() && bytes < m_block->data.get() + m_block->capacity) {
        own = std::make_unique<uint8_t[]>(static_cast<size_t>(n));
        std::memcpy(own.get(), bytes, static_cast<size_t>(n));
        bytes = own.get();
    }
    if (!m_block) {
        m_block = MakeBlock(bytes, n, std::max(n, kMinCapacity));
        return n;
    }
    Detach();
    if (m_block->capacity < n) {
        m_block->data = std::make_unique<uint8_t[]>(static_cast<size_t>(n));
        m_block->capacity = static_cast<int16_t>(n);
    } else {
        std::memset(m_block->data.get(), 0, static_cast<size_t>(m_block->capacity));
    }
    if (bytes && n > 0)
        std::memcpy(m_block->data.get(), bytes, static_cast<size_t>(n));
    m_block->length = static_cast<int16_t>(n);
    return n;
}

bool ByteString::IsEqual(const ByteString& other) const
{
    if (!m_block || !other.m_block)
        return !m_block && !other.m_block;
    if (m_block == other.m_block)
        return true;
    return m_block->length == other.m_block->length &&
           std::memcmp(m_block->data.get(), other.m_block->data.get(), static_cast<size_t>(m_block->length)) == 0;
}

int16_t ByteString::GetLength() const { return m_block ? m_block->length : int16_t{0}; }

int16_t ByteString::GetCapacity() const { return m_block ? m_block->capacity : int16_t{-1}; }

const uint8_t* ByteString::GetData() const { return m_block ? m_block->data.get() : nullptr; }

bool ByteString::IsEmpty() const { return !m_block || m_block->length < 1; }

uint8_t ByteString::GetAt(uint16_t index) const
{
    if (!m_block || !m_block->data || index >= m_block->length)
        return 0;
    return m_block->data[index];
}

int ByteString::CopyTo(uint8_t* buffer, int start, int count) const
{
    start = std::max(start, 0);
    if (!m_block || !buffer || start >= m_block->length)
        return 0;
    const int available = m_block->length - start;
    const int copied = (count < 0 || count > available) ? available : count;
    std::memcpy(buffer, m_block->data.get() + start, static_cast<size_t>(copied));
    return copied;
}
