#include "KeyFile.h"

#include "FieldReader.h"

KeyRows readKeyRows(QIODevice& device, int maxRows) {
    KeyRows key;
    FieldReader reader(device);
    while (std::optional<QString> field = reader.next()) {
        if (key.rows.size() >= maxRows) {
            key.stoppedEarly = true;
            return key;
        }
        key.rows.append(std::move(*field));
    }
    key.stoppedEarly = reader.failed();
    return key;
}
