#pragma once

#include "core/alignment/TestSheet.h"

#include <QString>

class PrintPresenter;
struct Services;

// What the "Igazítás" dialog asks of a main window's model: the test sheet as the window would
// print it now, the print flow to print it with, and the new offsets applied and saved.
class AlignmentTarget {
public:
    virtual ~AlignmentTarget() = default;

    virtual const Services& services() const = 0;
    // The title of the program's own messages.
    virtual QString messageTitle() const = 0;
    virtual PrintPresenter& presenter() = 0;
    virtual TestSheetRequest testSheet() const = 0;
    // Sets Text1 and Text2 and saves the settings as "Beállítás mentése" does, with every other
    // value the window holds. A failed save is told; on success the status line says what was
    // saved. Says whether the settings were saved.
    virtual bool applyOffsets(const QString& offsetDown, const QString& offsetRight) = 0;
};

// The status line under a main window: the PDF file the last run was written to (empty after a
// run on a printer), or a note of what was saved.
struct StatusLine {
    QString pdfFile;
    QString note;
};

// The note after "Alkalmaz" saved the offsets: "Eltolás mentve (beall6a.txt): lefelé 2, jobbra
// 1,5" (the offsets as the settings file keeps them, with a decimal comma).
QString offsetsSavedNote(const QString& fileName, const QString& offsetDown,
                         const QString& offsetRight);
