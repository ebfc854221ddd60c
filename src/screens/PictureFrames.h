#pragma once
// The picture screen's request (command 90) in the exchange block, and where its marker points lie.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"

namespace picture {
constexpr size_t kMaxMarkers = 10;
constexpr int kMarkerReach = 5;  // a marker is drawn and hit this far around its point
constexpr uint8_t kMarkerAnswer = 0x80;
}  // namespace picture

struct PICTURE_POINT {
    int x = 0;
    int y = 0;
};

struct PICTURE_REQUEST {
    uint16_t typeWord = 0;
    std::string fileName;  // relative to the vehicle-software folder
    std::string title;     // empty: the screen's own title
    std::vector<PICTURE_POINT> markers;  // in percent of the picture area; at most 10
};

// Reads a request; a marker count above 10 counts as 10, and points the frame area does not hold are
// left out.
PICTURE_REQUEST ParsePictureRequest(ExchangeBlock block);

// The markers in pixels of an area of the given size (truncating toward zero).
std::vector<PICTURE_POINT> PlaceMarkers(const std::vector<PICTURE_POINT>& percent, int width, int height);

// The first marker within reach of the point, in point order.
std::optional<size_t> HitMarker(const std::vector<PICTURE_POINT>& markers, PICTURE_POINT point);
