// Fuzz target: loading any settings file in both families, then saving what was loaded.
#include "core/files/SettingsFile.h"
#include "fuzz/FuzzInput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

bool plainLine(const QByteArray& line) {
    if (!line.endsWith("\r\n")) {
        return false;
    }
    const QByteArray body = line.chopped(2);
    for (char c : body) {
        if (!(c == ',' || c == '.' || c == '-' || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

// Loads the bytes, then checks the line a save would write: plain, and a fixed point (saving
// the values loaded back from it writes it again). Every sixteenth input also saves for real.
void keyPrinter(const QString& path, const QByteArray& bytes, bool reallySave) {
    writeFile(path, bytes);
    const KeyPrinterSettings loaded = loadKeyPrinterSettings(path, KeyPrinterSettings{});
    FUZZ_CHECK(loaded.markIndex >= 0 && loaded.markIndex <= 2);
    FUZZ_CHECK(loaded.orientationIndex >= 0 && loaded.orientationIndex <= 1);
    const QByteArray line = keyPrinterSettingsLine(loaded);
    FUZZ_CHECK(plainLine(line) && line.count(',') == 4);
    writeFile(path, line);
    FUZZ_CHECK(keyPrinterSettingsLine(loadKeyPrinterSettings(path, KeyPrinterSettings{})) == line);
    if (reallySave) {
        FUZZ_CHECK(saveKeyPrinterSettings(path, loaded));
        FUZZ_CHECK(contentOf(path) == line);
    }
}

void combinationPrinter(const QString& path, const QByteArray& bytes, bool reallySave) {
    writeFile(path, bytes);
    const CombinationPrinterSettings loaded =
        loadCombinationPrinterSettings(path, CombinationPrinterSettings{});
    FUZZ_CHECK(loaded.markIndex >= 0 && loaded.markIndex <= 2);
    const QByteArray line = combinationPrinterSettingsLine(loaded);
    FUZZ_CHECK(plainLine(line) && line.count(',') == 2);
    writeFile(path, line);
    FUZZ_CHECK(combinationPrinterSettingsLine(
                   loadCombinationPrinterSettings(path, CombinationPrinterSettings{})) == line);
    if (reallySave) {
        FUZZ_CHECK(saveCombinationPrinterSettings(path, loaded));
        FUZZ_CHECK(contentOf(path) == line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const bool reallySave = size > 0 && data[size - 1] % 16 == 0;
    keyPrinter(folder.filePath(settingsFileName(PrinterFamily::Key, 6)), bytes, reallySave);
    combinationPrinter(folder.filePath(settingsFileName(PrinterFamily::Combination, 6)), bytes,
                       reallySave);
    return 0;
}
