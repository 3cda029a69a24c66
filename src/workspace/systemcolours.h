// Colours that come from the desktop's colour scheme.
#pragma once

#include <QColor>

// The colour of title-bar text (white in the usual scheme); the canvas uses it
// as its background.
QColor TitleBarTextColour();
