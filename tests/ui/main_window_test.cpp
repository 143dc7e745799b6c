#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "colours.h"
#include "main_window_fixture.h"
#include "reading_oracle.h"
#include "utf8.h"

bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

namespace {

// What a person can see of the reading: the band pictures with their colour names, the two
// results and the flipped indication.
struct ScreenState {
    std::vector<std::wstring> bands;
    std::wstring resistance, tolerance;
    bool flipped;
    bool operator==(const ScreenState&) const = default;
};

class MainWindowReadingTest : public MainWindowTest {
protected:
    ScreenState State() {
        ScreenState state;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            state.bands.push_back(IsWindowVisible(Band(slot)) ? TextOf(Band(slot)) : L"-");
        }
        state.resistance = TextOf(Control(kIdLabel2));
        state.tolerance = TextOf(Control(kIdLabel3));
        state.flipped = IsWindowVisible(Control(kIdLabel4));
        return state;
    }
};

// Each control and its container, 0 for the window.
std::vector<std::pair<int, int>> Containment() {
    std::vector<std::pair<int, int>> rows = {
        {kIdFrame1, 0},         {kIdLabel1, kIdFrame1},   {kIdFrame2, 0},
        {kIdFrame3, kIdFrame2}, {kIdLabel4, kIdFrame2},   {kIdFrame4, kIdFrame2},
        {kIdFrame5, 0},         {kIdCommand1, kIdFrame5}, {kIdCommand2, kIdFrame5},
    };
    for (int n = 0; n < kColourCount; ++n) {
        rows.push_back({kIdPicture1 + n, kIdFrame1});
    }
    for (int i = 0; i < kSlotCount; ++i) {
        rows.push_back({kIdPicture2 + i, kIdFrame3});
    }
    return rows;
}

// What a person sees of the layout: every control whole inside its container, none over
// another, the swatches and the band pictures in even rows, each swatch's name under it.
std::map<int, RECT> ExpectLayout(MainWindowTest& test, HWND form) {
    std::map<int, RECT> rects;
    for (const auto& [id, parentId] : Containment()) {
        HWND control = test.Control(id);
        HWND parent = parentId == 0 ? form : test.Control(parentId);
        EXPECT_EQ(GetParent(control), parent) << id;
        RECT client, r = RectInParent(control), both;
        GetClientRect(parent, &client);
        EXPECT_TRUE(IntersectRect(&both, &client, &r) && EqualRect(&both, &r)) << id;
        for (const auto& [other, otherRect] : rects) {
            EXPECT_TRUE(GetParent(test.Control(other)) != parent ||
                        !IntersectRect(&both, &otherRect, &r))
                << id << " over " << other;
        }
        rects[id] = r;
    }
    for (auto [first, count] : {std::pair{kIdPicture1, kColourCount}, {kIdPicture2, kSlotCount}}) {
        const RECT a = rects[first], b = rects[first + 1];
        for (int i = 1; i < count; ++i) {
            const RECT r = rects[first + i];
            EXPECT_EQ(r.left - rects[first + i - 1].left, b.left - a.left) << first + i;
            EXPECT_EQ(r.top, a.top);
            EXPECT_EQ(r.right - r.left, a.right - a.left);
            EXPECT_EQ(r.bottom - r.top, a.bottom - a.top);
        }
    }
    EXPECT_GT(rects[kIdLabel1].top, rects[kIdPicture1].bottom) << "names under the swatches";
    return rects;
}

TEST_F(MainWindowTest, EveryControlSitsAtItsPlaceForTheStartingDpi) {
    const UINT dpi = PrefixDpi();
    RECT client;
    GetClientRect(form->hwnd, &client);
    EXPECT_EQ(client.right, Scaled(553, dpi));
    EXPECT_EQ(client.bottom, Scaled(349, dpi));
    ExpectLayout(*this, form->hwnd);
    if (dpi == 96) {
        // Inside its two-pixel sunken border a swatch shows 29 × 53 pixels of colour.
        GetClientRect(Swatch(0), &client);
        EXPECT_EQ(client.right, 29);
        EXPECT_EQ(client.bottom, 53);
    } else {
        WriteBmp(OutputPath(L"korvalo-main-started-at-144dpi.bmp"), CaptureWindow(form->hwnd));
    }
}

// The hand the swatches show, as a side of its image in pixels.
int HandSize(HWND swatch) {
    SendMessageW(swatch, WM_SETCURSOR, reinterpret_cast<WPARAM>(swatch),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    ICONINFO info{};
    GetIconInfo(GetCursor(), &info);
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return mask.bmWidth;
}

// Windows gives a window the title bar and borders of its new DPI, where Wine keeps those of
// the system's: this gives it those of `border`, as Windows would.
LRESULT CALLBACK WithBorders(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR border) {
    if (message == WM_NCCALCSIZE && wParam) {
        RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
        const RECT& b = *reinterpret_cast<const RECT*>(border);
        r = {r.left - b.left, r.top - b.top, r.right - b.right, r.bottom - b.bottom};
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(MainWindowTest, DpiChangeScalesLayoutFontsAndTheHand) {
    EXPECT_EQ(HandSize(Swatch(3)), 32);
    Enter({kGold, 2, 0, 1});
    Press(kIdCommand2);
    const RECT label96 = RectInParent(Control(kIdLabel2));
    const std::map<int, RECT> at96 = ExpectLayout(*this, form->hwnd);
    // Where Windows does not scale the title bar and borders, the suggested frame is off: the
    // window takes its place, and its client area is still the laid-out size.
    RECT start;
    GetWindowRect(form->hwnd, &start);
    const auto expectClientAtItsPlace = [&](UINT dpi) {
        RECT client, frame;
        GetClientRect(form->hwnd, &client);
        GetWindowRect(form->hwnd, &frame);
        EXPECT_EQ(client.right, Scaled(553, dpi));
        EXPECT_EQ(client.bottom, Scaled(349, dpi));
        EXPECT_EQ(frame.left, start.left);
        EXPECT_EQ(frame.top, start.top);
    };

    ChangeDpi(form->hwnd, 96, 144, 20);
    expectClientAtItsPlace(144);
    const std::map<int, RECT> at144 = ExpectLayout(*this, form->hwnd);
    for (const auto& [id, r] : at144) {
        const RECT was = at96.at(id);
        EXPECT_EQ(r.left, Scaled(was.left, 144)) << id;
        EXPECT_EQ(r.top, Scaled(was.top, 144)) << id;
        EXPECT_NEAR(r.right - r.left, 1.5 * (was.right - was.left), 1) << id;
        EXPECT_NEAR(r.bottom - r.top, 1.5 * (was.bottom - was.top), 1) << id;
    }
    Pump(50, form->hwnd);
    WriteBmp(OutputPath(L"korvalo-main-144dpi.bmp"), CaptureClient(form->hwnd));
    // The self-sizing label was measured again with the larger font.
    const RECT label144 = RectInParent(Control(kIdLabel2));
    EXPECT_NEAR(label144.bottom - label144.top, 1.5 * (label96.bottom - label96.top), 3);
    EXPECT_NEAR(label144.right - label144.left, 1.5 * (label96.right - label96.left), 6);
    EXPECT_EQ(HandSize(Swatch(3)), 48) << "drawn for 144 DPI, not stretched";

    ChangeDpi(form->hwnd, 144, 96, -20);
    expectClientAtItsPlace(96);
    EXPECT_EQ(ExpectLayout(*this, form->hwnd), at96);

    // A change while minimised, whose suggestion is for the icon, shows when the window is
    // restored where it was.
    ShowWindow(form->hwnd, SW_MINIMIZE);
    ChangeDpi(form->hwnd, 96, 144);
    ShowWindow(form->hwnd, SW_RESTORE);
    expectClientAtItsPlace(144);
    EXPECT_EQ(ExpectLayout(*this, form->hwnd), at144);

    // Windows 10 1703 first asks for the frame at the new DPI, then suggests a place of that
    // size, which the window takes as it is, with the borders Windows then gives it.
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjust = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT border{};
    ASSERT_TRUE(
        adjust(&border, static_cast<DWORD>(GetWindowLongW(form->hwnd, GWL_STYLE)), FALSE, 0, 144));
    SIZE size{};
    ASSERT_TRUE(
        SendMessageW(form->hwnd, kWmGetDpiScaledSize, 144, reinterpret_cast<LPARAM>(&size)));
    EXPECT_EQ(size.cx, 830 + border.right - border.left);
    EXPECT_EQ(size.cy, 524 + border.bottom - border.top);
    SetWindowSubclass(form->hwnd, WithBorders, 0, reinterpret_cast<DWORD_PTR>(&border));
    RECT suggested{start.left, start.top, start.left + size.cx, start.top + size.cy}, frame;
    SendMessageW(form->hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(form->hwnd, &frame);
    EXPECT_EQ(frame, suggested) << "no second change of size";
    RemoveWindowSubclass(form->hwnd, WithBorders, 0);
}

TEST_F(MainWindowReadingTest, MessageBoxesChangeNothingElse) {
    const struct {
        std::initializer_list<int> before;
        int click;  // a swatch code, or a button ID
        const wchar_t* text;
    } rows[] = {
        {{3, 3, 3, 3, 3}, 9, L"你已经选了5个色环了！"},
        {{}, kIdCommand2, L"目前认识水平色环不能少于3！"},
        {{4, 7}, kIdCommand2, L"目前认识水平色环不能少于3！"},
        {{1, 10, 2, 10}, kIdCommand2, L"金色和银色不能作为数字色环！"},
    };
    for (const auto& row : rows) {
        Press(kIdCommand1);
        Enter({10, 2, 0, 1});
        Press(kIdCommand2);
        Press(kIdCommand1);
        Enter(row.before);
        const ScreenState before = State();
        MessageBoxWatcher watcher;
        if (row.click >= kIdCommand1) {
            Press(row.click);
        } else {
            Enter({row.click});
        }
        Pump(100, form->hwnd);
        ASSERT_EQ(watcher.seen.size(), 1u) << row.click;
        EXPECT_EQ(watcher.seen[0].title, L"提示");
        EXPECT_EQ(watcher.seen[0].text, row.text);
        EXPECT_EQ(watcher.seen[0].buttons, 1);
        EXPECT_FALSE(watcher.seen[0].icon);
        EXPECT_EQ(State(), before);
    }
}

TEST_F(MainWindowReadingTest, DoubleClickEntersOneBand) {
    RealClick(Swatch(6), {14, 26}, 2);
    EXPECT_EQ(State().bands, (std::vector<std::wstring>{L"蓝", L"-", L"-", L"-", L"-"}));
}

TEST_F(MainWindowReadingTest, ClicksOutsideSwatchesAndButtonsChangeNothing) {
    Enter({10, 2, 0, 1});
    Press(kIdCommand2);
    const ScreenState before = State();
    MessageBoxWatcher watcher;
    for (int id : {kIdPicture2, kIdPicture2 + 3, kIdLabel1, kIdLabel2, kIdLabel3, kIdLabel4,
                   kIdFrame1, kIdFrame2, kIdFrame3, kIdFrame4, kIdFrame5}) {
        Click(Control(id));
    }
    Click(Control(kIdFrame2), {240, 40});  // on the arrows picture
    Pump(50, form->hwnd);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(watcher.seen.empty());
}

// However the focus moves, the focused button, and only it, looks like the default, and Enter
// presses it; on a swatch Enter presses nothing. After a restore Windows gives the focus to the
// window itself, which hands it on as a dialog does, to the control that had it.
TEST_F(MainWindowReadingTest, KeyboardDrivesBothButtons) {
    MessageBoxWatcher watcher;
    // 现在读阻值 shows a box with fewer than three bands; 重来 takes the band away.
    const auto pressedBy = [&](WORD key) {
        const size_t boxes = watcher.seen.size();
        Enter({1});
        RealKey(key);
        Pump(150, form->hwnd);
        return watcher.seen.size() > boxes ? kIdCommand2
               : IsWindowVisible(Band(0))  ? 0
                                           : kIdCommand1;
    };
    const auto click = [&](int id) { RealClick(Control(id), {12, 12}); };
    const auto minimiseLeaveAndRestore = [&] {
        HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                     nullptr, nullptr, nullptr, nullptr);
        SendMessageW(form->hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        SetActiveWindow(other);
        Pump(50, form->hwnd);
        SendMessageW(form->hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        DestroyWindow(other);
        SetFocus(form->hwnd);
    };
    const struct {
        const char* step;
        std::function<void()> act;
        int focused;  // the button that looks like the default, 0 for neither
        WORD enter = VK_RETURN;
    } steps[] = {
        {"start", [] {}, kIdCommand2},
        {"Tab", [] { RealKey(VK_TAB); }, kIdCommand1},
        {"click 现在读阻值, box", [&] { click(kIdCommand2); }, kIdCommand2},
        {"arrow to a label", [] { RealKey(VK_LEFT); }, kIdCommand2},
        {"arrow to a button", [] { RealKey(VK_RIGHT); }, kIdCommand1},
        {"click a swatch", [&] { click(kIdPicture1 + 4); }, kIdCommand1},
        {"restore", minimiseLeaveAndRestore, kIdCommand1, VK_SPACE},
        {"Tab to a swatch", [] { RealKey(VK_TAB); }, 0},
        {"click 重来", [&] { click(kIdCommand1); }, kIdCommand1},
    };
    for (const auto& step : steps) {
        step.act();
        Pump(50, form->hwnd);
        for (int id : {kIdCommand1, kIdCommand2}) {
            EXPECT_EQ(GetWindowLongW(Control(id), GWL_STYLE) & BS_TYPEMASK,
                      id == step.focused ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)
                << step.step << ", button " << id;
        }
        EXPECT_EQ(pressedBy(step.enter), step.focused) << step.step;
    }
}

// Real keys: the dialog manager walks the buttons, the swatches, then the visible bands. A
// focused swatch shows its focus rectangle, and keys do nothing on it.
TEST_F(MainWindowReadingTest, TabWalksButtonsSwatchesAndVisibleBands) {
    Enter({1, 0, 2});
    const COLORREF brown = ResolveColour(kPalette[1].value);
    auto focusMarks = [&](HWND box) {
        Pump(30, form->hwnd);
        const Picture picture = CaptureClient(box);
        int marks = 0;
        for (int y = 0; y < picture.height; ++y) {
            marks += picture.At(2, y) != brown;
        }
        return marks;
    };
    EXPECT_EQ(focusMarks(Swatch(1)), 0);
    ASSERT_EQ(GetFocus(), Control(kIdCommand2));

    std::vector<HWND> expected = {Control(kIdCommand1)};
    for (int code = 0; code < kColourCount; ++code) {
        expected.push_back(Swatch(code));
    }
    expected.insert(expected.end(), {Band(0), Band(1), Band(2), Control(kIdCommand2)});
    for (size_t step = 0; step < expected.size(); ++step) {
        RealKey(VK_TAB);
        Pump(30, form->hwnd);
        ASSERT_EQ(GetFocus(), expected[step]) << "Tab " << step + 1;
        if (expected[step] == Swatch(1)) {
            EXPECT_GT(focusMarks(Swatch(1)), 20) << "the focus rectangle shows";
            RealKey(VK_SPACE);
            RealKey(VK_RETURN);
            Pump(50, form->hwnd);
            EXPECT_FALSE(IsWindowVisible(Band(3))) << "keys do nothing on a swatch";
        }
    }
}

class MainWindowPixelTest : public MainWindowTest {
protected:
    COLORREF Centre(HWND control) {
        Pump(30, form->hwnd);
        const Picture picture = CaptureClient(control);
        return picture.At(picture.width / 2, picture.height / 2);
    }
};

TEST_F(MainWindowPixelTest, BandsShowTheirSwatchColour) {
    for (int code = 0; code < kColourCount; ++code) {
        Press(kIdCommand1);
        Enter({code});
        const COLORREF expected = ResolveColour(kPalette[code].value);
        EXPECT_EQ(Centre(Swatch(code)), expected) << code;
        EXPECT_EQ(Centre(Band(0)), expected) << code;
    }
}

TEST_F(MainWindowPixelTest, GoldFollowsTheSystemColourScheme) {
    Enter({kGold});
    const int element = COLOR_INFOBK;
    const COLORREF original = GetSysColor(element);
    const COLORREF changed = RGB(200, 150, 40);
    SetSysColors(1, &element, &changed);
    SendMessageW(form->hwnd, WM_SYSCOLORCHANGE, 0, 0);
    const COLORREF swatch = Centre(Swatch(kGold));
    const COLORREF band = Centre(Band(0));
    SetSysColors(1, &element, &original);
    SendMessageW(form->hwnd, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(swatch, changed);
    EXPECT_EQ(band, changed);
}

TEST_F(MainWindowPixelTest, ArrowsShowWithTheFlippedIndication) {
    auto redInArrowsBox = [&] {
        Pump(30, form->hwnd);
        const Picture frame = CaptureClient(Control(kIdFrame2));
        int red = 0;
        for (int y = 24; y < 88; ++y) {
            for (int x = 224; x < 288; ++x) {
                red += frame.At(x, y) == RGB(255, 0, 0);
            }
        }
        return red;
    };
    EXPECT_EQ(redInArrowsBox(), 0);
    Enter({kGold, 2, 0, 1});
    Press(kIdCommand2);
    EXPECT_GT(redInArrowsBox(), 200);
    WriteBmp(OutputPath(L"korvalo-main.bmp"), CaptureWindow(form->hwnd));
    // The label stands on the picture's transparent margin: nothing of the arrows is under it.
    HWND label = Control(kIdLabel4);
    ShowWindow(label, SW_HIDE);
    Pump(30, form->hwnd);
    const RECT box = RectInParent(label);
    const Picture frame = CaptureClient(Control(kIdFrame2));
    int painted = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            painted += frame.At(x, y) != GetSysColor(COLOR_BTNFACE);
        }
    }
    ShowWindow(label, SW_SHOWNA);
    EXPECT_EQ(painted, 0);
    Press(kIdCommand1);
    EXPECT_EQ(redInArrowsBox(), 0);
}

// Every caption a reading can give and every tolerance text, measured in its label's own
// font, fits inside 对应的阻值 and its etched edge, before and after a change to 144 DPI.
TEST_F(MainWindowTest, EveryResultTextFitsInsideItsFrame) {
    std::set<std::wstring> resistanceSet, toleranceSet;
    for (int digits = 0; digits < 1000; ++digits) {
        for (int exponent = -2; exponent <= 9; ++exponent) {
            resistanceSet.insert(Widen(ExactCaption(digits, exponent)));
        }
    }
    for (int code = -1; code < kColourCount; ++code) {
        toleranceSet.insert(Widen(ExpectedTolerance(code)));
    }
    const std::vector<std::wstring> resistances(resistanceSet.begin(), resistanceSet.end());
    const std::vector<std::wstring> tolerances(toleranceSet.begin(), toleranceSet.end());
    for (UINT at : {PrefixDpi(), PrefixDpi() == 96 ? 144u : 96u}) {
        ChangeDpi(form->hwnd, PrefixDpi(), at);
        RECT frame;
        GetClientRect(Control(kIdFrame4), &frame);
        InflateRect(&frame, -2, -2);
        for (const auto& [id, texts] :
             {std::pair{kIdLabel2, &resistances}, {kIdLabel3, &tolerances}}) {
            const RECT label = RectInParent(Control(id));
            const std::vector<SIZE> extents = TextExtents(Control(id), *texts);
            for (size_t i = 0; i < texts->size(); ++i) {
                EXPECT_LE(label.left + extents[i].cx, frame.right) << at << " DPI: " << (*texts)[i];
                EXPECT_LE(label.top + extents[i].cy, frame.bottom) << at << " DPI: " << (*texts)[i];
            }
        }
    }
}

}  // namespace
