#include "core/files/SettingsFile.h"

#include "core/base/FieldReader.h"
#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/files/FileAttributes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace {

// Up to count fields of the file; nothing when it cannot be opened. Fields missing because
// the file ends early are empty.
std::optional<QStringList> readValues(const QString& path, int count) {
    QFile file(path);
    if (!openRegularFile(file)) {
        return std::nullopt;
    }
    FieldReader reader(file);
    QStringList values;
    while (values.size() < count) {
        std::optional<QString> field = reader.next();
        values.append(field ? *field : QString());
    }
    return values;
}

// A loaded value as a text box shows it: plain decimal, an empty value gives an empty box.
QString boxText(const QString& value) {
    if (withoutSurroundingBlanks(value).isEmpty()) {
        return QString();
    }
    return plainDecimal(leadingNumber(value));
}

// Option index read from the file; an empty value is 0.
long long optionIndex(const QString& value) {
    return roundHalfEven(leadingNumber(value));
}

// Selects the option from the file when it names one of the group's options.
int selectOption(const QString& value, int options, int current) {
    const long long index = optionIndex(value);
    return index >= 0 && index < options ? static_cast<int>(index) : current;
}

int writtenIndex(int index) {
    return index < 0 ? 0 : index;
}

QByteArray settingsLine(const QStringList& values) {
    return values.join(QLatin1Char(',')).toLatin1() + "\r\n";
}

// Replaces the file with the line: the new content goes to a temporary file beside it that
// then takes the old file's place, so a failure at any step leaves the old file whole.
bool writeLine(const QString& path, const QByteArray& line) {
    if (QFileInfo(path).isDir()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(line) != line.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

SettingsLocation settingsLocation(const ProgramInfo& program, PrinterFamily family, int game) {
    const QString name = settingsFileName(family, game);
    return {name, program.readPath(name), program.programFolder() + QLatin1Char('/') + name};
}

QString settingsFileName(PrinterFamily family, int game) {
    if (family == PrinterFamily::Key) {
        switch (game) {
        case 5:
            return QStringLiteral("beall56.txt");
        case 7:
            return QStringLiteral("beall7a.txt");
        default:
            return QStringLiteral("beall6a.txt");
        }
    }
    switch (game) {
    case 5:
        return QStringLiteral("beall5k.txt");
    case 7:
        return QStringLiteral("beall7k.txt");
    default:
        return QStringLiteral("beall6k.txt");
    }
}

KeyPrinterSettings loadKeyPrinterSettings(const QString& path, KeyPrinterSettings current) {
    const std::optional<QStringList> values = readValues(path, 5);
    if (!values) {
        return current;
    }
    current.offsetDown = boxText(values->at(0));
    current.offsetRight = boxText(values->at(1));
    const double rowsPerColumn = leadingNumber(values->at(2));
    current.rowsPerColumn = plainDecimal(rowsPerColumn == 0.0 ? 60.0 : rowsPerColumn);
    current.markIndex = selectOption(values->at(3), 3, current.markIndex);
    current.orientationIndex = selectOption(values->at(4), 2, current.orientationIndex);
    return current;
}

CombinationPrinterSettings loadCombinationPrinterSettings(const QString& path,
                                                          CombinationPrinterSettings current) {
    const std::optional<QStringList> values = readValues(path, 3);
    if (!values) {
        current.offsetDown = QStringLiteral("0");
        current.offsetRight = QStringLiteral("0");
        current.markIndex = 0;
        return current;
    }
    current.offsetDown = boxText(values->at(0));
    current.offsetRight = boxText(values->at(1));
    current.markIndex = selectOption(values->at(2), 3, current.markIndex);
    return current;
}

QByteArray keyPrinterSettingsLine(const KeyPrinterSettings& values) {
    return settingsLine({plainDecimal(offsetNumber(values.offsetDown)),
                         plainDecimal(offsetNumber(values.offsetRight)),
                         plainDecimal(leadingNumber(values.rowsPerColumn)),
                         QString::number(writtenIndex(values.markIndex)),
                         QString::number(writtenIndex(values.orientationIndex))});
}

QByteArray combinationPrinterSettingsLine(const CombinationPrinterSettings& values) {
    return settingsLine({plainDecimal(offsetNumber(values.offsetDown)),
                         plainDecimal(offsetNumber(values.offsetRight)),
                         QString::number(writtenIndex(values.markIndex))});
}

bool saveKeyPrinterSettings(const QString& path, const KeyPrinterSettings& values) {
    const bool existed = QFileInfo::exists(path);
    const QFile::Permissions protection = QFile::permissions(path);
    setFileNormal(path); // a write-protected or hidden file is replaced all the same
    const bool saved = writeLine(path, keyPrinterSettingsLine(values));
    if (!saved && existed) {
        // The old file stays as it was, its write protection included.
        QFile::setPermissions(path, protection);
    }
    if (saved || existed) {
        setFileHidden(path, true); // the new file, or the old one kept whole
    }
    return saved;
}

bool saveCombinationPrinterSettings(const QString& path, const CombinationPrinterSettings& values) {
    return writeLine(path, combinationPrinterSettingsLine(values));
}
