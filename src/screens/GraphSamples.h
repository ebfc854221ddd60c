#pragma once
// The sample lists of the graph form: one list per table row, each a chain of nodes from the oldest
// sample to the newest that closes into a ring once the plot width is full, so a running curve
// reuses its oldest node instead of allocating. The live-data screen reaches the records directly.
#include <cstdint>

struct SAMPLE_NODE {
    char text[256] = {};
    int value = 0;
    short x = 0;
    short height = 0;
    SAMPLE_NODE* next = nullptr;
    SAMPLE_NODE* previous = nullptr;
};

struct GRAPH_RECORD {
    int marked = 0;
    int graphShown = 0;
    int graphUnavailable = 0;
    short textHeight = 23;
    int liveData1 = 0;   // kept for the live-data screen
    int liveData2 = 0;
    SAMPLE_NODE* oldest = nullptr;
    char maximumText[256] = {};
    char minimumText[256] = {};
    int maximum = 0;
    int minimum = 0;
    short capacity = 0;
    wchar_t valueText[256] = {};
    short sampleCount = 0;
    short drawnHeight = 23;
};

// Sample heights keep this distance from the band's bottom and top edges.
constexpr int kSampleMargin = 5;

// The value of a sample text: digits with an optional '.', and '-' only in front. A decimal text
// counts in units of its last digit ("12.34" gives 1234), so texts with different numbers of
// decimals do not compare as their numbers do; that is how the curves have always been scaled.
// 0 for a null text, -1 for any other character. Out-of-range values stop at the int limits.
int ParseSampleText(const char* text);

// Adds a sample to a row's list. `capacity` is the plot width in pixels and `bandHeight` the height
// of the row's graph band. Null, and nothing changes, for a null text, a text of one space, or when
// no node can be allocated; otherwise the node that holds the new sample.
SAMPLE_NODE* AppendSampleToRecord(GRAPH_RECORD& record, const char* text, int capacity, int bandHeight);

// The plotted height of a value between the row's minimum and maximum.
short SampleHeight(int value, int minimum, int maximum, int bandHeight);

// Frees the row's nodes and forgets them (sample count 0).
void FreeSamples(GRAPH_RECORD& record);

// The x offset of the curve's next point after one at `offset`: close together once the curve is
// past the first stretch of the plot.
int NextSampleOffset(int offset);

// Copies a narrow text into a 256-byte field, cut to 255 bytes and terminated.
void CopySampleText(char (&field)[256], const char* text);
