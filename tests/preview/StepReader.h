#pragma once

#include "core/print/PrintRecording.h"

#include <QString>

#include <vector>

// The texts a recording prints, page by page, with the position last set before each and the
// face in force. Positions advanced by printing are not followed: the slips set both
// coordinates before every text.
struct PrintedText {
    int page;
    double x;
    double y;
    QString text;
    QString face;
};

inline std::vector<PrintedText> printedTexts(const PrintRecording& recording) {
    using Op = PrintRecording::Op;
    std::vector<PrintedText> texts;
    for (int p = 0; p < recording.pageCount(); ++p) {
        const PrintRecording::Page& page = recording.page(p);
        double x = 0;
        double y = 0;
        QString face = recording.text(page.start.face);
        for (std::uint32_t i = page.firstStep; i < page.endStep; ++i) {
            const PrintRecording::Step step = recording.step(i);
            if (step.op == Op::SetPosX) {
                x = recording.number(step.operand);
            } else if (step.op == Op::SetPosY) {
                y = recording.number(step.operand);
            } else if (step.op == Op::SetFontName) {
                face = recording.text(step.operand);
            } else if (step.op == Op::PrintLine || step.op == Op::PrintOn ||
                       step.op == Op::PrintMark) {
                texts.push_back({p, x, y, recording.text(step.operand), face});
            }
        }
    }
    return texts;
}
