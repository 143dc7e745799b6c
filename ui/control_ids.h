#pragma once

#include <windows.h>

// Window classes and control IDs of every window, for the program, its tests and automation.
inline constexpr wchar_t kMainWindowClass[] = L"KorvaloMain";
inline constexpr wchar_t kCardWindowClass[] = L"KorvaloCard";
inline constexpr wchar_t kFrameClass[] = L"KorvaloFrame";
inline constexpr wchar_t kColourBoxClass[] = L"KorvaloColourBox";

// Main window.
inline constexpr int kIdFrame1 = 101;
inline constexpr int kIdFrame2 = 102;
inline constexpr int kIdFrame3 = 103;
inline constexpr int kIdFrame4 = 104;
inline constexpr int kIdFrame5 = 105;
inline constexpr int kIdLabel1 = 111;
inline constexpr int kIdLabel2 = 112;
inline constexpr int kIdLabel3 = 113;
inline constexpr int kIdLabel4 = 114;
inline constexpr int kIdCommand1 = 121;
inline constexpr int kIdCommand2 = 122;
inline constexpr int kIdPicture1 = 200;  // + colour code 0 to 11
inline constexpr int kIdPicture2 = 220;  // + slot 0 to 4
inline constexpr UINT_PTR kIdTimer1 = 1;

// Start-up card.
inline constexpr int kIdCardLabel1 = 301;
inline constexpr int kIdCardLabel2 = 302;
inline constexpr int kIdCardLabel3 = 303;
inline constexpr int kIdCardLabel4 = 304;
