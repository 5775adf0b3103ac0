#include "preview/QtPreviewService.h"

#include "core/print/PrintDevice.h"
#include "preview/PreviewWindow.h"

#include <utility>

QtPreviewService::QtPreviewService(QString programName, PrintDevice& printer)
    : programName_(std::move(programName)), printer_(printer) {}

PreviewService::Choice QtPreviewService::show(std::shared_ptr<const PrintRecording> recording,
                                              const PreviewForm& form) {
    PreviewWindow window(
        PreviewContent{programName_, std::move(recording), form, &printer_.metrics()}, parent_);
    return window.exec() == QDialog::Accepted ? Choice::Print : Choice::Close;
}
