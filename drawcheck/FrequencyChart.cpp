#include "drawcheck/FrequencyChart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

const QColor playedColour(230, 126, 34); // the numbers the key or the selection plays
const QColor otherColour(52, 101, 164);

// A label under every `step`-th number: every fifth up to 45 numbers, every tenth above.
int labelStep(int highest) {
    return highest > 45 ? 10 : 5;
}

} // namespace

FrequencyChart::FrequencyChart(std::vector<long long> frequencies, NumberMask played,
                               QWidget* parent)
    : QWidget(parent), frequencies_(std::move(frequencies)), played_(played) {
    setObjectName(QStringLiteral("FrequencyChart"));
    setAccessibleName(QStringLiteral("Számok gyakorisága"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    if (frequencies_.empty()) {
        frequencies_.push_back(0);
    }
}

QSize FrequencyChart::sizeHint() const {
    return {std::max(360, 5 * highest() + 60), 220};
}

QSize FrequencyChart::minimumSizeHint() const {
    return {std::max(240, 3 * highest() + 60), 160};
}

QRect FrequencyChart::plotArea() const {
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("00000")) + 8;
    const int top = metrics.height() + 8; // the title and the legend
    const int bottom = metrics.height() + 6;
    return QRect(left, top, std::max(width() - left - 8, 1), std::max(height() - top - bottom, 1));
}

int FrequencyChart::numberAt(int x) const {
    const QRect plot = plotArea();
    if (highest() < 1 || x < plot.left() || x > plot.right()) {
        return 0;
    }
    const int number = int(double(x - plot.left()) * highest() / plot.width()) + 1;
    return std::clamp(number, 1, highest());
}

void FrequencyChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = fontMetrics();
    const QRect plot = plotArea();
    const int n = highest();
    const long long most =
        std::max<long long>(1, *std::max_element(frequencies_.begin(), frequencies_.end()));

    // The title on the left, the legend on the right.
    painter.setPen(palette().text().color());
    painter.drawText(QRect(plot.left(), 2, plot.width(), metrics.height()), Qt::AlignLeft,
                     accessibleName());
    const QString legend = QStringLiteral("megjátszott szám");
    const int legendX = plot.right() - metrics.horizontalAdvance(legend);
    painter.drawText(QRect(legendX, 2, metrics.horizontalAdvance(legend), metrics.height()),
                     Qt::AlignLeft, legend);
    const int box = metrics.ascent() - 2;
    painter.fillRect(QRect(legendX - box - 4, 2 + (metrics.height() - box) / 2, box, box),
                     playedColour);

    // The scale: 0 and the largest count, with a faint line at each.
    painter.setPen(palette().mid().color());
    painter.drawLine(plot.left(), plot.top(), plot.right(), plot.top());
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    painter.setPen(palette().text().color());
    const QRect scale(0, 0, plot.left() - 4, metrics.height());
    painter.drawText(scale.translated(0, plot.top() - metrics.height() / 2),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
    painter.drawText(scale.translated(0, plot.bottom() - metrics.height() / 2),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));

    // The bars, with a gap between them while there is room for one.
    const double slot = double(plot.width()) / std::max(n, 1);
    const double gap = slot >= 4 ? std::max(1.0, slot / 5) : 0;
    for (int number = 1; number <= n; ++number) {
        const double left = plot.left() + (number - 1) * slot + gap / 2;
        const double height =
            double(plot.height()) * double(frequencies_[std::size_t(number)]) / double(most);
        const QRectF bar(left, plot.bottom() - height, slot - gap, height);
        painter.fillRect(bar, played_.contains(number) ? playedColour : otherColour);
        if (number == 1 || number % labelStep(n) == 0) {
            const QString label = QString::number(number);
            const int w = metrics.horizontalAdvance(label);
            painter.drawText(
                QRectF(left + (slot - gap - w) / 2, plot.bottom() + 3, w + 2, metrics.height()),
                Qt::AlignLeft, label);
        }
    }
}

bool FrequencyChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int number = numberAt(help->pos().x());
        if (number > 0) {
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("%1: %2 alkalommal húzták")
                                   .arg(number)
                                   .arg(frequencies_[std::size_t(number)]),
                               this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}
