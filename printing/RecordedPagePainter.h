#pragma once

class PrintRecording;
class QPainter;
class TextMetrics;

// Paints one page (0-based over all jobs) of a recording: its text in the faces and sizes it is
// printed in, at the positions the printer gives it (moved by the metrics the recording was made
// with), in black, with the character cell's top-left on the point. Both the printer's pages and
// the preview are painted by it. The painter's coordinates are given in units of which there are
// painterUnitsPerInch to the inch of the page (the device's dots per inch for a printed page, 25.4
// for a painter that maps millimetres); underneath, text is laid out on a 1200 dpi page, so it
// stands as on paper at any zoom. The page's size and orientation are the caller's.
void paintRecordedPage(QPainter& painter, const PrintRecording& recording, int page,
                       TextMetrics& metrics, double painterUnitsPerInch);
