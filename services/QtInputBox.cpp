#include "services/QtInputBox.h"

#include <QInputDialog>

QString QtInputBox::ask(const QString& prompt, const QString& title, const QString& preset) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, preset, &accepted);
    return accepted ? text : QString();
}
