#pragma once

#include "gdi.h"

enum class Face { SongTi, LiShu };  // 宋体 "SimSun", 隶书 "LiSu"

Font CreateChineseFont(Face face, int hundredthsOfPoint, bool bold, UINT dpi);
