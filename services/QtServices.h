#pragma once

#include "core/present/WindowServices.h"
#include "preview/QtPreviewService.h"
#include "printing/QtPrintDevice.h"
#include "services/QtBusyPointer.h"
#include "services/QtClock.h"
#include "services/QtFileDialog.h"
#include "services/QtInputBox.h"
#include "services/QtMessageBox.h"
#include "services/QtProgramInfo.h"
#include "services/QtScreenInfo.h"
#include "services/QtSingleInstance.h"

#include <QString>
#include <QWidget>

// Owns the Qt implementation of every service and the print surface for one program. Create it
// after the QApplication; it prints on the default printer, or into PDFs when the machine has
// none: beside the executable in a portable copy, in the user's documents in an installed one.
class QtServices {
public:
    explicit QtServices(const QString& programName); // e.g. "keyprint6"; the real folders
    QtServices(const QString& programName, const ProgramLocations& locations);
    WindowServices services();
    void setMainWindow(QWidget* window); // parent for dialogs, target of the busy pointer

private:
    QtMessageBox messageBox_;
    QtInputBox inputBox_;
    QtFileDialog fileDialog_;
    QtBusyPointer busyPointer_;
    QtProgramInfo program_;
    QtSingleInstance singleInstance_;
    QtScreenInfo screen_;
    QtClock clock_;
    QtPrintDevice printer_;
    QtPreviewService preview_;
};
