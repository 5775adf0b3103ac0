#include "core/base/InstanceCheck.h"

#include "core/base/Services.h"

bool claimSingleInstance(Services& services) {
    if (services.singleInstance.acquire()) {
        return true;
    }
    const QString name = services.program.executableName();
    services.messageBox.show(name + QStringLiteral(" márt fut ! "),
                             MessageBoxService::Icon::Exclamation, MessageBoxService::Buttons::Ok,
                             name);
    return false;
}
