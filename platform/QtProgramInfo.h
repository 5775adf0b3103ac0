#pragma once

#include "Services.h"

// The running program's folder and executable name. Before the application object exists the
// current folder and the given program name stand in.
class QtProgramInfo : public ProgramInfo {
public:
    explicit QtProgramInfo(QString programName);
    QString programFolder() const override;
    QString dataFolder() const override;
    QString executableName() const override;

private:
    QString programName_;
};
