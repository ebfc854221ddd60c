#include <gtest/gtest.h>

#include "PdfScrollModel.h"

namespace {

using Command = std::optional<READER_COMMAND>;

TEST(PdfScrollModelTest, RangeFollowsTheHostHeightAndPageCount)
{
    const CPdfScrollModel model(882, 500, 3);
    EXPECT_EQ(model.UnitsPerPage(), 41);  // 792 / 20 = 39, a remainder adds one more
    EXPECT_EQ(model.Maximum(), 622);
    EXPECT_EQ(model.PageSize(), 500);
    EXPECT_EQ(CPdfScrollModel(882, 1292 - 40, 1).UnitsPerPage(), 3) << "no remainder adds nothing";
    EXPECT_GE(CPdfScrollModel(882, 2000, 1).UnitsPerPage(), 1) << "a host taller than a page";
}

TEST(PdfScrollModelTest, ThumbSendsTheDistanceInItsDirection)
{
    CPdfScrollModel model(882, 500, 3);
    model.ThumbTo(10);
    EXPECT_EQ(model.ThumbTo(4), (READER_COMMAND{2, 6}));
    EXPECT_EQ(model.ThumbTo(10), (READER_COMMAND{3, 6}));
    EXPECT_EQ(model.ThumbTo(10), (READER_COMMAND{3, 0}));
    EXPECT_EQ(model.Position(), 10);
}

TEST(PdfScrollModelTest, LinesAndPagesStopAtTheEnds)
{
    CPdfScrollModel model(882, 500, 3);  // positions 0 .. 122
    EXPECT_EQ(model.LineUp(), Command());
    EXPECT_EQ(model.PageUp(), Command());
    EXPECT_EQ(model.LineDown(), (Command{{3, 1}}));
    EXPECT_EQ(model.PageDown(), (Command{{5, 1}}));
    EXPECT_EQ(model.Position(), 42);
    model.ThumbTo(122);
    EXPECT_EQ(model.LineDown(), Command());
    EXPECT_EQ(model.PageDown(), Command());
    EXPECT_EQ(model.PageUp(), (Command{{4, 1}}));
    EXPECT_EQ(model.Position(), 81);
    model.ThumbTo(20);
    EXPECT_EQ(model.PageUp(), (Command{{4, 1}}));
    EXPECT_EQ(model.Position(), 0) << "a page up near the top stops at the top";
}

TEST(PdfScrollModelTest, ArrowKeysStopAtThePageEdge)
{
    CPdfScrollModel model(882, 500, 3);  // a screenful is 23 lines, a page 41 units
    EXPECT_EQ(model.LeftKey(1), Command());
    EXPECT_EQ(model.RightKey(1), (Command{{3, 23}}));
    EXPECT_EQ(model.RightKey(1), (Command{{3, 17}})) << "18 units left on page 1: stop one short";
    EXPECT_EQ(model.Position(), 40);
    EXPECT_EQ(model.RightKey(1), (Command{{3, 1}}));
    EXPECT_EQ(model.Position(), 41);
    EXPECT_EQ(model.LeftKey(2), (Command{{2, 1}})) << "at the top of page 2: one line";
    model.ThumbTo(50);
    EXPECT_EQ(model.LeftKey(2), (Command{{2, 9}})) << "back to the top of page 2";
    model.ThumbTo(122);
    EXPECT_EQ(model.RightKey(3), Command());
}

TEST(PdfScrollModelTest, PageEntryIsClampedToTheDocument)
{
    struct Case {
        const wchar_t* text;
        std::optional<std::wstring> replaced;
    };
    const Case cases[] = {{L"2", std::nullopt}, {L"7", L"3"}, {L"0", L"1"}, {L"-4", L"1"},
                          {L"", L"1"},          {L"1", std::nullopt}, {L"99999999999999999999", L"3"}};
    for (const Case& c : cases)
        EXPECT_EQ(CPdfScrollModel::ClampPageEntry(c.text, 3), c.replaced) << c.text;
}

}  // namespace
