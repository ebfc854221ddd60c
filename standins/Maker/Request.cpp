#include "Request.h"

#include <algorithm>

#include "ShellLink.h"

CRequest& CRequest::Text(const std::string& text)
{
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    m_bytes.push_back(0);
    return *this;
}

CRequest& CRequest::Byte(uint8_t value)
{
    m_bytes.push_back(value);
    return *this;
}

CRequest& CRequest::BE16(uint16_t value)
{
    m_bytes.push_back(static_cast<uint8_t>(value >> 8));
    m_bytes.push_back(static_cast<uint8_t>(value));
    return *this;
}

CRequest& CRequest::Bytes(const std::vector<uint8_t>& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

CRequest& CRequest::Field(const std::string& text, size_t width)
{
    for (size_t i = 0; i < width; ++i)
        m_bytes.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    return *this;
}

CRequest CRequest::Raw(const std::vector<uint8_t>& bytes)
{
    CRequest request(0);
    request.m_bytes = bytes;
    request.m_rawLength = true;
    return request;
}

void CRequest::WriteTo(uint8_t* block) const
{
    const size_t length = std::min(m_bytes.size(), kMailboxOffset);
    std::copy_n(m_bytes.begin(), length, block);
    if (m_rawLength)
        return;
    block[0] = static_cast<uint8_t>(length >> 8);
    block[1] = static_cast<uint8_t>(length);
}
