#pragma once

#include <QPixmap>
#include <QSize>

namespace examtrainer {

// The start screen's picture: an aircraft on final approach over a runway at dusk, drawn here
// so that the program needs no picture file.
QPixmap drawTitlePicture(QSize size);

} // namespace examtrainer
