#pragma once

#include "core/base/Services.h"
#include "core/present/PreviewForm.h"
#include "core/present/PreviewService.h"
#include "core/print/PrintFailureMessage.h"
#include "core/print/PrintRunResult.h"

#include <QString>

#include <functional>

class PrintDevice;
class PrintSurface;

// Where a window tells which PDF file its last run went to (empty: it went to a printer).
class PrintStatusView {
public:
    virtual ~PrintStatusView() = default;
    virtual void showPrintedFile(const QString& pdfFile) = 0;
};

// The flow behind every print button and its "Előnézet…": a run is composed once, onto a
// recording; printing hands each job to the print device as it ends, a preview shows the whole
// recording and prints it when the user chooses "Nyomtatás". Afterwards a run that did not reach
// its destination is told once, after the busy pointer is back, and a run written as a PDF names
// its file in the window's status line.
class PrintPresenter {
public:
    // A run: its checks and messages, then its jobs onto the surface, as the button runs it;
    // `preview` is true when it is recorded for the preview (the blank slip of "Lapdobással
    // indul !" then goes without its notice). A run refused by its checks ends no job.
    using Run = std::function<PrintRunResult(PrintSurface& surface, bool preview)>;

    // What a failed run printed, for its message: the entries of a full combination.
    struct Work {
        PrintedWork kind = PrintedWork::Slips;
        int entries = 0;
    };

    PrintPresenter(const Services& services, PrintDevice& printer, PreviewService& preview,
                   PrintStatusView& status);

    // The print button.
    void print(const Run& run, Work work);

    // "Előnézet…": the run recorded and shown with the form form() gives once the run has been
    // recorded. When the user chooses "Nyomtatás", beforePrinting brings the window to where the
    // button's own run leaves it, and the recording is printed. Says whether it was printed.
    bool preview(const Run& run, const std::function<PreviewForm()>& form, Work work,
                 const std::function<void()>& beforePrinting = {});

private:
    void report(const PrintRunResult& result, Work work);

    Services services_;
    PrintDevice& printer_;
    PreviewService& preview_;
    PrintStatusView& status_;
};
