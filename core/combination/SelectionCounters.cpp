#include "core/combination/SelectionCounters.h"

#include "core/base/NumberText.h"

#include <utility>

Counter::Counter(QString caption)
    : caption_(std::move(caption)), value_(saturatedInteger(leadingNumber(caption_))) {}

Counter Counter::of(long long value) {
    Counter counter;
    counter.caption_ = QString::number(value);
    counter.value_ = value;
    return counter;
}

Counter Counter::str(long long value) {
    Counter counter;
    counter.caption_ = strForm(value);
    counter.value_ = value;
    return counter;
}

SelectionCounters SelectionCounterValues::captions() const {
    return {slipCount.caption(),        expectedTotal.caption(),      selectedRowPosition.caption(),
            combinationCount.caption(), systemCombinations.caption(), fixCount.caption(),
            checkedTotal.caption()};
}
