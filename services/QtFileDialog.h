#pragma once

#include "core/base/Services.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFileDialog;

// File-open dialog on Qt's own QFileDialog: initial folder, preset name, filters and preselected
// filter from the request; cancel gives nothing. It returns exactly the file named or chosen; the
// request's default extension is added only to a name that does not exist as given.
class QtFileDialog : public FileDialogService {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    std::optional<QString> openFile(const FileOpenRequest& request) override;
    std::optional<QString> saveFile(const FileOpenRequest& request) override;

    // Qt name filters for the request's filters: the name without a pattern part of its own,
    // then " (patterns)". "*.*" becomes "*" so that it matches every file, as on Windows, and
    // ";" between patterns becomes a blank. "Minden(*.*)" with "*.*" gives "Minden (*)".
    static QStringList nameFilters(const QList<FileFilter>& filters);

private:
    static void prepare(QFileDialog& dialog, const FileOpenRequest& request);

    QPointer<QWidget> parent_;
};
