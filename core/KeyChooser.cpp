#include "KeyChooser.h"

#include "FieldReader.h"
#include "KeyFile.h"
#include "LastFolderFile.h"
#include "NumberText.h"
#include "RowText.h"
#include "SlipLayout.h"

#include <QFile>

#include <cmath>

namespace {

const QString tooManyRowsMessage = QStringLiteral("Maximum 32736 sorú kulcsot lehet nyomtatni !");
const QString wrongFormatMessage = QStringLiteral("Hibás kulcs formátum !");

QList<FileFilter> keyFilters() {
    return {FileFilter{QStringLiteral("Minden(*.*)"), QStringLiteral("*.*")},
            FileFilter{QStringLiteral("Text(*.txt)"), QStringLiteral("*.txt")}};
}

} // namespace

KeyChooser::KeyChooser(const GameProfile& profile, PrinterFamily family, Services& services)
    : profile_(profile), family_(family), services_(services) {}

QString KeyChooser::currentFileName() const {
    return currentFileName_;
}

int KeyChooser::maxFieldsPerSlip() const {
    return keySlip(profile_.game).maxFieldsPerSlip;
}

// The dialog opens in the program folder with the last preset name, unless filenev.txt names
// a key: then its folder and file name are preset.
FileOpenRequest KeyChooser::prepareDialog() {
    FileOpenRequest request;
    const QString programFolder = services_.program.programFolder();
    request.initialFolder = programFolder;
    if (const std::optional<LastFolder> last =
            readLastFolderFile(programFolder + QLatin1Char('/') + lastFolderFileName)) {
        if (last->folder) {
            request.initialFolder = *last->folder;
        }
        currentFileName_ = last->presetName;
    }
    request.presetName = currentFileName_;
    request.filters = keyFilters();
    request.selectedFilter = 0;
    request.defaultExtension =
        family_ == PrinterFamily::Key ? QStringLiteral("txt") : QStringLiteral("*.*");
    request.cancelIsFailure = true;
    return request;
}

// Text6 correction (key printers) and the count captions.
void KeyChooser::applyCounts(KeyChoice& choice, const QString& fieldsPerSlipText) const {
    const qsizetype rows = choice.rows.size();
    choice.rowCountCaption = strForm(rows);
    if (family_ == PrinterFamily::Combination) {
        return;
    }
    const int maximum = maxFieldsPerSlip();
    double perSlip = leadingNumber(fieldsPerSlipText);
    if (perSlip < 1 || perSlip > maximum) {
        perSlip = maximum;
        choice.fieldsPerSlipText = QString::number(maximum);
    }
    const long long slips =
        rows == 0 ? 0 : saturatedInteger(std::floor(double(rows - 1) / perSlip)) + 1;
    choice.slipCountCaption = strForm(slips);
}

// The width of the first row; the key printers refuse a key whose first row is too wide.
void KeyChooser::checkWidth(KeyChoice& choice) const {
    const int width = choice.rows.isEmpty() ? 0 : rowWidth(choice.rows.first());
    if (family_ == PrinterFamily::Combination) {
        choice.widthCaption = profile_.game == 5 ? strForm(width) : QString::number(width);
        return;
    }
    choice.widthCaption = strForm(width) + QStringLiteral("t:");
    if (width > profile_.numbersPerRow) {
        services_.messageBox.show(wrongFormatMessage, MessageBoxService::Icon::Critical,
                                  MessageBoxService::Buttons::Ok, profile_.keyTitle);
        choice.rows.clear();
        choice.rowCountCaption = QString();
        choice.slipCountCaption = QString();
        choice.widthCaption = QString();
    }
}

KeyChoice KeyChooser::choose(const QString& fieldsPerSlipText) {
    KeyChoice choice;
    choice.clearLabel7 = !(family_ == PrinterFamily::Key && profile_.game == 7);

    const std::optional<QString> chosen = services_.fileDialog.openFile(prepareDialog());
    if (!chosen) {
        return choice;
    }
    currentFileName_ = *chosen;

    QFile file(*chosen);
    if (!openRegularFile(file)) {
        return choice;
    }
    KeyRows key = readKeyRows(file);
    file.close();
    if (key.stoppedEarly) {
        services_.messageBox.show(tooManyRowsMessage, MessageBoxService::Icon::Critical,
                                  MessageBoxService::Buttons::Ok, Maker::messageTitle);
    }
    choice.rows = std::move(key.rows);

    applyCounts(choice, fieldsPerSlipText);
    checkWidth(choice);
    return choice;
}
