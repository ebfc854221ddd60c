// The picture screen in the frame: keys by box type, the picture from the software folder, its
// blinking markers and a click on one.
#include <filesystem>
#include <fstream>

#include "PictureView.h"
#include "ScreenFixture.h"
#include "BmpBytes.h"
#include "BmpFileFormat.h"
#include "resource.h"

using namespace std::string_literals;

namespace {

constexpr uint8_t kPicture = 90;

class PictureViewTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        ResSetSoftwareDir(software.Path().wstring() + L"\\");
        std::filesystem::create_directories(software.Path() / "PIC");
        WritePicture("PIC/plug.bmp", 255, 0, 0);
        SetModalAnswerer([this](const MODAL_BOX& box) -> std::optional<int> {
            boxes.push_back(box.text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        ResSetSoftwareDir(L"");
        ScreenTest::TearDown();
    }

    void WritePicture(const std::string& name, uint8_t red, uint8_t green, uint8_t blue)
    {
        std::ofstream(software.Path() / name, std::ios::binary) << SolidBmp(40, 30, RGB(red, green, blue));
    }
    // A request: type word, file name, title, marker points in percent.
    void SendPicture(uint16_t typeWord, const std::string& file, const std::vector<std::pair<int, int>>& markers = {},
                     const std::string& title = "")
    {
        std::string payload = std::string{static_cast<char>(typeWord >> 8), static_cast<char>(typeWord)} + file + '\0' +
                              title + '\0' + static_cast<char>(markers.size());
        for (auto [x, y] : markers)
            payload += std::string{0, static_cast<char>(x), 0, static_cast<char>(y)};
        Send(kPicture, payload);
    }
    CPictureView& Screen() { return *static_cast<CPictureView*>(frame->View(CPictureView::kViewId)); }
    CBmpBtn* Key(int index) { return frame->ButtonBar().GetButton(CPictureView::kFirstKeyId + index); }
    void Press(int index) { Screen().SendMsg(WM_COMMAND, static_cast<WPARAM>(CPictureView::kFirstKeyId + index)); }
    COLORREF AreaPixel(int x, int y)
    {
        UpdateWindow(Screen().PictureArea());
        CClientDc dc(Screen().PictureArea());
        return GetPixel(dc.Get(), x, y);
    }
    RECT AreaInView()
    {
        RECT area = {};
        GetWindowRect(Screen().PictureArea(), &area);
        MapWindowPoints(nullptr, Screen().Handle(), reinterpret_cast<POINT*>(&area), 2);
        return area;
    }
    // A click at a point of the picture area, as the view receives it once it captured the mouse.
    void ClickArea(int x, int y)
    {
        const RECT area = AreaInView();
        Screen().SendMsg(WM_COMMAND, MAKEWPARAM(IDC_PICTURE_AREA, STN_CLICKED),
                         reinterpret_cast<LPARAM>(Screen().PictureArea()));
        EXPECT_EQ(GetCapture(), Screen().Handle()) << "the release must reach the view";
        Screen().SendMsg(WM_LBUTTONUP, 0, MAKELPARAM(area.left + x, area.top + y));
        EXPECT_NE(GetCapture(), Screen().Handle());
    }

    CTempFolder software;
    std::vector<std::wstring> boxes;
};

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

TEST_F(PictureViewTest, YesNoAndPrintWaitForAKeyAndPrintDoesNotAnswer)
{
    SendPicture(0x0044, "PIC\\plug.bmp");
    ASSERT_EQ(frame->CurrentViewId(), CPictureView::kViewId);
    EXPECT_EQ(Screen().GetText(), L"Display picture");
    EXPECT_FALSE(TokenFree()) << "the picture keeps the turn until the user answers";
    const wchar_t* captions[] = {L"Yes", L"No", L"Print"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(Key(i), nullptr);
        EXPECT_TRUE(Key(i)->IsVisible()) << i;
        EXPECT_EQ(Key(i)->GetText(), captions[i]);
    }
    EXPECT_FALSE(Key(3)->IsVisible());
    EXPECT_FALSE(Key(4)->IsVisible());
    Press(2);
    EXPECT_FALSE(TokenFree()) << "Print neither prints nor answers";
    Screen().SendMsg(WM_COMMAND, 4001);  // the second key by its other command: No
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kPicture, 4)) << "a key answers its own code";
    std::memset(block, 0x5A, 8);
    Press(0);  // a late key writes nothing
    EXPECT_EQ(block[1], 0x5A);
    ReturnTurn();
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PictureViewTest, ThePictureAndItsMarkersBlinkAndAClickOnOneAnswers)
{
    SendPicture(0x0001, "PIC\\plug.bmp", {{50, 50}, {10, 10}}, "Connector");
    EXPECT_EQ(Screen().GetText(), L"Connector");
    const RECT area = AreaInView();
    const RECT client = Screen().ClientRect();
    EXPECT_EQ(area.left, 10);
    EXPECT_EQ(area.top, 10);
    EXPECT_EQ(area.right - area.left, client.right - 110);
    ASSERT_EQ(Screen().Markers().size(), 2u);
    const PICTURE_POINT centre = Screen().Markers()[0];
    EXPECT_EQ(centre.x, (area.right - area.left) / 2);
    EXPECT_EQ(AreaPixel(2, 2), kRed) << "the picture from its top-left corner";
    EXPECT_EQ(AreaPixel(45, 2), kBlack) << "black beyond the picture";
    EXPECT_EQ(AreaPixel(centre.x, centre.y), kWhite);
    EXPECT_EQ(AreaPixel(centre.x + 4, centre.y - 4), kWhite);

    Screen().SendMsg(WM_TIMER, CPictureView::kBlinkTimer);
    EXPECT_FALSE(Screen().MarkersShown());
    EXPECT_EQ(AreaPixel(centre.x, centre.y), kBlack) << "markers off for a second";
    Screen().SendMsg(WM_TIMER, CPictureView::kBlinkTimer);
    EXPECT_EQ(AreaPixel(centre.x, centre.y), kWhite);

    ClickArea(centre.x + 6, centre.y);
    EXPECT_FALSE(TokenFree()) << "six pixels beside the marker: nothing";
    ClickArea(centre.x + 5, centre.y - 5);
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kPicture, 0x80));
    ReturnTurn();

    SendPicture(0x0001, "PIC\\plug.bmp", {{50, 50}, {10, 10}});
    const PICTURE_POINT corner = Screen().Markers()[1];
    ClickArea(corner.x, corner.y);
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kPicture, 0x81));
    EXPECT_EQ(Screen().SelectedMarker(), 1);
    ReturnTurn();
}

TEST_F(PictureViewTest, BoxTypeZeroAnswersAtOnceAndStillShowsThePicture)
{
    SendPicture(0x0000, "PIC\\plug.bmp", {{50, 50}});
    EXPECT_EQ(TakeAnswer(5), KeyAnswer(kPicture, 0));
    ReturnTurn();
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(Key(i)->IsVisible()) << i;
    const RECT area = AreaInView();
    EXPECT_EQ(area.right - area.left, Screen().ClientRect().right - 20) << "no keys: the area is wider";
    EXPECT_TRUE(IsWindowVisible(Screen().PictureArea()));
    EXPECT_EQ(AreaPixel(2, 2), kRed);
    const PICTURE_POINT centre = Screen().Markers()[0];
    EXPECT_EQ(AreaPixel(centre.x, centre.y), Screen().MarkersShown() ? kWhite : kBlack);
    ClickArea(centre.x, centre.y);  // answered already: nothing more is written
    EXPECT_TRUE(TokenFree());
}

TEST_F(PictureViewTest, TheSamePictureIsLoadedOnceAndBadNamesLoadNothing)
{
    SendPicture(0x0000, "PIC\\plug.bmp");
    ReturnTurn();
    WritePicture("PIC/plug.bmp", 0, 0, 255);
    SendPicture(0x0000, "PIC\\plug.bmp");
    ReturnTurn();
    EXPECT_EQ(AreaPixel(2, 2), kRed) << "the same name keeps the picture it loaded";

    SendPicture(0x0000, "PIC\\missing.bmp");
    ReturnTurn();
    EXPECT_EQ(Screen().Picture(), nullptr);
    EXPECT_EQ(AreaPixel(2, 2), kBlack);
    ASSERT_EQ(boxes.size(), 1u) << "the loader says why";

    WritePicture("outside.bmp", 0, 255, 0);
    SendPicture(0x0000, "PIC\\..\\outside.bmp");
    ReturnTurn();
    EXPECT_EQ(Screen().Picture(), nullptr) << "a name may not climb out of the software folder";
    SendPicture(0x0000, "PIC\\plug.bmp");
    ReturnTurn();
    EXPECT_EQ(AreaPixel(2, 2), RGB(0, 0, 255));
}

// A picture file far longer than any bitmap the screen builds is refused before it is read, as the
// loader refuses its other failures, and the request is still handled whole: answered, titled and
// marked. The files are sparse: their length costs no disk.
TEST_F(PictureViewTest, AFileLongerThanAnyBitmapIsRefusedUnreadAndTheRequestAnswered)
{
    for (const uint64_t length : {kMaxBmpFileSize + 1, uint64_t{3} << 30}) {
        SCOPED_TRACE(length);
        std::string header = SolidBmp(40, 30, RGB(0, 255, 0));
        for (int i = 0; i < 4; ++i)  // the size field agrees: the length alone is the fault
            header[2 + static_cast<size_t>(i)] = static_cast<char>((length >> (8 * i)) & 0xFF);
        const std::filesystem::path huge = software.Path() / "PIC" / "huge.bmp";
        std::ofstream(huge, std::ios::binary | std::ios::trunc) << header;
        std::filesystem::resize_file(huge, length);
        SendPicture(0x0000, "PIC\\plug.bmp");  // another picture first, so the huge one is loaded anew
        ReturnTurn();
        boxes.clear();

        SendPicture(0x0000, "PIC\\huge.bmp", {{50, 50}}, "Huge");
        EXPECT_EQ(TakeAnswer(5), KeyAnswer(kPicture, 0));
        ReturnTurn();
        EXPECT_EQ(boxes, std::vector<std::wstring>{L"DIB build error!"});
        EXPECT_EQ(Screen().Picture(), nullptr);
        EXPECT_EQ(Screen().GetText(), L"Huge");
        EXPECT_EQ(Screen().Markers().size(), 1u);
        EXPECT_EQ(AreaPixel(2, 2), kBlack);
        std::filesystem::remove(huge);
    }
}

}  // namespace
