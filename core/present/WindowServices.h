#pragma once

#include "core/base/Services.h"

class PrintDevice;
class PreviewService;

// Everything a window needs: the platform's services, and the device its print buttons print on
// and the preview they show a run in, both handed to the window's PrintPresenter.
struct WindowServices : Services {
    PrintDevice& printer; // prints recorded runs, job by job
    PreviewService& preview;
};
