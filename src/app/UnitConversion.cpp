#include "UnitConversion.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>

#include "ProcessValues.h"

const UNIT_CONVERSION_ROW g_UnitTable[12] = {
    {L"deg C", L"deg F", 0},      {L"\u2103", L"deg F", 0},  {L"\u00B0C", L"deg F", 0},
    {L"deg C", L"\u00B0F", 0},    {L"degC", L"deg F", 0},    {L"kPa", L"Bar", 0.01},
    {L"hPa", L"Bar", 0.001},      {L"cm", L"inch", 0.3937},  {L"m", L"feet", 3.2808},
    {L"m/h", L"feet/h", 3.2808},  {L"km", L"mile", 0.6214},  {L"km/h", L"mph", 0.6214},
};

namespace {

constexpr int kBritish = 1;
constexpr int kMaxDecimals = 10;

std::wstring Trim(const std::wstring& text)
{
    const wchar_t* blanks = L" \t\r\n\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

wchar_t FoldAscii(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool EqualsIgnoringCase(const std::wstring& a, const wchar_t* b)
{
    const std::wstring other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

// The row whose name on the side we convert from matches the unit.
const UNIT_CONVERSION_ROW* FindRow(const std::wstring& unit, int unitMode)
{
    for (const UNIT_CONVERSION_ROW& row : g_UnitTable) {
        if (EqualsIgnoringCase(unit, unitMode == kBritish ? row.metricName : row.britishName))
            return &row;
    }
    return nullptr;
}

// The number at the start of a text ("12.5 V" reads 12.5); nothing when it does not start with one.
std::optional<double> ReadLeadingNumber(const std::wstring& text)
{
    std::string ascii;
    for (wchar_t c : text)
        ascii.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    const bool hasPlus = !ascii.empty() && ascii[0] == '+';
    const char* begin = ascii.data() + (hasPlus ? 1 : 0);
    const char* end = ascii.data() + ascii.size();
    // Only a digit or a point may start a reading: no "inf" or "nan" from a device's status text.
    const char* digits = (begin < end && *begin == '-') ? begin + 1 : begin;
    if (digits == end || !(std::isdigit(static_cast<unsigned char>(*digits)) || *digits == '.'))
        return std::nullopt;
    double number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number, std::chars_format::general);
    if (error != std::errc() || stop == begin)
        return std::nullopt;
    return number;
}

// Decimals that the Part's rule gives from the input text: the characters from the point to the end.
int DecimalsFromText(const std::wstring& value, bool toBritish)
{
    const size_t point = value.find(L'.');
    if (point == std::wstring::npos)
        return 0;
    const int fromPoint = static_cast<int>(std::min<size_t>(value.size() - point, kMaxDecimals + 2));
    return std::clamp(toBritish ? fromPoint : fromPoint - 2, 0, kMaxDecimals);
}

// The fewest decimals that still show the number exactly (up to the noise of binary floating point),
// at most kMaxDecimals.
int DecimalsShowingExactly(double number)
{
    const double tolerance = 1e-12 * std::max(1.0, std::fabs(number));
    double scale = 1;
    for (int decimals = 0; decimals < kMaxDecimals; ++decimals, scale *= 10) {
        if (std::fabs(std::round(number * scale) / scale - number) <= tolerance)
            return decimals;
    }
    return kMaxDecimals;
}

std::wstring FormatFixed(double number, int decimals)
{
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, number);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, number);
    text.resize(static_cast<size_t>(length));
    return std::wstring(text.begin(), text.end());
}

}  // namespace

std::wstring ConvertValueByUnit(const std::wstring& unit, const std::wstring& value, int unitMode)
{
    const UNIT_CONVERSION_ROW* row = FindRow(Trim(unit), unitMode);
    if (!row)
        return value;
    const std::wstring text = Trim(value);
    const std::optional<double> number = ReadLeadingNumber(text);
    if (!number)
        return value;

    const bool toBritish = unitMode == kBritish;
    const bool temperature = row->factor == 0;
    double converted;
    if (temperature)
        converted = toBritish ? *number * 9 / 5 + 32 : (*number - 32) * 5 / 9;
    else
        converted = toBritish ? *number * row->factor : *number / row->factor;

    int decimals = DecimalsFromText(text, toBritish);
    // A whole number that shrinks (300 kPa is 3 Bar, 230 kPa is 2.3 Bar) keeps the decimals it needs;
    // otherwise 40 kPa would read "0" Bar.
    const double multiplier = toBritish ? row->factor : 1 / row->factor;
    if (text.find(L'.') == std::wstring::npos && !temperature && multiplier < 1)
        decimals = DecimalsShowingExactly(converted);
    return FormatFixed(converted, decimals);
}

std::wstring ConvertValueByUnit(const std::wstring& unit, const std::wstring& value)
{
    return ConvertValueByUnit(unit, value, ResGetUnitMode());
}

std::wstring ConvertUnitName(const std::wstring& unit, int unitMode)
{
    const std::wstring name = Trim(unit);
    if (const UNIT_CONVERSION_ROW* row = FindRow(name, unitMode))
        return unitMode == kBritish ? row->britishName : row->metricName;

    static const struct {
        const wchar_t* sign;
        const wchar_t* words;
    } kDegreeWords[] = {
        {L"\u2103", L"deg C"},   {L"\u00B0C", L"deg C"},       {L"\u00B0F", L"deg F"},
        {L"\u00B0", L"deg"},     {L"\u00B0/s", L"deg/s"},      {L"\u00B0kw", L"deg kw"},
        {L"<\u00B0", L"< deg"},  {L"\u00B0n.OT", L"deg n.OT"}, {L"\u00B0v.OT", L"deg v.OT"},
    };
    for (const auto& entry : kDegreeWords) {
        if (name == entry.sign)
            return entry.words;
    }
    return name;
}

std::wstring ConvertUnitName(const std::wstring& unit)
{
    return ConvertUnitName(unit, ResGetUnitMode());
}
