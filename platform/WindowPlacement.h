#pragma once

class QSize;
class QWidget;

// Centres a top-level window on a screen of the given size: left = (screen width - window
// width) / 2, top likewise, with the window's outer size, its frame included. The native window
// is made first, so the frame the platform gives it is known before it is shown.
void centreOnScreen(QWidget& window, const QSize& screen);
