#include "core/present/PrintPresenter.h"

#include "core/base/GameProfile.h"
#include "core/present/PreviewForm.h"
#include "core/print/PrintDevice.h"
#include "core/print/PrintRecording.h"
#include "core/print/RecordingPrintSurface.h"

PrintPresenter::PrintPresenter(const Services& services, PrintStatusView& status)
    : services_(services), status_(status) {}

void PrintPresenter::print(const Run& run, Work work) {
    RecordingPrintSurface surface(services_.printer.metrics(), &services_.printer);
    report(run(surface, false), work);
}

bool PrintPresenter::preview(const Run& run, const std::function<PreviewForm()>& form, Work work,
                             const std::function<void()>& beforePrinting) {
    RecordingPrintSurface recorder(services_.printer.metrics());
    if (run(recorder, true).jobs == 0) {
        return false;
    }
    const std::shared_ptr<const PrintRecording> recording = recorder.takeRecording();
    if (services_.preview.show(recording, form()) != PreviewService::Choice::Print) {
        return false;
    }
    if (beforePrinting) {
        beforePrinting();
    }
    report(printRecording(*recording, services_.printer, services_.busyPointer), work);
    return true;
}

void PrintPresenter::report(const PrintRunResult& result, Work work) {
    if (result.failure) {
        services_.messageBox.show(runFailureMessage(result, work.kind, work.entries),
                                  MessageBoxService::Icon::Critical, MessageBoxService::Buttons::Ok,
                                  Maker::messageTitle);
        return;
    }
    if (result.jobs > 0) {
        status_.showPrintedFile(result.pdfFile);
    }
}
