// Fuzz target: choosing any file as a key, in any of the six programs, with the same bytes as
// the last-folder file. The first byte picks the program and the fields-per-slip text.
#include "core/base/FieldReader.h"
#include "core/base/NumberText.h"
#include "core/files/KeyFile.h"
#include "core/keys/KeyChooser.h"
#include "fuzz/FuzzInput.h"
#include "tests/support/FakeKeyListView.h"
#include "tests/support/FakeServices.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

QStringList allFields(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return FieldReader(buffer).readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    const uint8_t pick = size > 0 ? data[0] : 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const PrinterFamily family = pick & 1 ? PrinterFamily::Combination : PrinterFamily::Key;
    const int game = 5 + (pick >> 1) % 3;
    const QString fieldsPerSlip = QString::number(int(pick >> 3) - 3);

    const QString keyPath = folder.filePath(QStringLiteral("kulcs.txt"));
    writeFile(keyPath, bytes);
    writeFile(folder.filePath(QStringLiteral("filenev.txt")), bytes);

    FakeServices fakes;
    fakes.program.folder = folder.path();
    fakes.fileDialog.answers.push_back(keyPath);
    Services services = fakes.services();
    KeyChooser chooser(gameProfile(game), family, services);
    FakeKeyListView view(fieldsPerSlip);
    chooser.choose(view);
    const ShownKey& choice = view.shown;

    FUZZ_CHECK(fakes.fileDialog.requests.size() == 1);
    FUZZ_CHECK(chooser.currentFileName() == keyPath);
    FUZZ_CHECK(fakes.messageBox.shown.size() <= 2);
    FUZZ_CHECK(choice.rows.size() <= maxKeyRows);
    FUZZ_CHECK(choice.rowCountCaption.has_value() && choice.widthCaption.has_value());
    if (!choice.rows.isEmpty()) {
        // Loading the file gives exactly the fields of the data, in order.
        FUZZ_CHECK(choice.rows == allFields(bytes).mid(0, maxKeyRows));
        FUZZ_CHECK(*choice.rowCountCaption == strForm(choice.rows.size()));
    }
    if (family == PrinterFamily::Key) {
        FUZZ_CHECK(choice.slipCountCaption.has_value());
        if (choice.fieldsPerSlipText) {
            const int maximum = game == 5 ? 6 : game == 6 ? 8 : 10;
            FUZZ_CHECK(*choice.fieldsPerSlipText == QString::number(maximum));
        }
    } else {
        FUZZ_CHECK(!choice.slipCountCaption && !choice.fieldsPerSlipText);
    }
    return 0;
}
