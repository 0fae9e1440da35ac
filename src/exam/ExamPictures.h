#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>

namespace examtrainer {

// The pointer the exam window's clickable controls show: a small aircraft pointing up-left.
QCursor examPointer();

// A compass star for the corners of the exam window's frame.
QPixmap drawCornerPicture(QSize size);

// The chequered flag on the Finish control.
QPixmap drawFinishPicture(QSize size);

} // namespace examtrainer
