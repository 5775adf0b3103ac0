// Fuzz target: the field reader over any bytes, read whole and in small pieces.
#include "core/base/FieldReader.h"
#include "fuzz/FuzzInput.h"

#include <QBuffer>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace {

QStringList readAll(QIODevice& device) {
    FieldReader reader(device);
    const QStringList fields = reader.readAll();
    FUZZ_CHECK(!reader.failed());
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer whole;
    whole.setData(bytes);
    whole.open(QIODevice::ReadOnly);
    const QStringList fields = readAll(whole);

    qsizetype characters = 0;
    for (const QString& field : fields) {
        FUZZ_CHECK(!field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n')));
        characters += field.size();
    }
    FUZZ_CHECK(characters <= qsizetype(size));
    FUZZ_CHECK(fields.size() <= qsizetype(size) + 1);

    // The same data in pieces of 1..8 bytes gives the same fields.
    const qint64 chunk = size == 0 ? 1 : 1 + data[0] % 8;
    ChunkedDevice pieces(bytes, chunk);
    FUZZ_CHECK(readAll(pieces) == fields);
    return 0;
}
