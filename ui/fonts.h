#pragma once

#include "gdi.h"

inline constexpr wchar_t kSongTi[] = L"SimSun";  // 宋体
inline constexpr wchar_t kLiShu[] = L"LiSu";     // 隶书

Font CreateChineseFont(const wchar_t* face, int hundredthsOfPoint, bool bold, UINT dpi);
