#include "PictureFrames.h"

#include <algorithm>
#include <cstdlib>

#include "ExchangeFrames.h"

namespace {

constexpr size_t kTypeOffset = 4;
constexpr size_t kFileNameOffset = 6;
constexpr size_t kPointSize = 4;

}  // namespace

PICTURE_REQUEST ParsePictureRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    PICTURE_REQUEST request;
    request.typeWord = reader.BE16(kTypeOffset);
    size_t offset = kFileNameOffset;
    request.fileName = reader.Text(offset);
    request.title = reader.Text(offset);
    const size_t count = std::min<size_t>(reader.U8(offset), picture::kMaxMarkers);
    ++offset;
    for (size_t i = 0; i < count && offset + kPointSize <= exchange::kMailboxOffset; ++i, offset += kPointSize)
        request.markers.push_back({reader.BE16(offset), reader.BE16(offset + 2)});
    return request;
}

std::vector<PICTURE_POINT> PlaceMarkers(const std::vector<PICTURE_POINT>& percent, int width, int height)
{
    std::vector<PICTURE_POINT> placed;
    for (const PICTURE_POINT& point : percent)
        placed.push_back({point.x * width / 100, point.y * height / 100});
    return placed;
}

std::optional<size_t> HitMarker(const std::vector<PICTURE_POINT>& markers, PICTURE_POINT point)
{
    for (size_t i = 0; i < markers.size(); ++i) {
        if (std::abs(point.x - markers[i].x) <= picture::kMarkerReach &&
            std::abs(point.y - markers[i].y) <= picture::kMarkerReach)
            return i;
    }
    return std::nullopt;
}
