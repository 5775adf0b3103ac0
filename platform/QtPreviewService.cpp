#include "QtPreviewService.h"

#include "PreviewWindow.h"

#include <utility>

QtPreviewService::QtPreviewService(QString programName) : programName_(std::move(programName)) {}

TextMetrics& QtPreviewService::metrics() {
    if (!metrics_) {
        metrics_ = std::make_unique<QtTextMetrics>();
    }
    return *metrics_;
}

PreviewService::Choice QtPreviewService::show(std::shared_ptr<const PrintRecording> recording,
                                              const PreviewForm& form) {
    PreviewWindow window(PreviewContent{programName_, std::move(recording), form, &metrics()},
                         parent_);
    return window.exec() == QDialog::Accepted ? Choice::Print : Choice::Close;
}
