#include "forms/PreviewMenu.h"

#include <QAction>
#include <QWidget>

QAction* addPreviewMenu(QWidget& button) {
    auto* preview = new QAction(QStringLiteral("Előnézet…"), &button);
    preview->setObjectName(button.objectName() + QStringLiteral("Preview"));
    button.addAction(preview);
    button.setContextMenuPolicy(Qt::ActionsContextMenu);
    return preview;
}
