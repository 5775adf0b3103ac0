#pragma once

#include "core/present/PreviewForm.h"
#include "core/print/PrintRecording.h"
#include "core/print/TextMetrics.h"
#include "printing/PrinterMargins.h"

#include <QString>

#include <memory>
#include <optional>

// What a preview window shows and does.
struct PreviewContent {
    QString programName; // e.g. "keyprint6", shown in the title
    std::shared_ptr<const PrintRecording> recording;
    PreviewForm form;
    // The measures the recording was made with, kept by whoever made it; the window makes its
    // own when none is given.
    TextMetrics* metrics = nullptr;
    // The printer's unprintable margins, where a mark is shown red; the default printer's when
    // none are given.
    std::optional<PrinterMargins> margins = std::nullopt;
};
