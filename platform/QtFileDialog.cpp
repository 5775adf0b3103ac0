#include "QtFileDialog.h"

#include <QFileDialog>

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

std::optional<QString> QtFileDialog::openFile(const FileOpenRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
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
    QString suffix = request.defaultExtension;
    while (suffix.startsWith(QLatin1Char('.'))) {
        suffix.remove(0, 1);
    }
    dialog.setDefaultSuffix(suffix);
    if (!request.presetName.isEmpty()) {
        dialog.selectFile(request.presetName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}
