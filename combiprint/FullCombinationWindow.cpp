#include "FullCombinationWindowFactory.h"

#include "FullCombinationHandOver.h"
#include "GameProfile.h"
#include "Services.h"

#include <QDialog>

// Placeholder until the full-combination window is built: an empty modal window with its title.
QDialog* createFullCombinationWindow(const GameProfile& profile, Services& services,
                                     FullCombinationReceiver& receiver, QWidget* parent) {
    Q_UNUSED(services);
    Q_UNUSED(receiver);
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("Form2"));
    const int blanks = profile.game == 5 ? 70 : 24;
    dialog->setWindowTitle(QStringLiteral("Teljes kombináció választás.") +
                           QString(blanks, QLatin1Char(' ')) + QStringLiteral("Kelvadata/2008"));
    return dialog;
}
