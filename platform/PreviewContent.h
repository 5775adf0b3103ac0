#pragma once

#include "PreviewForm.h"
#include "PrintRecording.h"
#include "TextMetrics.h"

#include <QString>

#include <functional>
#include <memory>

// What a preview window shows and does.
struct PreviewContent {
    QString programName; // e.g. "keyprint6", shown in the title
    std::shared_ptr<const PrintRecording> recording;
    PreviewForm form;
    std::function<void()> print; // "Nyomtatás": prints the recording
    // The measures the recording was made with, kept by whoever made it; the window makes its
    // own when none is given.
    TextMetrics* metrics = nullptr;
};
