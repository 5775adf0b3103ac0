#include "services/QtServices.h"

#include <QGuiApplication>

QtServices::QtServices(const QString& programName)
    : QtServices(programName, ProgramLocations::ofRunningProgram()) {}

QtServices::QtServices(const QString& programName, const ProgramLocations& locations)
    : program_(programName, locations), singleInstance_(programName),
      printer_(programName, program_.pdfFolder()), preview_(programName, printer_) {
    // Lets the desktop match the windows with the program's menu entry and icon.
    QGuiApplication::setDesktopFileName(programName);
}

WindowServices QtServices::services() {
    return WindowServices{{messageBox_, inputBox_, fileDialog_, busyPointer_, program_,
                           singleInstance_, screen_, clock_},
                          printer_,
                          preview_};
}

void QtServices::setMainWindow(QWidget* window) {
    messageBox_.setParentWindow(window);
    inputBox_.setParentWindow(window);
    fileDialog_.setParentWindow(window);
    preview_.setParentWindow(window);
}
