#include "core/present/PrintPresenter.h"

#include "core/base/Maker.h"
#include "core/present/PreviewForm.h"
#include "core/print/PrintDevice.h"
#include "core/print/PrintRecording.h"
#include "core/print/RecordingPrintSurface.h"

PrintPresenter::PrintPresenter(const Services& services, PrintDevice& printer,
                               PreviewService& preview, PrintStatusView& status)
    : services_(services), printer_(printer), preview_(preview), status_(status) {}

void PrintPresenter::print(const Run& run, Work work) {
    RecordingPrintSurface surface(printer_.metrics(), &printer_);
    report(run(surface, false), work);
}

bool PrintPresenter::preview(const Run& run, const std::function<PreviewForm()>& form, Work work,
                             const std::function<void()>& beforePrinting) {
    RecordingPrintSurface recorder(printer_.metrics());
    if (run(recorder, true).jobs == 0) {
        return false;
    }
    const std::shared_ptr<const PrintRecording> recording = recorder.takeRecording();
    if (preview_.show(recording, form()) != PreviewService::Choice::Print) {
        return false;
    }
    if (beforePrinting) {
        beforePrinting();
    }
    report(printRecording(*recording, printer_, services_.busyPointer), work);
    return true;
}

void PrintPresenter::report(const PrintRunResult& result, Work work) {
    if (result.failure) {
        services_.messageBox.error(runFailureMessage(result, work.kind, work.entries),
                                   Maker::messageTitle);
        return;
    }
    if (result.jobs > 0) {
        status_.showPrintedFile(result.pdfFile);
    }
}
