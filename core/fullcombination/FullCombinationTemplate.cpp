#include "core/fullcombination/FullCombinationTemplate.h"

#include "core/base/FieldReader.h"
#include "core/base/NumberText.h"
#include "core/files/KeyFile.h"

#include <QFile>

#include <algorithm>
#include <climits>

const QString FullCombinationTemplate::plainMarker = QStringLiteral("Sima szelvény");

namespace {

// Fields are read as Latin-1; templates are UTF-8 (the é of "Sima szelvény"), and a single-byte
// file still reads.
QString decode(const QString& latin1Field) {
    const QByteArray bytes = latin1Field.toLatin1();
    const QString text = QString::fromUtf8(bytes);
    return text.contains(QChar::ReplacementCharacter) ? latin1Field : text;
}

} // namespace

FullCombinationTemplate::FullCombinationTemplate(QStringList items, bool cutOff)
    : items_(std::move(items)), cutOff_(cutOff) {}

std::optional<FullCombinationTemplate> FullCombinationTemplate::load(const QString& path) {
    QFile file(path);
    if (!openRegularFile(file)) {
        return std::nullopt;
    }
    // A template is read with the key's limits, so a huge or endless file costs bounded memory.
    KeyRows read = readKeyRows(file);
    for (QString& item : read.rows) {
        item = decode(item);
    }
    return FullCombinationTemplate(std::move(read.rows), read.stoppedEarly);
}

QString FullCombinationTemplate::fileName(int game, int size) {
    return QStringLiteral("tkombi%1_%2.txt").arg(game).arg(size, 2, 10, QLatin1Char('0'));
}

int FullCombinationTemplate::markerPosition() const {
    for (int p = 1; p < items_.size(); ++p) {
        if (items_.at(p) == plainMarker) {
            return p;
        }
    }
    return int(items_.size());
}

int FullCombinationTemplate::markerCount() const {
    int count = 0;
    for (int p = 1; p < items_.size(); ++p) {
        count += items_.at(p) == plainMarker ? 1 : 0;
    }
    return count;
}

int FullCombinationTemplate::plainRowCount() const {
    const int marker = markerPosition();
    return marker < items_.size() ? int(items_.size()) - marker - 1 : 0;
}

std::vector<bool> FullCombinationTemplate::templateMarks(int highestNumber) const {
    highestNumber = std::max(highestNumber, 0);
    std::vector<bool> marks(std::size_t(highestNumber) + 1, false);
    for (int r = 1; r <= 12 && r <= highestNumber; ++r) {
        marks[std::size_t(r)] = true;
    }
    const int marker = markerPosition();
    for (int p = 1; p < marker; ++p) {
        const QString& line = items_.at(p);
        for (int j = 1; j <= rankCount(line); ++j) {
            const int r = rank(line, j);
            if (r >= 1 && r <= highestNumber) {
                marks[std::size_t(r)] = true;
            }
        }
    }
    return marks;
}

int FullCombinationTemplate::rankCount(const QString& line) {
    const qsizetype count = (line.size() + 1) / 3 - 1;
    return int(std::clamp<qsizetype>(count, 0, INT_MAX));
}

int FullCombinationTemplate::rank(const QString& line, int j) {
    const qsizetype start = 3 + 3 * (qsizetype(j) - 1);
    if (j < 1 || start >= line.size()) {
        return 0;
    }
    const long long value = saturatedInteger(leadingNumber(QStringView(line).mid(start, 3)));
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
