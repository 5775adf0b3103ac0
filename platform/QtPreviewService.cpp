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

void QtPreviewService::show(std::shared_ptr<const PrintRecording> recording,
                            const PreviewForm& form, std::function<void()> print) {
    PreviewWindow window(
        PreviewContent{programName_, std::move(recording), form, std::move(print), &metrics()},
        parent_);
    window.exec();
}
