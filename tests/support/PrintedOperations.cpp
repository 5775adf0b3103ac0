#include "tests/support/PrintedOperations.h"

#include "core/print/PrintCursor.h"

using Op = PrintRecording::Op;

void PrintedOperations::read(const PrintRecording& recording, std::uint32_t first,
                             std::uint32_t end, TextMetrics& metrics) {
    PrintCursor cursor(metrics);
    int page = 0;
    for (std::uint32_t i = first; i < end && i < recording.stepCount(); ++i) {
        const PrintRecording::Step step = recording.step(i);
        const std::uint32_t operand = step.operand;
        const bool withText = step.op == Op::SetFontName || step.op == Op::PrintLine ||
                              step.op == Op::PrintOn || step.op == Op::PrintMark;
        const bool withNumber =
            step.op == Op::SetFontSize || step.op == Op::SetPosX || step.op == Op::SetPosY;
        const QString text = withText ? recording.text(operand) : QString();
        const double value = withNumber ? recording.number(operand) : 0;
        QString line;
        switch (step.op) {
        case Op::SetOrientation:
            orientation = PrintSurface::Orientation(operand);
            line = QStringLiteral("setOrientation %1").arg(operand);
            break;
        case Op::SetUnits:
            cursor.setUnits(PrintSurface::Units(operand));
            line = PrintSurface::Units(operand) == PrintSurface::Units::Millimetres
                       ? QStringLiteral("setUnits mm")
                       : QStringLiteral("setUnits twips");
            break;
        case Op::SetFontName:
            cursor.setFontName(text);
            line = QStringLiteral("setFontName ") + text;
            break;
        case Op::SetFontSize:
            cursor.setFontSize(value);
            line = QStringLiteral("setFontSize ") + QString::number(value);
            break;
        case Op::SetBold:
            cursor.setBold(operand != 0);
            line = operand != 0 ? QStringLiteral("setBold on") : QStringLiteral("setBold off");
            break;
        case Op::SetPosX:
        case Op::SetPosY:
            (step.op == Op::SetPosX ? cursor.setPosX(value) : cursor.setPosY(value));
            line =
                (step.op == Op::SetPosX ? QStringLiteral("setPosX ") : QStringLiteral("setPosY ")) +
                QString::number(value);
            break;
        case Op::PrintLine:
        case Op::PrintOn:
        case Op::PrintMark: {
            const PrintFont& font = cursor.font();
            const bool endLine = step.op != Op::PrintOn;
            texts.push_back({jobsEnded, page, cursor.posX(),
                             cursor.yInches() * cursor.unitsPerInch(), text, font.face, font.points,
                             font.bold, cursor.units(), step.op == Op::PrintMark});
            cursor.advancePast(text, endLine);
            line = (endLine ? QStringLiteral("printText ") : QStringLiteral("printText; ")) + text;
            break;
        }
        case Op::DrawLine: {
            const PrintRecording::Line& l = recording.line(operand);
            lines.push_back({jobsEnded, page, l.fromX, l.fromY, l.toX, l.toY, l.width});
            line = QStringLiteral("drawLine %1 %2 %3 %4 %5")
                       .arg(l.fromX)
                       .arg(l.fromY)
                       .arg(l.toX)
                       .arg(l.toY)
                       .arg(l.width);
            break;
        }
        case Op::NewPage:
            ++page;
            cursor.toPageStart();
            line = QStringLiteral("newPage");
            break;
        case Op::SetDuplex:
            duplex = true;
            line = QStringLiteral("setDuplex");
            break;
        case Op::EndJob:
            pagesInJob = page + 1;
            ++jobsEnded;
            page = 0;
            cursor.toJobStart();
            line = QStringLiteral("endJob");
            break;
        case Op::BeginGroup:
        case Op::EndGroup:
            continue;
        }
        operations.push_back(line);
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
