#include "core/print/RecordingReplay.h"

namespace {

using Op = PrintRecording::Op;

void replayStep(const PrintRecording& recording, PrintRecording::Step step, PrintSurface& target) {
    switch (step.op) {
    case Op::SetUnits:
        target.setUnits(PrintSurface::Units(step.operand));
        break;
    case Op::SetFontName:
        target.setFontName(recording.text(step.operand));
        break;
    case Op::SetFontSize:
        target.setFontSize(recording.number(step.operand));
        break;
    case Op::SetBold:
        target.setBold(step.operand != 0);
        break;
    case Op::SetPosX:
        target.setPosX(recording.number(step.operand));
        break;
    case Op::SetPosY:
        target.setPosY(recording.number(step.operand));
        break;
    case Op::PrintLine:
        target.printText(recording.text(step.operand), true);
        break;
    case Op::PrintOn:
        target.printText(recording.text(step.operand), false);
        break;
    case Op::PrintMark:
        target.printMark(recording.text(step.operand));
        break;
    case Op::DrawLine: {
        const PrintRecording::Line& line = recording.line(step.operand);
        target.drawLine(line.fromX, line.fromY, line.toX, line.toY, line.width);
        break;
    }
    case Op::SetOrientation: // the page's own orientation is given before its steps
    case Op::NewPage:
    case Op::EndJob:
    case Op::SetDuplex: // belongs to the job as a whole
    case Op::BeginGroup:
    case Op::EndGroup:
        break;
    }
}

} // namespace

void replayPage(const PrintRecording& recording, int page, PrintSurface& target) {
    const PrintRecording::Page& p = recording.page(page);
    target.setOrientation(p.orientation);
    target.setUnits(p.start.units);
    target.setFontName(recording.text(p.start.face));
    target.setFontSize(p.start.points);
    target.setBold(p.start.bold);
    for (std::uint32_t i = p.firstStep; i < p.endStep; ++i) {
        replayStep(recording, recording.step(i), target);
    }
}
