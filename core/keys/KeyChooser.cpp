#include "core/keys/KeyChooser.h"

#include "core/base/FieldReader.h"
#include "core/base/Maker.h"
#include "core/base/NumberText.h"
#include "core/base/RowText.h"
#include "core/files/KeyFile.h"
#include "core/files/LastFolderFile.h"
#include "core/keys/FieldsPerSlip.h"
#include "core/keys/KeyListView.h"
#include "core/slip/SlipLayout.h"

#include <QFile>

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

// The dialog opens in the program folder with the last preset name, unless filenev.txt names
// a key: then its folder and file name are preset.
FileOpenRequest KeyChooser::prepareDialog() {
    FileOpenRequest request;
    const QString programFolder = services_.program.programFolder();
    request.initialFolder = programFolder;
    if (const std::optional<LastFolder> last =
            readLastFolderFile(services_.program.readPath(lastFolderFileName))) {
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

// The fields-per-slip correction and slip count (key printers) and the row count.
void KeyChooser::showCounts(KeyListView& view, qsizetype rows) const {
    if (family_ == PrinterFamily::Key) {
        const FieldsPerSlip fields =
            checkFieldsPerSlip(view.fieldsPerSlipText(), keySlip(profile_.game).maxFieldsPerSlip);
        if (fields.correctedText) {
            view.setFieldsPerSlipText(*fields.correctedText);
        }
        view.setSlipCountCaption(slipCountCaption(rows, fields.value));
    }
    view.setRowCountCaption(strForm(rows));
}

// The width of the first row; the key printers refuse a key whose first row is too wide, after
// its counts are shown, and then empty the list and the captions.
void KeyChooser::checkWidth(KeyListView& view, const QStringList& rows) const {
    const int width = rows.isEmpty() ? 0 : rowWidth(rows.first());
    if (family_ == PrinterFamily::Combination) {
        view.setWidthCaption(profile_.widthCaptionAsStr ? strForm(width) : QString::number(width));
        return;
    }
    view.setWidthCaption(strForm(width) + QStringLiteral("t:"));
    if (width > profile_.numbersPerRow) {
        services_.messageBox.error(wrongFormatMessage, profile_.keyTitle);
        view.setRows({});
        view.setRowCountCaption(QString());
        view.setSlipCountCaption(QString());
        view.setWidthCaption(QString());
    }
}

void KeyChooser::startLoading(KeyListView& view) const {
    view.setRows({});
    if (family_ == PrinterFamily::Combination || !profile_.keepsRowCaptionOnLoad) {
        view.clearSelectedRowCaption();
    }
}

void KeyChooser::show(KeyListView& view, const QStringList& rows, bool stoppedEarly) const {
    view.setRows(rows);
    if (stoppedEarly) {
        services_.messageBox.error(tooManyRowsMessage, Maker::messageTitle);
    }
    showCounts(view, rows.size());
    checkWidth(view, rows);
}

void KeyChooser::load(KeyListView& view, const QStringList& rows) const {
    startLoading(view);
    show(view, rows.mid(0, maxKeyRows), rows.size() > maxKeyRows);
}

void KeyChooser::choose(KeyListView& view) {
    startLoading(view);
    const std::optional<QString> chosen = services_.fileDialog.openFile(prepareDialog());
    if (!chosen) {
        return;
    }
    currentFileName_ = *chosen;
    QFile file(*chosen);
    if (!openRegularFile(file)) {
        return;
    }
    const KeyRows key = readKeyRows(file);
    file.close();
    show(view, key.rows, key.stoppedEarly);
}
