#pragma once

class QSize;
class QWidget;

// Centres a top-level window on a screen of the given size: left = (screen width - window
// width) / 2, top likewise, with the window's outer size, its frame included. A window manager
// gives the window its frame only once the window is mapped, so the window is placed by what is
// known now and placed once more when it is first shown on the screen, when its frame is known.
void centreOnScreen(QWidget& window, const QSize& screen);
