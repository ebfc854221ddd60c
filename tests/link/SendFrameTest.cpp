#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../vehicledata/VehicleDataTest.h"
#include "DbFileWriter.h"
#include "EcuCommException.h"
#include "FilterOrLengthRecognise.h"
#include "SendFrame.h"

namespace {

using Bytes = std::vector<uint8_t>;

ByteString Piece(const Bytes& bytes)
{
    return ByteString(bytes.data(), static_cast<int>(bytes.size()));
}

Bytes Written(const CSendFrame& frame, int room)
{
    Bytes buffer(static_cast<size_t>(room) + 8, 0xEE);
    const int size = frame.PutCmdDataToBuffer(buffer.data(), room);
    EXPECT_TRUE(std::all_of(buffer.begin() + size, buffer.end(), [](uint8_t b) { return b == 0xEE; }));
    return Bytes(buffer.begin(), buffer.begin() + size);
}

struct PieceView {
    Bytes bytes;
    int16_t control;
    bool operator==(const PieceView&) const = default;
};

std::vector<PieceView> Pieces(const CSendFrame& frame)
{
    std::vector<PieceView> pieces;
    for (const SendPiece& piece : frame.GetPieces())
        pieces.push_back({Bytes(piece.bytes.GetData(), piece.bytes.GetData() + piece.bytes.GetLength()), piece.control});
    return pieces;
}

TEST(SendFrameTest, WritesEachPieceAsLengthBytesControl)
{
    CSendFrame frame;
    frame.AddPiece(Piece({0x01, 0x02}));
    frame.SetPieces({Piece({0x01, 0x02}), Piece({0x01}), Piece({0x03}), Piece({0x05})});
    EXPECT_EQ(Written(frame, 8), (Bytes{0x02, 0x01, 0x02, 0x01, 0x01, 0x03, 0x05}));
}

TEST(SendFrameTest, AListNeedingTheWholeRoomIsRefusedAndNothingWritten)
{
    CSendFrame frame;
    frame.SetPieces({Piece({0x01, 0x02}), Piece({0x01}), Piece({0x03}), Piece({0x05})});
    Bytes buffer(16, 0xEE);
    try {
        frame.PutCmdDataToBuffer(buffer.data(), 7);
        FAIL() << "no exception";
    } catch (const CEcuCommException& error) {
        EXPECT_EQ(error.GetErrorCode(), 6);
        EXPECT_EQ(error.GetParameterText(), L"Exception thow from funtion");
        EXPECT_EQ(error.GetFunctionName(), L"CSendFrame::PutCmdDataToBuffer");
    }
    EXPECT_EQ(buffer, Bytes(16, 0xEE));
}

// A piece's length travels in one byte: a longer piece is refused, never sent with its length cut.
struct PieceSizeCase {
    int size;
    bool taken;
};

class SendFramePieceSizeTest : public ::testing::TestWithParam<PieceSizeCase> {};

TEST_P(SendFramePieceSizeTest, APieceLongerThanItsLengthByteIsRefused)
{
    CSendFrame frame;
    frame.AddPiece(Piece({0x01}));
    frame.AddPiece(Piece(Bytes(static_cast<size_t>(GetParam().size), 0x5A)));
    const int room = 1000;
    Bytes buffer(static_cast<size_t>(room), 0xEE);
    if (GetParam().taken) {
        ASSERT_EQ(frame.PutCmdDataToBuffer(buffer.data(), room), 3 + 2 + GetParam().size);
        EXPECT_EQ(buffer[3], GetParam().size);
        return;
    }
    try {
        frame.PutCmdDataToBuffer(buffer.data(), room);
        FAIL() << "no exception";
    } catch (const CEcuCommException& error) {
        EXPECT_EQ(error.GetErrorCode(), 6);
        EXPECT_EQ(error.GetFunctionName(), L"CSendFrame::PutCmdDataToBuffer");
    }
    EXPECT_EQ(buffer, Bytes(static_cast<size_t>(room), 0xEE));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SendFramePieceSizeTest, ::testing::Values(
    PieceSizeCase{0, true}, PieceSizeCase{254, true}, PieceSizeCase{255, true}, PieceSizeCase{256, false},
    PieceSizeCase{257, false}, PieceSizeCase{511, false}, PieceSizeCase{600, false}));

TEST(SendFrameTest, EmptyFrameWritesNothingEvenWithoutRoom)
{
    EXPECT_EQ(CSendFrame().PutCmdDataToBuffer(nullptr, 0), 0);
}

TEST(SendFrameTest, PairBuildingOfItemLists)
{
    const int16_t previous = CSendFrame::SetDefaultControl(9);
    CSendFrame frame;
    frame.SetPieces({});
    EXPECT_EQ(frame.GetPieceCount(), 0);
    frame.SetPieces({Piece({0x10, 0x20, 0x30}), Piece({0x07, 0x99})});
    EXPECT_EQ(Pieces(frame), (std::vector<PieceView>{{{0x10, 0x20, 0x30}, 7}}));
    frame.AddPieces({});
    EXPECT_EQ(frame.GetPieceCount(), 1);
    frame.AddPieces({Piece({0x44})});
    // An odd last item and an empty control item both take the default control.
    frame.AddPieces({Piece({0x50}), ByteString(), Piece({0x60})});
    EXPECT_EQ(Pieces(frame), (std::vector<PieceView>{{{0x10, 0x20, 0x30}, 7}, {{0x44}, 9}, {{0x50}, 9}, {{0x60}, 9}}));
    EXPECT_EQ(CSendFrame::SetDefaultControl(previous), 9);
}

TEST(SendFrameTest, AssignAppendAndCounting)
{
    CSendFrame a;
    a.SetPiece(Piece({0x01}));
    a.AddPiece(Piece({0x02}));
    CSendFrame b;
    b.SetPiece(Piece({0x03}));
    EXPECT_EQ(b.AppendCounted(a), 2);
    b.Append(b);
    EXPECT_EQ(b.GetPieceCount(), 6);
    b.Assign(a);
    EXPECT_EQ(Pieces(b), Pieces(a));
    b.AddPieceIfNotEmpty({ByteString(), 1});
    b.AddPieceIfNotEmpty({Piece({}), 1});
    EXPECT_EQ(b.GetPieceCount(), 2);
    b.AddPieceIfNotEmpty({Piece({0x04}), 3});
    EXPECT_EQ(b.GetPieceCount(), 3);
}

class CommandDbTest : public VehicleDataTest {};

TEST_F(CommandDbTest, LoadsTheRecordsPiecesFromTheCommandDatabase)
{
    const std::string db = EncodeDbFile({}, {{"\x01\x02\x03\x04", {"\x81\x10\xF1", "\x02", "\x3E", "\x05"}}});
    ASSERT_FALSE(WriteDbFile(folder.Path(), L"_CMD.DB", db).empty());
    CSendFrame frame;
    frame.SetPiece(Piece({0xAA}));
    EXPECT_FALSE(frame.LoadFromCommandDb(Key(std::string("\x09\x09\x09\x09", 4))));
    EXPECT_EQ(frame.GetPieceCount(), 1);
    EXPECT_TRUE(frame.LoadFromCommandDb(Key("\x01\x02\x03\x04")));
    EXPECT_EQ(Pieces(frame), (std::vector<PieceView>{{{0xAA}, 1}, {{0x81, 0x10, 0xF1}, 2}, {{0x3E}, 5}}));
}

TEST_F(CommandDbTest, NoDatabaseLeavesTheFrameUnchanged)
{
    CSendFrame frame;
    EXPECT_FALSE(frame.LoadFromCommandDb(Key("\x01\x02\x03\x04")));
    EXPECT_EQ(frame.GetPieceCount(), 0);
    EXPECT_TRUE(messages.empty());
}

Bytes Data(const CFilterOrLengthRecognise& filter)
{
    return Bytes(filter.GetData(), filter.GetData() + filter.GetLength());
}

TEST(FilterOrLengthRecogniseTest, Records)
{
    CFilterOrLengthRecognise filter;
    EXPECT_EQ(filter.GetFlag(), 0);
    const uint8_t byte = 0x48;
    filter.SetFilter(0, 1, &byte);
    EXPECT_EQ(Data(filter), (Bytes{0x01, 0x03, 0x00, 0x01, 0x48}));
    EXPECT_EQ(filter.GetFlag(), 1);
    filter.AddPattern(Piece({0x11, 0x22}));
    EXPECT_EQ(Data(filter), (Bytes{0x01, 0x03, 0x00, 0x01, 0x48}));  // another type is kept
    filter.SetKind81(1, 2, 3);
    EXPECT_EQ(Data(filter), (Bytes{0x81, 0x03, 1, 2, 3}));
    filter.SetKind82();
    EXPECT_EQ(Data(filter), (Bytes{0x82, 0x00}));
    EXPECT_EQ(filter.GetData()[2], 0);  // nothing of the longer record before stays
    filter.Reset();
    EXPECT_EQ(filter.GetLength(), 0);
    EXPECT_EQ(filter.GetFlag(), 0);
}

TEST(FilterOrLengthRecogniseTest, PatternsOfTwoOrFourBytes)
{
    CFilterOrLengthRecognise filter;
    filter.AddPattern(Piece({0x11, 0x22, 0x33}));
    EXPECT_EQ(filter.GetLength(), 0);
    EXPECT_EQ(filter.GetFlag(), 0);
    filter.AddPattern(Piece({0x11, 0x22}));
    filter.AddPattern(Piece({0x33, 0x44, 0x55, 0x66}));
    EXPECT_EQ(Data(filter), (Bytes{0x02, 0x08, 0x02, 0x11, 0x22, 0x04, 0x33, 0x44, 0x55, 0x66}));
    EXPECT_EQ(filter.GetLength(), 10);
}

// The size byte counts the rest of the record: a record it cannot count is refused and the
// record stays as it was, within its 300 bytes.
template <typename Call>
std::optional<CEcuCommException> Refusal(Call call)
{
    try {
        call();
    } catch (const CEcuCommException& error) {
        return error;
    }
    return std::nullopt;
}

TEST(FilterOrLengthRecogniseTest, PatternsStopWhereTheSizeByteEnds)
{
    CFilterOrLengthRecognise filter;
    for (int i = 0; i < 51; ++i)
        filter.AddPattern(Piece({0x01, 0x02, 0x03, 0x04}));
    EXPECT_EQ(filter.GetLength(), 2 + 51 * 5);
    EXPECT_EQ(filter.GetData()[1], 255);
    const Bytes before = Data(filter);
    for (const Bytes& pattern : {Bytes{0x01, 0x02, 0x03, 0x04}, Bytes{0x01, 0x02}}) {
        const auto refused = Refusal([&] { filter.AddPattern(Piece(pattern)); });
        ASSERT_TRUE(refused.has_value()) << pattern.size();
        EXPECT_EQ(refused->GetErrorCode(), 6);
        EXPECT_EQ(refused->GetFunctionName(), L"CFilterOrLengthRecognise::AddPattern");
        EXPECT_EQ(Data(filter), before);
    }
    filter.AddPattern(Piece({0x01, 0x02, 0x03}));  // a size that is never taken is still ignored
    EXPECT_EQ(Data(filter), before);
}

struct FilterSizeCase {
    int count;
    bool taken;
};

class FilterSizeTest : public ::testing::TestWithParam<FilterSizeCase> {};

TEST_P(FilterSizeTest, ACountTheSizeByteCannotHoldIsRefused)
{
    CFilterOrLengthRecognise filter;
    filter.SetKind81(1, 2, 3);
    const Bytes bytes(300, 0x5A);
    const auto refused = Refusal([&] { filter.SetFilter(7, GetParam().count, bytes.data()); });
    EXPECT_EQ(!refused, GetParam().taken);
    if (GetParam().taken) {
        EXPECT_EQ(filter.GetLength(), 4 + GetParam().count);
        EXPECT_EQ(filter.GetData()[1], GetParam().count + 2);
        EXPECT_EQ(filter.GetData()[3], GetParam().count);
        return;
    }
    EXPECT_EQ(refused->GetErrorCode(), 6);
    EXPECT_EQ(refused->GetFunctionName(), L"CFilterOrLengthRecognise::SetFilter");
    EXPECT_EQ(Data(filter), (Bytes{0x81, 0x03, 1, 2, 3})) << "the record before stays";
}

INSTANTIATE_TEST_SUITE_P(Counts, FilterSizeTest, ::testing::Values(
    FilterSizeCase{0, true}, FilterSizeCase{1, true}, FilterSizeCase{253, true}, FilterSizeCase{254, false},
    FilterSizeCase{255, false}, FilterSizeCase{296, false}, FilterSizeCase{-1, false}));

}  // namespace
