#pragma once

#include "QtBusyPointer.h"
#include "QtClock.h"
#include "QtFileDialog.h"
#include "QtInputBox.h"
#include "QtMessageBox.h"
#include "QtPrintSurface.h"
#include "QtProgramInfo.h"
#include "QtScreenInfo.h"
#include "QtSingleInstance.h"
#include "Services.h"

#include <QString>
#include <QWidget>

// Owns the Qt implementation of every service and the print surface for one program. Create it
// after the QApplication; it prints on the default printer, or into PDFs in the program folder
// when the machine has none.
class QtServices {
public:
    explicit QtServices(const QString& programName); // e.g. "keyprint6"
    Services services();
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
    QtPrintSurface printer_;
};
