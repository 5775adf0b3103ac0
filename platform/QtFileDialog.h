#pragma once

#include "Services.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

// File-open dialog on QFileDialog: initial folder, preset name, filters, preselected filter and
// default extension from the request; cancel gives nothing.
class QtFileDialog : public FileDialogService {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    std::optional<QString> openFile(const FileOpenRequest& request) override;

    // Qt name filters for the request's filters: the name without a pattern part of its own,
    // then " (patterns)". "*.*" becomes "*" so that it matches every file, as on Windows, and
    // ";" between patterns becomes a blank. "Minden(*.*)" with "*.*" gives "Minden (*)".
    static QStringList nameFilters(const QList<FileFilter>& filters);

private:
    QPointer<QWidget> parent_;
};
