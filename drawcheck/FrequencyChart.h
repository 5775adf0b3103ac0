#pragma once

#include "core/base/NumberMask.h"

#include <QWidget>

#include <vector>

// How often each number 1..N was drawn, as a bar chart: one bar per number, the numbers played
// in another colour, the largest count at the top of the scale. A bar's tooltip gives its
// number and count.
class FrequencyChart : public QWidget {
    Q_OBJECT

public:
    // frequencies[n]: how often number n was drawn (element 0 unused).
    FrequencyChart(std::vector<long long> frequencies, NumberMask played,
                   QWidget* parent = nullptr);

    const std::vector<long long>& frequencies() const { return frequencies_; }
    const NumberMask& played() const { return played_; }
    // The number whose bar is under x, or 0.
    int numberAt(int x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The plot area: the bars stand on its bottom edge.
    QRect plotArea() const;
    int highest() const { return int(frequencies_.size()) - 1; }

    std::vector<long long> frequencies_;
    NumberMask played_;
};
