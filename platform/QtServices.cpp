#include "QtServices.h"

QtServices::QtServices(const QString& programName)
    : program_(programName), singleInstance_(programName),
      printer_(programName, program_.programFolder()) {}

Services QtServices::services() {
    return Services{messageBox_,     inputBox_, fileDialog_, busyPointer_, program_,
                    singleInstance_, screen_,   clock_,      printer_,     printer_};
}

void QtServices::setMainWindow(QWidget* window) {
    messageBox_.setParentWindow(window);
    inputBox_.setParentWindow(window);
    fileDialog_.setParentWindow(window);
}
