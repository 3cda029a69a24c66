#include "systemcolours.h"

#ifdef _WIN32
#include <windows.h>
#endif

QColor TitleBarTextColour() {
#ifdef _WIN32
    const COLORREF c = GetSysColor(COLOR_CAPTIONTEXT);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
#else
    return QColor(255, 255, 255);
#endif
}
