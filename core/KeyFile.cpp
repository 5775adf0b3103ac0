#include "KeyFile.h"

#include "FieldReader.h"

#include <algorithm>

KeyRows readKeyRows(QIODevice& device, int maxRows, qsizetype maxCharacters) {
    KeyRows key;
    qsizetype characters = 0;
    FieldReader reader(device, std::min(maxCharacters, FieldReader::defaultMaxFieldLength));
    while (std::optional<QString> field = reader.next()) {
        characters += field->size();
        if (key.rows.size() >= maxRows || characters > maxCharacters) {
            key.stoppedEarly = true;
            return key;
        }
        key.rows.append(std::move(*field));
    }
    key.stoppedEarly = reader.failed();
    return key;
}
