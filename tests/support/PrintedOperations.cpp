#include "PrintedOperations.h"

#include "PrintCursor.h"

namespace {

using Op = PrintRecording::Op;

QString number(double value) {
    return QString::number(value);
}

} // namespace

void PrintedOperations::read(const PrintRecording& recording, std::uint32_t first,
                             std::uint32_t end, TextMetrics& metrics) {
    PrintCursor cursor(metrics);
    int page = 0;
    for (std::uint32_t i = first; i < end && i < recording.stepCount(); ++i) {
        const PrintRecording::Step step = recording.step(i);
        const bool withText =
            step.op == Op::SetFontName || step.op == Op::PrintLine || step.op == Op::PrintOn;
        const QString text = withText ? recording.text(step.operand) : QString();
        switch (step.op) {
        case Op::SetOrientation:
            orientation = PrintSurface::Orientation(step.operand);
            operations.push_back(QStringLiteral("setOrientation %1").arg(step.operand));
            break;
        case Op::SetUnits:
            cursor.setUnits(PrintSurface::Units(step.operand));
            operations.push_back(PrintSurface::Units(step.operand) ==
                                         PrintSurface::Units::Millimetres
                                     ? QStringLiteral("setUnits mm")
                                     : QStringLiteral("setUnits twips"));
            break;
        case Op::SetFontName:
            cursor.setFontName(text);
            operations.push_back(QStringLiteral("setFontName ") + text);
            break;
        case Op::SetFontSize:
            cursor.setFontSize(recording.number(step.operand));
            operations.push_back(QStringLiteral("setFontSize ") +
                                 number(recording.number(step.operand)));
            break;
        case Op::SetBold:
            cursor.setBold(step.operand != 0);
            operations.push_back(step.operand != 0 ? QStringLiteral("setBold on")
                                                   : QStringLiteral("setBold off"));
            break;
        case Op::SetPosX:
            cursor.setPosX(recording.number(step.operand));
            operations.push_back(QStringLiteral("setPosX ") +
                                 number(recording.number(step.operand)));
            break;
        case Op::SetPosY:
            cursor.setPosY(recording.number(step.operand));
            operations.push_back(QStringLiteral("setPosY ") +
                                 number(recording.number(step.operand)));
            break;
        case Op::PrintLine:
        case Op::PrintOn: {
            const bool endLine = step.op == Op::PrintLine;
            const PrintFont& font = cursor.font();
            texts.push_back({jobsEnded, page, cursor.posX(),
                             cursor.yInches() * cursor.unitsPerInch(), text, font.face, font.points,
                             font.bold, cursor.units()});
            cursor.advancePast(text, endLine);
            operations.push_back(
                (endLine ? QStringLiteral("printText ") : QStringLiteral("printText; ")) + text);
            break;
        }
        case Op::NewPage:
            ++page;
            cursor.toPageStart();
            operations.push_back(QStringLiteral("newPage"));
            break;
        case Op::SetDuplex:
            duplex = true;
            operations.push_back(QStringLiteral("setDuplex"));
            break;
        case Op::EndJob:
            pagesInJob = page + 1;
            ++jobsEnded;
            page = 0;
            cursor.toJobStart();
            operations.push_back(QStringLiteral("endJob"));
            break;
        case Op::BeginGroup:
        case Op::EndGroup:
            break;
        }
    }
}

std::vector<PrintedOperations::Text> PrintedOperations::textsOf(const QString& text,
                                                                int job) const {
    std::vector<Text> found;
    for (const Text& t : texts) {
        if (t.text == text && (job < 0 || t.job == job)) {
            found.push_back(t);
        }
    }
    return found;
}

int PrintedOperations::count(const QString& operationPrefix) const {
    int n = 0;
    for (const QString& op : operations) {
        if (op.startsWith(operationPrefix)) {
            ++n;
        }
    }
    return n;
}

PrintedOperations readRecording(const PrintRecording& recording, TextMetrics& metrics) {
    PrintedOperations read;
    read.read(recording, 0, recording.stepCount(), metrics);
    return read;
}

PrintJobOutcome FakePrintDevice::printJob(const PrintRecording& recording, int job) {
    const PrintRecording::Job& j = recording.job(job);
    read(recording, j.firstStep, j.endStep + 1, metrics());
    if (refuseFromJob >= 0 && jobsEnded > refuseFromJob) {
        return refusal;
    }
    return {PrintJobOutcome::Problem::None, QString(), lastFile};
}

TestPrinter::TestPrinter() : surface_(std::make_unique<RecordingPrintSurface>(metrics(), this)) {}

void TestPrinter::reset() {
    static_cast<PrintedOperations&>(*this) = PrintedOperations();
    surface_ = std::make_unique<RecordingPrintSurface>(metrics(), this);
}
