#pragma once

// The program's icon, drawn at every size from 16 to 256 pixels, for the window icon of
// every window and for the about box's picture.

#include <QIcon>
#include <QPixmap>

namespace zarn {

// Every size of the icon, so that each place picks the sharpest one.
QIcon ProgramIcon();

// The icon drawn at one size (16, 24, 32, 48, 64, 128 or 256 pixels).
QPixmap ProgramIconPixmap(int size);

} // namespace zarn
