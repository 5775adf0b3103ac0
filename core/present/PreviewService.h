#pragma once

#include <memory>

class PrintRecording;
struct PreviewForm;

// Shows a recorded run before it is printed: its pages, slips over their form, modally. Says
// what the user chose: "Nyomtatás" or "Bezár" (or closing the window).
class PreviewService {
public:
    enum class Choice { Close, Print };

    virtual ~PreviewService() = default;
    virtual Choice show(std::shared_ptr<const PrintRecording> recording,
                        const PreviewForm& form) = 0;
};
