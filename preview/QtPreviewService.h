#pragma once

#include "core/present/PreviewService.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class PrintDevice;

// The preview window over the program's main window. It paints the recorded pages with the
// metrics of the device that prints them, as the recording was made. Needs the QApplication.
class QtPreviewService : public PreviewService {
public:
    QtPreviewService(QString programName, PrintDevice& printer);

    void setParentWindow(QWidget* parent) { parent_ = parent; }

    Choice show(std::shared_ptr<const PrintRecording> recording, const PreviewForm& form) override;

private:
    QString programName_;
    PrintDevice& printer_;
    QPointer<QWidget> parent_;
};
