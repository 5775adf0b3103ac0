#include "core/base/InstanceCheck.h"

#include "core/base/Services.h"

bool claimSingleInstance(const Services& services) {
    if (services.singleInstance.acquire()) {
        return true;
    }
    const QString name = services.program.executableName();
    services.messageBox.notice(name + QStringLiteral(" márt fut ! "), name);
    return false;
}
