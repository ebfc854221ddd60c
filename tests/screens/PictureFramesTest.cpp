#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ExchangeFrames.h"
#include "PictureFrames.h"
#include "VehicleDataPaths.h"

using namespace std::string_literals;

namespace {

class PictureFramesTest : public ::testing::Test {
protected:
    void Write(const std::string& bytes) { std::memcpy(memory.data(), bytes.data(), bytes.size()); }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

TEST_F(PictureFramesTest, ReadsTypeFileTitleAndMarkers)
{
    Write("\0\0\x5A\0\0\x44"s + "PIC\\plug.bmp\0"s + "Plug\0"s + "\x02"s + "\0\x32\0\x19"s + "\0\x64\0\0"s);
    const PICTURE_REQUEST request = ParsePictureRequest(block);
    EXPECT_EQ(request.typeWord, 0x44);
    EXPECT_EQ(request.fileName, "PIC\\plug.bmp");
    EXPECT_EQ(request.title, "Plug");
    ASSERT_EQ(request.markers.size(), 2u);
    EXPECT_EQ(request.markers[0].x, 50);
    EXPECT_EQ(request.markers[0].y, 25);
    EXPECT_EQ(request.markers[1].x, 100);
}

TEST_F(PictureFramesTest, AtMostTenMarkersAndNonePastTheFrameArea)
{
    Write("\0\0\x5A\0\0\x01"s + "a.bmp\0"s + "\0"s + "\xFF"s);
    EXPECT_EQ(ParsePictureRequest(block).markers.size(), picture::kMaxMarkers);

    std::fill(memory.begin(), memory.end(), 0x41);  // texts without terminators
    Write("\0\0\x5A\0\0\x01"s);
    const PICTURE_REQUEST request = ParsePictureRequest(block);
    EXPECT_TRUE(request.markers.empty());
    EXPECT_TRUE(request.title.empty());
}

TEST(PictureMarkers, PlacedInPixelsAndHitWithinFivePixels)
{
    const std::vector<PICTURE_POINT> placed = PlaceMarkers({{50, 25}, {33, 100}, {150, 0}}, 301, 200);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].x, 150);
    EXPECT_EQ(placed[0].y, 50);
    EXPECT_EQ(placed[1].x, 99) << "truncated";
    EXPECT_EQ(placed[2].x, 451) << "beyond 100 percent lies outside the area";

    EXPECT_EQ(HitMarker(placed, {155, 45}), std::optional<size_t>(0));
    EXPECT_EQ(HitMarker(placed, {156, 50}), std::nullopt) << "six pixels beside";
    EXPECT_EQ(HitMarker({{10, 10}, {12, 12}}, {12, 12}), std::optional<size_t>(0)) << "the first in point order";
}

TEST(PicturePaths, StayInTheSoftwareFolder)
{
    for (const wchar_t* good : {L"plug.bmp", L"PIC\\plug.bmp", L"PIC/A/b.bmp", L"..plug.bmp"})
        EXPECT_TRUE(IsPathInsideFolder(good)) << good;
    for (const wchar_t* bad : {L"", L"..\\x.bmp", L"PIC\\..\\..\\x.bmp", L"\\x.bmp", L"/x.bmp", L"C:\\x.bmp",
                               L"x.bmp:stream", L"PIC\\.", L".."})
        EXPECT_FALSE(IsPathInsideFolder(bad)) << bad;
}

}  // namespace
