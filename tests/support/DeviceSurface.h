#pragma once

#include "core/print/RecordingPrintSurface.h"
#include "printing/QtPrintDevice.h"

#include <memory>
#include <utility>

// What a program prints through: the recording surface, each of its jobs printed on a Qt print
// device as it ends. Keeps the file the last job or group was written to.
class DeviceSurface : public RecordingPrintSurface {
public:
    explicit DeviceSurface(std::unique_ptr<QtPrintDevice> device)
        : RecordingPrintSurface(device->metrics(), device.get()), device_(std::move(device)) {}

    static std::unique_ptr<DeviceSurface> toPdfFile(const QString& path) {
        return std::make_unique<DeviceSurface>(QtPrintDevice::toPdfFile(path));
    }

    PrintJobOutcome endJob() override { return kept(RecordingPrintSurface::endJob()); }
    PrintJobOutcome endJobGroup() override { return kept(RecordingPrintSurface::endJobGroup()); }

    QString lastJobFile() const { return lastFile_; }
    QtPrintDevice& device() { return *device_; }

private:
    PrintJobOutcome kept(PrintJobOutcome outcome) {
        lastFile_ = outcome.pdfFile;
        return outcome;
    }

    std::unique_ptr<QtPrintDevice> device_;
    QString lastFile_;
};
