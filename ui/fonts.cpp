#include "fonts.h"

#include <cwchar>

#include "dpi.h"

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) noexcept {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = GB2312_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

const wchar_t* StandIn() {
    static const wchar_t* const found = [] {
        for (const wchar_t* face : {L"NSimSun", L"Microsoft YaHei", L"SimHei", L"KaiTi"}) {
            if (FaceInstalled(face)) {
                return face;
            }
        }
        return L"";
    }();
    return found;
}

const wchar_t* FindAvailableFace(const wchar_t* face) {
    return FaceInstalled(face) ? face : StandIn();
}

bool liShuHidden = false;

// Where the face is missing, one that has the glyphs stands in; failing all, the font
// mapper picks by character set. 隶书 comes with an office suite, not with Windows, so most
// machines take the stand-in. Enumerating fonts is slow, and the installed faces do not
// change while the program runs, so each face is looked up once.
const wchar_t* AvailableFace(Face face) {
    static const wchar_t* const songTi = FindAvailableFace(L"SimSun");
    static const wchar_t* const liShu = FindAvailableFace(L"LiSu");
    return face == Face::SongTi ? songTi : liShuHidden ? StandIn() : liShu;
}

}  // namespace

void HideLiShu(bool hide) {
    liShuHidden = hide;
}

Font CreateChineseFont(Face face, int hundredthsOfPoint, bool bold, UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -PointsToPixels(hundredthsOfPoint, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    // The user's own choice of font smoothing, ClearType or not.
    font.lfQuality = DEFAULT_QUALITY;
    wcsncpy(font.lfFaceName, AvailableFace(face), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}
