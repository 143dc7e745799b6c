#include "main_window_fixture.h"
#include "screen_cursor.h"

namespace {

class StartupTest : public ProgramStartTest {
protected:
    HWND Card() const { return program->Card().hwnd; }
    bool CardOpen() const { return program->Card().IsOpen(); }
    int Scaled(int px96) const { return MulDiv(px96, static_cast<int>(form->Dpi()), 96); }
    POINT At(POINT px96) const { return {Scaled(px96.x), Scaled(px96.y)}; }
};

// Points on the card, in pixels at 96 DPI.
constexpr POINT kGreenGround{100, 145};
constexpr POINT kInsideBoxes[] = {
    {56, 64},    // the portrait
    {200, 34},   // "Korvalo"
    {192, 82},   // "V1.0"
    {196, 124},  // the credit lines
    {56, 128},   // "2007"
};

TEST_F(StartupTest, CardClosesAboutOneSecondAfterTheMainWindowShows) {
    ASSERT_TRUE(CardOpen());
    EXPECT_EQ(CurrentScreenCursor(), ScreenCursor::Hourglass);
    bool hourglassThroughout = true;
    ASSERT_TRUE(PumpUntil(
        [&] {
            if (CardOpen()) {
                hourglassThroughout &= CurrentScreenCursor() == ScreenCursor::Hourglass;
                return false;
            }
            return true;
        },
        3000, form->hwnd));
    const DWORD elapsed = GetTickCount() - shownAt;
    // The card and the hourglass go at the same tick.
    EXPECT_EQ(CurrentScreenCursor(), ScreenCursor::Default);
    EXPECT_TRUE(hourglassThroughout);
    EXPECT_GE(elapsed, 900u);
    EXPECT_LE(elapsed, 1600u);
}

TEST_F(StartupTest, CardIsTopMostInFrontOfTheActiveMainWindow) {
    EXPECT_NE(GetWindowLongW(Card(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetActiveWindow(), form->hwnd);
    int card = -1;
    int main = -1;
    int index = 0;
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT), ++index) {
        card = w == Card() ? index : card;
        main = w == form->hwnd ? index : main;
    }
    ASSERT_GE(card, 0);
    ASSERT_GE(main, 0);
    EXPECT_LT(card, main) << "the card is above the main window";
}

TEST_F(StartupTest, ClickOnTheGreenGroundClosesAtOnceAndTheHourglassWaitsForTheTick) {
    Pump(300, form->hwnd);
    const DWORD clickedAt = GetTickCount();
    RealClick(Card(), At(kGreenGround));
    EXPECT_FALSE(CardOpen());
    EXPECT_EQ(CurrentScreenCursor(), ScreenCursor::Hourglass);
    ASSERT_TRUE(
        PumpUntil([] { return CurrentScreenCursor() == ScreenCursor::Default; }, 3000, form->hwnd));
    // The main window was armed afresh when it took over from the card.
    EXPECT_GE(GetTickCount() - clickedAt, 900u);
}

TEST_F(StartupTest, ClicksInsideThePortraitOrATextLeaveTheCardOpen) {
    for (POINT at : kInsideBoxes) {
        RealClick(Card(), At(at));
        EXPECT_TRUE(CardOpen()) << at.x << "," << at.y;
    }
    RealDrag(Card(), At(kInsideBoxes[0]), At(kGreenGround));
    EXPECT_TRUE(CardOpen()) << "pressed on the portrait, released on the green";
}

TEST_F(StartupTest, ClosingTheMainWindowLeavesTheCardUntilItIsClicked) {
    SendMessageW(form->hwnd, WM_CLOSE, 0, 0);
    Pump(1300);
    EXPECT_EQ(form->hwnd, nullptr);
    ASSERT_TRUE(CardOpen()) << "no tick closes it any more";
    EXPECT_FALSE(TakeQuit()) << "the program goes on";
    EXPECT_EQ(CurrentScreenCursor(), ScreenCursor::Hourglass);
    RealClick(Card(), At(kGreenGround));
    EXPECT_FALSE(CardOpen());
    EXPECT_TRUE(TakeQuit()) << "the last window closed ends the program";
}

TEST_F(StartupTest, CardScreenshot) {
    Pump(100, form->hwnd);
    const Picture card = CaptureClient(Card());
    WriteBmp(OutputPath(L"korvalo-card.bmp"), card);
    ASSERT_EQ(card.width, Scaled(312));
    ASSERT_EQ(card.height, Scaled(169));
    EXPECT_EQ(card.At(Scaled(300), Scaled(100)), RGB(0, 255, 0));
    EXPECT_EQ(card.At(Scaled(200), Scaled(8)), RGB(255, 128, 128)) << "outer frame";
    EXPECT_EQ(card.At(Scaled(200), Scaled(16)), RGB(255, 255, 192)) << "inner frame";
    EXPECT_EQ(card.At(Scaled(4), Scaled(4)), RGB(0, 255, 0))
        << "the frames are open at the top-left";
}

// However the program is shown, activated or not, the card and the hourglass go about a
// second after start.
TEST(StartupShownAnyWay, CardClosesWhetherMinimisedOrNeverActivated) {
    for (int show : {SW_SHOWMINNOACTIVE, SW_MINIMIZE, SW_SHOWNOACTIVATE}) {
        Program program(GetModuleHandleW(nullptr));
        ASSERT_TRUE(program.Start(show)) << show;
        const DWORD start = GetTickCount();
        HWND main = program.Form().hwnd;
        EXPECT_TRUE(PumpUntil([&] { return !program.Card().IsOpen(); }, 3000, main)) << show;
        EXPECT_GE(GetTickCount() - start, 900u) << show;
        EXPECT_EQ(CurrentScreenCursor(), ScreenCursor::Default) << show;
        if (show == SW_SHOWMINNOACTIVE) {
            EXPECT_TRUE(IsIconic(main));
            PumpUntil([&] { return GetTickCount() - start >= 2000; }, 2000, main);
            const Picture screen = CaptureWindow(GetDesktopWindow());
            WriteBmp(OutputPath(L"korvalo-minimised-start.bmp"), screen);
        }
        program.Form().Close();
        Pump(20);
        EXPECT_TRUE(TakeQuit()) << show;
    }
}

}  // namespace
