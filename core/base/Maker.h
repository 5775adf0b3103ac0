#pragma once

#include <QString>

// The maker's texts printed in slip headers and on the A4 listing, and the title of its
// messages.
namespace Maker {
inline const QString name = QStringLiteral("Kelvadata/2010");
inline const QString telephoneLine = QStringLiteral("Tel: 06-1-555-0142");
inline const QString messageTitle = QStringLiteral("Kelvadata/2010");
} // namespace Maker
