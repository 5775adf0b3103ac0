#include "services/QtFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace {

QString qtPatterns(const QString& pattern) {
    QStringList patterns = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) {
        p = p.trimmed();
        if (p == QStringLiteral("*.*")) {
            p = QStringLiteral("*");
        }
    }
    return patterns.join(QLatin1Char(' '));
}

// The extension a request asks for, without its dot; a pattern ("*.*") is no extension.
QString realExtension(QString extension) {
    while (extension.startsWith(QLatin1Char('.'))) {
        extension.remove(0, 1);
    }
    const bool pattern = extension.contains(QLatin1Char('*')) ||
                         extension.contains(QLatin1Char('?')) ||
                         extension.contains(QLatin1Char('.'));
    return pattern ? QString() : extension;
}

// Opens exactly the file that is named or chosen. Qt's own default suffix would be added to
// every name without a dot, so "kulcs" would read "kulcs.txt" even where "kulcs" exists; here
// the extension is added only when the file as named does not exist and the one with the
// extension does. The dialog is always Qt's own, so it behaves (and speaks) the same on every
// desktop.
class ExactFileDialog : public QFileDialog {
public:
    ExactFileDialog(QWidget* parent, QString extension)
        : QFileDialog(parent), extension_(std::move(extension)) {}

    void accept() override {
        const QStringList named = selectedFiles();
        if (!extension_.isEmpty() && named.size() == 1) {
            const QFileInfo file(named.first());
            const QFileInfo withExtension(named.first() + QLatin1Char('.') + extension_);
            if (!file.exists() && file.suffix().isEmpty() && withExtension.isFile()) {
                chosen_ = withExtension.filePath();
                QDialog::accept();
                return;
            }
        }
        QFileDialog::accept();
    }

    // The file to read once the dialog was accepted.
    QString chosen() const {
        if (!chosen_.isEmpty()) {
            return chosen_;
        }
        const QStringList files = selectedFiles();
        return files.isEmpty() ? QString() : files.constFirst();
    }

private:
    QString extension_;
    QString chosen_;
};

QString withoutPatternPart(const QString& name) {
    const qsizetype open = name.lastIndexOf(QLatin1Char('('));
    return open > 0 && name.endsWith(QLatin1Char(')')) ? name.left(open).trimmed() : name.trimmed();
}

} // namespace

QStringList QtFileDialog::nameFilters(const QList<FileFilter>& filters) {
    QStringList result;
    for (const FileFilter& filter : filters) {
        QString label = withoutPatternPart(filter.name);
        if (label.isEmpty()) {
            label = filter.pattern;
        }
        result.push_back(label + QStringLiteral(" (") + qtPatterns(filter.pattern) +
                         QLatin1Char(')'));
    }
    return result;
}

// The request's folder, filters and preset name given to a dialog.
void QtFileDialog::prepare(QFileDialog& dialog, const FileOpenRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!request.initialFolder.isEmpty()) {
        dialog.setDirectory(request.initialFolder);
    }
    const QStringList filters = nameFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int selected = request.selectedFilter;
        dialog.selectNameFilter(
            filters.value(selected >= 0 && selected < filters.size() ? selected : 0));
    }
    if (!request.presetName.isEmpty()) {
        dialog.selectFile(request.presetName);
    }
}

std::optional<QString> QtFileDialog::openFile(const FileOpenRequest& request) {
    ExactFileDialog dialog(parent_, realExtension(request.defaultExtension));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen().isEmpty()) {
        return std::nullopt;
    }
    return dialog.chosen();
}

// Qt's own save dialog, Hungarian like the open dialog; it asks before replacing a file.
std::optional<QString> QtFileDialog::saveFile(const FileOpenRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(realExtension(request.defaultExtension));
    prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}
