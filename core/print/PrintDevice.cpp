#include "core/print/PrintDevice.h"

#include "core/base/BusyScope.h"
#include "core/print/PrintRecording.h"

PrintRunResult printRecording(const PrintRecording& recording, PrintDevice& device,
                              BusyPointer& busyPointer) {
    BusyScope busy(busyPointer);
    busy.start();
    PrintRunResult result;
    int group = -1; // the group whose jobs are being printed
    for (int j = 0; j < recording.jobCount() && !result.failure; ++j) {
        const int jobGroup = recording.job(j).group;
        if (jobGroup != group && group >= 0) {
            result.endGroup(device.endJobGroup());
        }
        if (jobGroup != group && jobGroup >= 0) {
            device.beginJobGroup();
        }
        group = jobGroup;
        result.add(device.printJob(recording, j));
    }
    if (group >= 0) {
        result.endGroup(device.endJobGroup());
    }
    return result;
}
