#pragma once

#include <QPixmap>

// The 32 x 32 picture of the key printer window (Picture1) and its icon: a small lottery slip
// with a grid of cells, a few of them marked.
QPixmap slipPicture();
