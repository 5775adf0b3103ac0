#include "core/files/KeyFile.h"

#include "core/base/FieldReader.h"

#include <algorithm>

namespace {

// Room for about as many rows as a file of this size holds (a key row with its line end takes
// at least three bytes; a file of shorter fields only makes the list grow as usual), at most
// maxRows. Reserving the row list before the rows are made keeps it
// from being copied as it grows, and lets the allocator reuse the memory of the previous key
// instead of giving it back to the system and faulting it in again (loading a key of exactly
// the maximum size cost 500 page faults a time without it).
qsizetype expectedRows(const QIODevice& device, int maxRows) {
    if (device.isSequential() || maxRows <= 0) {
        return 0;
    }
    const qint64 bytes = std::max<qint64>(device.size() - device.pos(), 0);
    return qsizetype(std::min<qint64>(maxRows, bytes / 3 + 1));
}

} // namespace

KeyRows readKeyRows(QIODevice& device, int maxRows, qsizetype maxCharacters) {
    KeyRows key;
    qsizetype characters = 0;
    FieldReader reader(device, std::min(maxCharacters, FieldReader::defaultMaxFieldLength));
    key.rows.reserve(expectedRows(device, maxRows));
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
