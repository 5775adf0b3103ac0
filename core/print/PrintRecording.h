#pragma once

#include "core/print/PrintSurface.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

// Print jobs as a series of recorded operations, with the pages and jobs they make on the
// printer. Each operation takes four bytes: its code and one operand, an index into the
// recording's table of texts, of numbers or of lines, each text and number stored once however
// often it is printed, so a run of thousands of slips stays small. The operations are kept in
// blocks that are never moved, so a growing recording needs no room for a copy of itself.
class PrintRecording {
public:
    enum class Op : std::uint8_t {
        SetOrientation, // operand: the Orientation value
        SetUnits,       // operand: the Units value
        SetFontName,    // operand: text
        SetFontSize,    // operand: number
        SetBold,        // operand: 0 or 1
        SetPosX,        // operand: number
        SetPosY,        // operand: number
        PrintLine,      // operand: text; printText ending the line
        PrintOn,        // operand: text; printText continuing on the line
        NewPage,
        EndJob,
        SetDuplex,
        BeginGroup,
        EndGroup,
        PrintMark, // operand: text; printMark (a mark in a slip's cell, printText ending the line)
        DrawLine,  // operand: line
    };

    // A drawn line, in the unit in force when it was drawn.
    struct Line {
        double fromX;
        double fromY;
        double toX;
        double toY;
        double width;
    };

    struct Step {
        Op op;
        std::uint32_t operand = 0;
    };

    // The settings in force at a point of the recording.
    struct Settings {
        PrintSurface::Orientation orientation = PrintSurface::Orientation::Portrait;
        PrintSurface::Units units = PrintSurface::Units::Twips;
        std::uint32_t face = 0; // text
        double points = 10;
        bool bold = false;
    };

    // One printed page: the steps from its start up to the step that ends it (newPage or
    // endJob), the settings it starts with and the orientation it is printed in.
    struct Page {
        std::uint32_t firstStep;
        std::uint32_t endStep;
        Settings start;
        PrintSurface::Orientation orientation;
    };

    struct Job {
        std::uint32_t firstStep;
        std::uint32_t endStep; // its EndJob step
        std::uint32_t firstPage;
        std::uint32_t pageCount;
        int group;           // index into groups(), or -1
        bool duplex = false; // printed on both sides (setDuplex in the job)
    };

    // Jobs printed as one run between beginJobGroup and endJobGroup.
    struct Group {
        int firstJob;
        int jobCount;
    };

    PrintRecording();

    std::uint32_t stepCount() const { return stepCount_; }
    Step step(std::uint32_t index) const {
        const std::uint32_t packed = blocks_[index >> blockBits][index & (blockSize - 1)];
        return {Op(packed >> operandBits), packed & operandMask};
    }
    const QString& text(std::uint32_t index) const { return texts_[index]; }
    double number(std::uint32_t index) const { return numbers_[index]; }
    const Line& line(std::uint32_t index) const { return lines_[index]; }
    int textCount() const { return int(texts_.size()); }
    int numberCount() const { return int(numbers_.size()); }

    // Finished jobs and their pages; a job still open has none listed yet.
    int jobCount() const { return int(jobs_.size()); }
    const Job& job(int index) const { return jobs_[size_t(index)]; }
    int pageCount() const;
    const Page& page(int index) const { return pages_[size_t(index)]; }
    int groupCount() const { return int(groups_.size()); }
    const Group& group(int index) const { return groups_[size_t(index)]; }

    // Bytes held, for the record of a large run.
    size_t memoryUsed() const;

private:
    friend class RecordingPrintSurface; // builds the recording

    std::uint32_t textIndex(const QString& text);
    std::uint32_t numberIndex(double value);
    std::uint32_t lineIndex(const Line& line);
    std::uint32_t append(Op op, std::uint32_t operand = 0);
    std::uint32_t nextStep() const { return stepCount_; }
    // Gives back what the growing tables reserved beyond their contents.
    void shrinkToFit();

    static constexpr int operandBits = 27; // the code in the five bits above
    static constexpr std::uint32_t operandMask = (1u << operandBits) - 1;
    static constexpr int blockBits = 15;
    static constexpr std::uint32_t blockSize = 1u << blockBits;

    std::vector<std::unique_ptr<std::uint32_t[]>> blocks_;
    std::uint32_t stepCount_ = 0;
    std::vector<QString> texts_;
    QHash<QString, std::uint32_t> textIndex_;
    std::vector<double> numbers_;
    std::unordered_map<std::uint64_t, std::uint32_t> numberIndex_; // by bit pattern
    std::vector<Line> lines_;
    std::vector<Page> pages_;
    std::vector<Job> jobs_;
    std::vector<Group> groups_;
};
