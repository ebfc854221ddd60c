#include "DemoRequests.h"

#include <algorithm>

std::vector<uint8_t> DemoKey(uint16_t id)
{
    return {0, 0, 0, 0, static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id)};
}

CRequest MenuRequest(int selection, int firstRow, const std::string& title, const std::vector<std::string>& items)
{
    CRequest request(0);
    request.BE16(static_cast<uint16_t>(selection)).BE16(static_cast<uint16_t>(firstRow));
    request.BE16(static_cast<uint16_t>(items.size())).Text(title);
    for (const auto& item : items)
        request.Text(item);
    return request;
}

CRequest DtcRequest(const std::string& title, const std::vector<DTC_ENTRY>& codes, bool texts)
{
    CRequest request(10, texts ? 0x80 : 0x00);
    request.BE16(static_cast<uint16_t>(codes.size())).Text(title);
    for (const DTC_ENTRY& code : codes) {
        if (texts) {
            request.Text(code.code).Text(code.description).Text(code.status);
            continue;
        }
        request.Bytes(DemoKey(code.key)).Text(code.status);
        if (!code.displayCode.empty())
            request.Text(code.displayCode);
    }
    return request;
}

CRequest MessageRequest(uint16_t type, const std::string& text, const std::string& title)
{
    return CRequest(60).BE16(type).Text(text).Text(title);
}

CRequest ProgressRequest(int percent, const std::string& text, bool textIsTitle)
{
    return CRequest(80).Byte(static_cast<uint8_t>(std::clamp(percent, 0, 100))).Text(text).Byte(textIsTitle ? 1 : 0);
}

CRequest SelectionRequest(const std::string& title, const std::vector<std::string>& items, int preselected,
                          const std::string& status)
{
    CRequest request(40, 0);
    request.BE16(static_cast<uint16_t>(items.size())).BE16(0).Text(title);
    for (const std::string& item : items)
        request.Text(item);
    std::vector<uint8_t> bits((items.size() + 7) / 8, 0);
    for (int row = 0; row < preselected && row < static_cast<int>(items.size()); ++row)
        bits[static_cast<size_t>(row) / 8] |= static_cast<uint8_t>(0x80 >> (row % 8));
    request.Bytes(bits).BE16(static_cast<uint16_t>(preselected)).Text(status);
    return request;
}

CRequest LiveDataRequest(const std::string& title, const std::vector<ID_VALUE>& items)
{
    CRequest request(20, 0x00);
    request.Byte(0).Byte(0).BE16(static_cast<uint16_t>(items.size())).Text("").Text(title);
    for (const ID_VALUE& item : items)
        request.Bytes(DemoKey(item.id)).Text(item.value);
    return request;
}

CRequest ActuatorRequest(const std::string& title, const std::vector<std::string>& buttons, const std::vector<ID_VALUE>& rows,
                         bool waits, const std::string& help)
{
    CRequest request(30, waits ? 0xFF : 0x00);
    request.BE16(static_cast<uint16_t>(buttons.size())).Text(title);
    for (const std::string& caption : buttons)
        request.Field(caption, 6).Byte(0);
    request.Byte(0).BE16(static_cast<uint16_t>(rows.size()));
    for (const ID_VALUE& row : rows)
        request.Bytes(DemoKey(row.id)).Text(row.value);
    if (!help.empty())
        request.Text(help);
    return request;
}

CRequest SpecialFunctionRequest(const std::string& title, const std::vector<uint16_t>& buttons,
                                const std::vector<ID_VALUE>& rows, const std::string& text, bool update)
{
    CRequest request(110, update ? 0x80 : 0x00);
    request.BE16(static_cast<uint16_t>(buttons.size())).Text(title);
    for (uint16_t key : buttons)
        request.Bytes(DemoKey(key)).Byte(0);
    request.Byte(0).BE16(static_cast<uint16_t>(rows.size()));
    for (const ID_VALUE& row : rows)
        request.Bytes(DemoKey(row.id)).Text(row.value);
    return request.Text(text).BE16(0).BE16(100).BE16(0);
}

CRequest InputRequest(const std::string& prompt, const std::string& title, const std::string& value, char type,
                      const std::string& minimum, const std::string& maximum)
{
    return CRequest(70).Text(prompt).Text(title).Text(value).Text(std::string(1, type)).Text(minimum).Text(maximum);
}

CRequest VersionRequest(const std::string& title, const std::vector<std::pair<std::string, std::string>>& pairs)
{
    CRequest request(50);
    request.BE16(static_cast<uint16_t>(pairs.size())).Text(title);
    for (const auto& [name, value] : pairs)
        request.Text(name).Text(value);
    return request;
}

CRequest ShortTestRequest(const std::string& title, const std::vector<std::pair<std::string, std::string>>& results)
{
    CRequest request(100);
    request.BE16(static_cast<uint16_t>(results.size())).Text(title).BE16(1);
    for (const auto& [name, result] : results)
        request.Text(name).Text(result);
    return request;
}

CRequest StatusListRequest(const std::string& title, const std::vector<std::string>& lines,
                           const std::vector<STATUS_KEY>& keys, const std::vector<STATUS_ROW>& page, int total,
                           int firstRow)
{
    CRequest request(120);
    request.BE16(static_cast<uint16_t>(keys.size())).BE16(5).Text(title);
    for (size_t i = 0; i < 4; ++i)
        request.Text(i < lines.size() ? lines[i] : std::string());
    for (const STATUS_KEY& key : keys)
        request.Text(key.caption).Byte(key.enabled ? 0x04 : 0x00);
    request.Byte(1).BE16(static_cast<uint16_t>(page.size())).BE16(static_cast<uint16_t>(total)).BE16(static_cast<uint16_t>(firstRow));
    for (const STATUS_ROW& row : page)
        request.Text(row.name).Text(row.unit).Text(row.value);
    return request;
}

CRequest PictureRequest(uint16_t type, const std::string& file, const std::string& title, const std::vector<MARKER>& markers)
{
    CRequest request(90);
    request.BE16(type).Text(file).Text(title).Byte(static_cast<uint8_t>(markers.size()));
    for (const MARKER& marker : markers)
        request.BE16(static_cast<uint16_t>(marker.x)).BE16(static_cast<uint16_t>(marker.y));
    return request;
}
