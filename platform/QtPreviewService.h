#pragma once

#include "QtTextMetrics.h"
#include "Services.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

// The preview window over the program's main window, and the metrics that make a recording
// measure as the printer does. Needs the QApplication before its first use.
class QtPreviewService : public PreviewService {
public:
    explicit QtPreviewService(QString programName);

    void setParentWindow(QWidget* parent) { parent_ = parent; }

    TextMetrics& metrics() override;
    Choice show(std::shared_ptr<const PrintRecording> recording,
                const PreviewForm& form) override;

private:
    QString programName_;
    QPointer<QWidget> parent_;
    std::unique_ptr<QtTextMetrics> metrics_; // made on first use
};
