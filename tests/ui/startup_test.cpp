#include <set>

#include "main_window_fixture.h"
#include "dpi.h"
#include "fonts.h"

namespace {

// Whether the window shows the hourglass, as the mouse over its client area, or over it
// disabled (HTERROR), would find.
bool ShowsHourglass(HWND window, int hitTest = HTCLIENT) {
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(hitTest, WM_LBUTTONDOWN));
    return GetCursor() == LoadCursorW(nullptr, IDC_WAIT);
}

// Whether `upper` stands above `lower` in the z-order of top-level windows.
bool Above(HWND upper, HWND lower) {
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == upper || w == lower) {
            return w == upper;
        }
    }
    return false;
}

// Each tick of Timer1 this thread takes becomes nothing while a test holds the card up.
LRESULT CALLBACK HoldTick(int code, WPARAM removed, LPARAM lParam) {
    auto* m = reinterpret_cast<MSG*>(lParam);
    m->message = m->message == WM_TIMER && m->wParam == kIdTimer1 ? WM_NULL : m->message;
    return CallNextHookEx(nullptr, code, removed, lParam);
}

class StartupTest : public ProgramStartTest {
protected:
    ThreadHook holdTick = HookThread(WH_GETMESSAGE, HoldTick);  // until a test lets it go
    static inline bool ownTick = false;  // a one-second timer of the test's own has ticked
    static void CALLBACK OwnTick(HWND w, UINT, UINT_PTR id, DWORD) { ownTick = KillTimer(w, id); }
    HWND Card() const { return program->Card().hwnd; }
    bool CardOpen() const { return program->Card().IsOpen(); }
    POINT At(POINT px96) const { return {Scaled(px96.x), Scaled(px96.y)}; }
};

// Points on the card, in pixels at 96 DPI.
constexpr POINT kGreenGround{100, 145};
constexpr POINT kInsideBoxes[] = {
    {56, 64},    // the portrait
    {130, 34},   // "Korvalo"
    {185, 82},   // "V1.0"
    {196, 124},  // the credit lines
    {56, 128},   // "2007"
};

TEST_F(StartupTest, CardClosesAboutOneSecondAfterTheMainWindowShows) {
    ASSERT_TRUE(CardOpen());
    EXPECT_TRUE(ShowsHourglass(form->hwnd));
    EXPECT_TRUE(ShowsHourglass(Card()));
    holdTick.reset();
    ownTick = !SetTimer(nullptr, 0, 1000, OwnTick);  // false, and due after the program's
    bool hourglassThroughout = true;
    ASSERT_TRUE(PumpUntil(
        [&] {
            if (CardOpen() && !ownTick) {
                hourglassThroughout &= ShowsHourglass(form->hwnd);
                return false;
            }
            return true;
        },
        3000, form->hwnd));
    const DWORD elapsed = GetTickCount() - shownAt;
    // The card and the hourglass go at the same tick.
    EXPECT_FALSE(ShowsHourglass(form->hwnd));
    EXPECT_TRUE(hourglassThroughout);
    EXPECT_GE(elapsed, 900u);
    EXPECT_FALSE(CardOpen()) << "open after the test's own one-second timer";
}

TEST_F(StartupTest, ClickOnTheGreenGroundClosesAtOnceAndTheHourglassWaitsForTheTick) {
    Pump(300, form->hwnd);
    const DWORD clickedAt = GetTickCount();
    RealClick(Card(), At(kGreenGround));
    holdTick.reset();
    EXPECT_FALSE(CardOpen());
    EXPECT_TRUE(ShowsHourglass(form->hwnd));
    ASSERT_TRUE(PumpUntil([&] { return !ShowsHourglass(form->hwnd); }, 3000, form->hwnd));
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

// The card stands top-most in front of the active main window. A message box opens in front
// of it and keeps the whole program from input: a click on the card's green leaves it open,
// and the card still goes on its tick. The system's own handling of a click on the disabled
// card, a beep and the box flashing, goes on. A window of another module on this thread, as
// an input method's, stays as it was. Then the card is top-most again.
TEST_F(StartupTest, TopMostCardAndAMessageBoxInFrontOfIt) {
    const auto cardInFront = [&] {
        return (GetWindowLongW(Card(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 &&
               GetActiveWindow() == form->hwnd && Above(Card(), form->hwnd);
    };
    EXPECT_TRUE(cardInFront());
    HWND inputMethod = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"候选", WS_POPUP, 0, 0, 60, 20,
                                       nullptr, nullptr, GetModuleHandleW(L"user32.dll"), nullptr);
    ShowWindow(inputMethod, SW_SHOWNA);
    bool openWhileBoxUp = false, cardEnabled = true, inputMethodEnabled = false;
    bool boxInFront = false, hourglassOnError = true;
    MessageBoxWatcher watcher([&] {
        HWND box = GetActiveWindow();
        boxInFront = box != form->hwnd && Above(box, Card());
        hourglassOnError = ShowsHourglass(Card(), HTERROR);
        // Out of the way of the click on the card.
        SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RealClick(Card(), At(kGreenGround));
        openWhileBoxUp = CardOpen();
        cardEnabled = IsWindowEnabled(Card());
        inputMethodEnabled = IsWindowEnabled(inputMethod);
    });
    SendMessageW(FindControl(form->hwnd, kIdCommand2), BM_CLICK, 0, 0);
    DestroyWindow(inputMethod);
    ASSERT_FALSE(watcher.seen.empty());
    EXPECT_TRUE(openWhileBoxUp);
    EXPECT_FALSE(cardEnabled);
    EXPECT_TRUE(inputMethodEnabled);
    EXPECT_TRUE(boxInFront);
    EXPECT_FALSE(hourglassOnError);
    ASSERT_TRUE(CardOpen());
    EXPECT_TRUE(IsWindowEnabled(Card()));
    EXPECT_TRUE(cardInFront());
    holdTick.reset();
    EXPECT_TRUE(PumpUntil([&] { return !CardOpen(); }, 3000, form->hwnd));
}

TEST_F(StartupTest, ClosingTheMainWindowLeavesTheCardUntilItIsClicked) {
    holdTick.reset();
    SendMessageW(form->hwnd, WM_CLOSE, 0, 0);
    Pump(1300);
    EXPECT_EQ(form->hwnd, nullptr);
    ASSERT_TRUE(CardOpen()) << "no tick closes it any more";
    EXPECT_FALSE(TakeQuit()) << "the program goes on";
    EXPECT_TRUE(ShowsHourglass(Card()));
    RealClick(Card(), At(kGreenGround));
    EXPECT_FALSE(CardOpen());
    EXPECT_TRUE(TakeQuit()) << "the last window closed ends the program";
}

TEST_F(StartupTest, CardScreenshot) {
    Pump(100, form->hwnd);
    const Picture card = CaptureClient(Card());
    WriteBmp(OutputPath(PrefixDpi() == 96 ? L"korvalo-card.bmp" : L"korvalo-card-144dpi.bmp"),
             card);
    ASSERT_EQ(card.width, Scaled(312));
    ASSERT_EQ(card.height, Scaled(169));
    SIZE at144{};  // the frame at 144 DPI: the card has no borders
    EXPECT_TRUE(SendMessageW(Card(), kWmGetDpiScaledSize, 144, reinterpret_cast<LPARAM>(&at144)));
    EXPECT_EQ(at144.cx, Scaled(312, 144));
    EXPECT_EQ(at144.cy, Scaled(169, 144));
    EXPECT_EQ(card.At(Scaled(300), Scaled(100)), RGB(0, 255, 0));
    EXPECT_EQ(card.At(Scaled(200), Scaled(8)), RGB(255, 128, 128)) << "outer frame";
    EXPECT_EQ(card.At(Scaled(200), Scaled(16)), RGB(255, 255, 192)) << "inner frame";
    EXPECT_EQ(card.At(Scaled(4), Scaled(4)), RGB(0, 255, 0))
        << "the frames are open at the top-left";
    // The name and the version fit their text from their corners.
    const RECT name = RectInParent(FindControl(Card(), kIdCardLabel1));
    const RECT version = RectInParent(FindControl(Card(), kIdCardLabel2));
    EXPECT_EQ(name.left, Scaled(108));
    EXPECT_EQ(name.top, Scaled(24));
    EXPECT_LT(name.right - name.left, Scaled(185));
    EXPECT_EQ(version.left, Scaled(168));
    EXPECT_EQ(version.top, Scaled(72));
}

// Creation fails for want of handles or desktop heap: here one control cannot be made, so its
// window's WM_CREATE fails. A window that never opened ends nothing: no WM_QUIT closes the
// message that the program cannot start before the user has read it.
int refusedId = 0;
LRESULT CALLBACK RefuseControl(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->hMenu ==
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(refusedId))) {
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Windows then sends WM_DESTROY and WM_NCDESTROY to the window and its children; Wine sends
// only WM_NCDESTROY, so the hook sends WM_DESTROY before it, as Windows does.
std::set<HWND> destroyed;
LRESULT CALLBACK DestroyAsWindowsDoes(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (sent->message == WM_DESTROY) {
        destroyed.insert(sent->hwnd);
    } else if (sent->message == WM_NCDESTROY && !destroyed.count(sent->hwnd)) {
        SendMessageW(sent->hwnd, WM_DESTROY, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(StartupFailure, CannotStartMessageStaysUp) {
    // 现在读阻值 of the main window, and the name on the card.
    for (int id : {kIdCommand2, kIdCardLabel1}) {
        refusedId = id;
        destroyed.clear();
        const ThreadHook refuse = HookThread(WH_CBT, RefuseControl);
        const ThreadHook destroy = HookThread(WH_CALLWNDPROC, DestroyAsWindowsDoes);
        MessageBoxWatcher watcher;
        {
            Program program(GetModuleHandleW(nullptr));
            EXPECT_FALSE(program.Start(SW_SHOW)) << id;
            EXPECT_FALSE(TakeQuit()) << id;
        }
        ASSERT_EQ(watcher.seen.size(), 1u) << id;
        EXPECT_EQ(watcher.seen[0].text, L"程序无法启动：无法创建窗口。") << id;
        TakeQuit();
    }
}

// Without GetDpiForWindow and AdjustWindowRectExForDpi, as on Windows 8.1, the windows take
// their monitor's DPI from shcore, which nothing loads otherwise.
TEST(StartupOnOlderWindows, WindowsTakeTheMonitorDpi) {
    EXPECT_EQ(GetModuleHandleW(L"shcore.dll"), nullptr);
    HideNewerDpiFunctions(true);
    {
        Program program(GetModuleHandleW(nullptr));
        ASSERT_TRUE(program.Start(SW_SHOW));
        EXPECT_NE(GetModuleHandleW(L"shcore.dll"), nullptr);
        RECT client;
        GetClientRect(program.Form().hwnd, &client);
        EXPECT_EQ(client.right, Scaled(553));
        EXPECT_EQ(client.bottom, Scaled(349));
    }
    HideNewerDpiFunctions(false);
    Pump(20);
    TakeQuit();
}

// 隶书 comes with an office suite, not with Windows, so most machines draw the card's name and
// version in a stand-in: the first one installed, here SimHei from the test prefix.
TEST(StartupWithoutLiShu, CardDrawsItsTitlesInTheStandInSizedToTheirText) {
    HideLiShu(true);
    {
        Program program(GetModuleHandleW(nullptr));
        ASSERT_TRUE(program.Start(SW_SHOW));
        Pump(100, program.Form().hwnd);
        HWND card = program.Card().hwnd;
        for (int id : {kIdCardLabel1, kIdCardLabel2}) {
            HWND label = FindControl(card, id);
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font,
                       &font);
            EXPECT_STREQ(font.lfFaceName, L"SimHei") << id;
            const SIZE extent = TextExtents(label, {TextOf(label)})[0];
            RECT box;
            GetClientRect(label, &box);
            EXPECT_EQ(box.right, extent.cx) << id;
            EXPECT_EQ(box.bottom, extent.cy) << id;
        }
        WriteBmp(OutputPath(L"korvalo-card-stand-in.bmp"), CaptureClient(card));
    }
    HideLiShu(false);
    Pump(20);
    TakeQuit();
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
        EXPECT_FALSE(ShowsHourglass(main)) << show;
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
