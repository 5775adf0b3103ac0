#include "RecordingSurface.h"

bool RecordingSurface::record(const QString& operation) {
    operations.push_back(operation);
    return !failing;
}

double RecordingSurface::lineHeight() const {
    // 1.15 times the point size, in the current unit.
    const double points = size_ * 1.15;
    return units_ == Units::Millimetres ? points * 25.4 / 72.0 : points * 20.0;
}

bool RecordingSurface::setOrientation(Orientation o) {
    orientation = o;
    return record(QStringLiteral("setOrientation %1").arg(int(o)));
}

bool RecordingSurface::setUnits(Units u) {
    units_ = u;
    return record(u == Units::Millimetres ? QStringLiteral("setUnits mm")
                                          : QStringLiteral("setUnits twips"));
}

bool RecordingSurface::setFontName(const QString& face) {
    face_ = face;
    return record(QStringLiteral("setFontName ") + face);
}

bool RecordingSurface::setFontSize(double points) {
    size_ = points;
    return record(QStringLiteral("setFontSize %1").arg(points));
}

bool RecordingSurface::setBold(bool bold) {
    bold_ = bold;
    return record(bold ? QStringLiteral("setBold on") : QStringLiteral("setBold off"));
}

bool RecordingSurface::setPosX(double x) {
    x_ = x;
    return record(QStringLiteral("setPosX %1").arg(x));
}

bool RecordingSurface::setPosY(double y) {
    y_ = y;
    return record(QStringLiteral("setPosY %1").arg(y));
}

bool RecordingSurface::printText(const QString& text, bool endLine) {
    texts.push_back({jobsEnded, page_, x_, y_, text, face_, size_, bold_, units_});
    if (endLine) {
        x_ = 0;
        y_ += lineHeight();
    } else {
        x_ += measureText(text);
    }
    return record((endLine ? QStringLiteral("printText ") : QStringLiteral("printText; ")) + text);
}

double RecordingSurface::measureText(const QString& text) {
    return charWidth * double(text.size());
}

bool RecordingSurface::newPage() {
    ++page_;
    pagesInJob = page_ + 1;
    x_ = 0;
    y_ = 0;
    return record(QStringLiteral("newPage"));
}

PrintJobOutcome RecordingSurface::endJob() {
    pagesInJob = page_ + 1;
    ++jobsEnded;
    page_ = 0;
    x_ = 0;
    y_ = 0;
    const bool recorded = record(QStringLiteral("endJob"));
    if (refuseFromJob >= 0 && jobsEnded > refuseFromJob) {
        return refusal;
    }
    if (recorded) {
        return {};
    }
    return {PrintJobOutcome::Problem::Failed, QString()};
}

bool RecordingSurface::setDuplex() {
    duplex = true;
    return record(QStringLiteral("setDuplex"));
}

std::vector<RecordingSurface::Text> RecordingSurface::textsOf(const QString& text, int job) const {
    std::vector<Text> found;
    for (const Text& t : texts) {
        if (t.text == text && (job < 0 || t.job == job)) {
            found.push_back(t);
        }
    }
    return found;
}

int RecordingSurface::count(const QString& operationPrefix) const {
    int n = 0;
    for (const QString& op : operations) {
        if (op.startsWith(operationPrefix)) {
            ++n;
        }
    }
    return n;
}
