#include "core/print/PrintRecording.h"

#include <bit>

PrintRecording::PrintRecording() {
    // Text 0 is the face a printer starts with.
    textIndex(QStringLiteral("times new roman"));
}

int PrintRecording::pageCount() const {
    if (jobs_.empty()) {
        return 0;
    }
    const Job& last = jobs_.back();
    return int(last.firstPage + last.pageCount);
}

size_t PrintRecording::memoryUsed() const {
    size_t bytes = blocks_.size() * blockSize * sizeof(std::uint32_t) +
                   blocks_.capacity() * sizeof(blocks_[0]) + numbers_.capacity() * sizeof(double) +
                   pages_.capacity() * sizeof(Page) + jobs_.capacity() * sizeof(Job) +
                   groups_.capacity() * sizeof(Group) + texts_.capacity() * sizeof(QString) +
                   lines_.capacity() * sizeof(Line);
    for (const QString& text : texts_) {
        bytes += size_t(text.capacity()) * sizeof(QChar);
    }
    // The two look-up tables: a node of key and index per entry, roughly.
    bytes += size_t(textIndex_.capacity()) * (sizeof(QString) + 2 * sizeof(std::uint32_t));
    bytes += numberIndex_.bucket_count() * sizeof(void*) +
             numberIndex_.size() * (sizeof(std::uint64_t) + 2 * sizeof(void*));
    return bytes;
}

std::uint32_t PrintRecording::textIndex(const QString& text) {
    const auto found = textIndex_.constFind(text);
    if (found != textIndex_.constEnd()) {
        return found.value();
    }
    const auto index = std::uint32_t(texts_.size());
    texts_.push_back(text);
    textIndex_.insert(text, index);
    return index;
}

std::uint32_t PrintRecording::numberIndex(double value) {
    const auto [it, added] =
        numberIndex_.try_emplace(std::bit_cast<std::uint64_t>(value), std::uint32_t(0));
    if (added) {
        it->second = std::uint32_t(numbers_.size());
        numbers_.push_back(value);
    }
    return it->second;
}

std::uint32_t PrintRecording::lineIndex(const Line& line) {
    lines_.push_back(line);
    return std::uint32_t(lines_.size() - 1);
}

void PrintRecording::shrinkToFit() {
    lines_.shrink_to_fit();
    blocks_.shrink_to_fit();
    numbers_.shrink_to_fit();
    texts_.shrink_to_fit();
    pages_.shrink_to_fit();
    jobs_.shrink_to_fit();
    groups_.shrink_to_fit();
}

std::uint32_t PrintRecording::append(Op op, std::uint32_t operand) {
    if ((stepCount_ & (blockSize - 1)) == 0) {
        blocks_.push_back(std::make_unique_for_overwrite<std::uint32_t[]>(blockSize));
    }
    // More texts or numbers than the operand holds would take far more memory than a run has.
    Q_ASSERT(operand <= operandMask);
    blocks_.back()[stepCount_ & (blockSize - 1)] = (std::uint32_t(op) << operandBits) | operand;
    return stepCount_++;
}
