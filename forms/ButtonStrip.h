#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

// A strip of buttons under a window's designed controls, for what the design has no room for:
// the buttons stand left to right in the window's font, every designed control keeps its place,
// and the buttons follow the designed controls in the tab order.
class ButtonStrip : public QWidget {
public:
    // A strip across the window at the given top, as wide as the window's client area.
    ButtonStrip(QWidget& window, int top, int width);

    QPushButton* addButton(const QString& objectName, const QString& caption);
};
