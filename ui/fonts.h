#pragma once

#include "gdi.h"

enum class Face { SongTi, LiShu };  // 宋体 "SimSun", 隶书 "LiSu"

Font CreateChineseFont(Face face, int hundredthsOfPoint, bool bold, UINT dpi);
// Makes 隶书 look missing, as it is on most machines, so that tests can run the stand-in's
// path.
void HideLiShu(bool hide);
