#include "GraphSamples.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <new>

namespace {

constexpr int kFirstSampleHeight = kSampleMargin;

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}

// Texts come from the diagnostic program and may hold any number of digits: the value is formed in
// double and only then brought into the int range.
int ClampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);  // truncates towards zero
}

// Walks a list from its oldest node to its newest; a ring is left where it comes back round.
template <typename Visit>
void ForEachSample(const GRAPH_RECORD& record, Visit visit)
{
    SAMPLE_NODE* node = record.oldest;
    while (node) {
        SAMPLE_NODE* next = node->next;
        visit(*node);
        if (next == record.oldest)
            break;
        node = next;
    }
}

void Rescale(GRAPH_RECORD& record, int bandHeight)
{
    ForEachSample(record, [&](SAMPLE_NODE& node) {
        node.height = SampleHeight(node.value, record.minimum, record.maximum, bandHeight);
    });
}

}  // namespace

int ParseSampleText(const char* text)
{
    if (!text)
        return 0;
    const size_t length = std::strlen(text);
    for (size_t i = 0; i < length; ++i) {
        const char character = text[i];
        if (!IsDigit(character) && character != '.' && !(character == '-' && i == 0))
            return -1;
    }
    const bool negative = length > 0 && text[0] == '-';
    const char* dot = std::strchr(text, '.');
    if (!dot || dot == text) {
        // The integer value of the text: its leading digits (none before a leading '.').
        double value = 0;
        for (const char* p = text + (negative ? 1 : 0); IsDigit(*p); ++p)
            value = value * 10 + (*p - '0');
        return ClampToInt(negative ? -value : value);
    }
    // The number the text starts with (up to a second '.'), scaled by ten for every character
    // after the first '.'. Accumulating the digits gives the exact result for any text that fits.
    double mantissa = 0;
    size_t fractionDigitsUsed = 0;
    for (const char* p = text + (negative ? 1 : 0); IsDigit(*p); ++p)
        mantissa = mantissa * 10 + (*p - '0');
    for (const char* p = dot + 1; IsDigit(*p); ++p) {
        mantissa = mantissa * 10 + (*p - '0');
        ++fractionDigitsUsed;
    }
    if (mantissa == 0)
        return 0;
    const size_t fractionCharacters = length - static_cast<size_t>(dot - text) - 1;
    const double scaled = mantissa * std::pow(10.0, static_cast<double>(fractionCharacters - fractionDigitsUsed));
    return ClampToInt(negative ? -scaled : scaled);
}

short SampleHeight(int value, int minimum, int maximum, int bandHeight)
{
    if (value == minimum)
        return static_cast<short>(kSampleMargin);
    if (value == maximum)
        return static_cast<short>(bandHeight - kSampleMargin);
    if (maximum == minimum)
        return static_cast<short>(kSampleMargin);
    // In floating point: a span narrower than the band would give an integer scale of 0, and a span
    // of the whole int range does not fit an int.
    const double span = static_cast<double>(maximum) - static_cast<double>(minimum);
    double height = (static_cast<double>(value) - static_cast<double>(minimum)) * bandHeight / span;
    if (height < 0)
        height = 0;
    if (height > bandHeight)
        height = bandHeight;
    return static_cast<short>(height);
}

int NextSampleOffset(int offset)
{
    return offset + (offset <= 319 ? 8 : 4);
}

void CopySampleText(char (&field)[256], const char* text)
{
    size_t length = 0;
    while (length < sizeof(field) - 1 && text[length])
        ++length;
    std::memcpy(field, text, length);
    field[length] = '\0';
}

SAMPLE_NODE* AppendSampleToRecord(GRAPH_RECORD& record, const char* text, int capacity, int bandHeight)
{
    if (!text || std::strcmp(text, " ") == 0)
        return nullptr;
    record.capacity = static_cast<short>(capacity < SHRT_MIN ? SHRT_MIN : capacity > SHRT_MAX ? SHRT_MAX : capacity);

    SAMPLE_NODE* node = nullptr;
    if (!record.oldest) {
        node = new (std::nothrow) SAMPLE_NODE;
        if (!node)
            return nullptr;
        node->previous = node;  // the oldest's previous link always names the newest
        record.oldest = node;
        record.sampleCount = 1;
        CopySampleText(node->text, text);
        node->value = ParseSampleText(node->text);
        node->height = static_cast<short>(kFirstSampleHeight);
        record.maximum = record.minimum = node->value;
        CopySampleText(record.maximumText, node->text);
        CopySampleText(record.minimumText, node->text);
        return node;
    }

    // Walk the plot from the oldest sample: the list is full once its points reach the plot width.
    bool full = false;
    int offset = 0;
    for (SAMPLE_NODE* walk = record.oldest;;) {
        offset = NextSampleOffset(offset);
        if (offset >= capacity) {
            full = true;
            break;
        }
        walk = walk->next;
        if (!walk || walk == record.oldest)
            break;
    }

    SAMPLE_NODE* newest = record.oldest->previous;
    if (!full) {
        node = new (std::nothrow) SAMPLE_NODE;
        if (!node)
            return nullptr;
        node->previous = newest;
        node->next = newest->next;  // null, or the oldest in a ring that may grow again
        newest->next = node;
        record.oldest->previous = node;
        if (record.sampleCount < SHRT_MAX)
            ++record.sampleCount;
    } else {
        if (!newest->next)
            newest->next = record.oldest;  // the list becomes a ring
        node = record.oldest;
        record.oldest = node->next;
    }
    CopySampleText(node->text, text);
    node->value = ParseSampleText(node->text);

    bool rescale = false;
    if (node->value > record.maximum) {
        record.maximum = node->value;
        CopySampleText(record.maximumText, node->text);
        rescale = true;
    }
    if (node->value < record.minimum) {
        record.minimum = node->value;
        CopySampleText(record.minimumText, node->text);
        rescale = true;
    }
    if (rescale)
        Rescale(record, bandHeight);
    else
        node->height = SampleHeight(node->value, record.minimum, record.maximum, bandHeight);
    return node;
}

void FreeSamples(GRAPH_RECORD& record)
{
    SAMPLE_NODE* node = record.oldest;
    record.oldest = nullptr;
    record.sampleCount = 0;
    if (node && node->previous)
        node->previous->next = nullptr;  // a ring is opened where it closes
    while (node) {
        SAMPLE_NODE* next = node->next;
        delete node;
        node = next;
    }
}
