#pragma once

#include "core/present/PreviewForm.h"
#include "core/print/PrintRecording.h"
#include "core/print/TextMetrics.h"

#include <QString>

#include <memory>

// What a preview window shows and does.
struct PreviewContent {
    QString programName; // e.g. "keyprint6", shown in the title
    std::shared_ptr<const PrintRecording> recording;
    PreviewForm form;
    // The measures the recording was made with, kept by whoever made it; the window makes its
    // own when none is given.
    TextMetrics* metrics = nullptr;
};
