#pragma once

#include "core/print/PrintRecording.h"
#include "core/print/PrintSurface.h"

// One page (0-based over all jobs) of a recording onto a surface that draws single pages (the
// painter of a printed page or of the preview): the orientation the page is printed in, the
// unit and font it starts with, then its operations up to the page break, without page or job
// ends and without the orientation changes meant for later pages.
void replayPage(const PrintRecording& recording, int page, PrintSurface& target);
