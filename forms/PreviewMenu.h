#pragma once

class QAction;
class QWidget;

// Gives a print button the context menu (right click) with its one item "Előnézet…"; the
// caller connects what the item starts. The button's own click stays as it is.
QAction* addPreviewMenu(QWidget& button);
