#include "FullCombinationTemplate.h"

#include "FieldReader.h"
#include "NumberText.h"

#include <QFile>

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

FullCombinationTemplate::FullCombinationTemplate(QStringList items) : items_(std::move(items)) {}

std::optional<FullCombinationTemplate> FullCombinationTemplate::load(const QString& path) {
    QFile file(path);
    if (!openRegularFile(file)) {
        return std::nullopt;
    }
    QStringList items = FieldReader(file).readAll();
    for (QString& item : items) {
        item = decode(item);
    }
    return FullCombinationTemplate(items);
}

QString FullCombinationTemplate::fileName(int game, int size) {
    return QStringLiteral("tkombi%1_%2.txt").arg(game).arg(size, 2, 10, QLatin1Char('0'));
}

QString FullCombinationTemplate::plainSlipFileName(int size) {
    return QStringLiteral("sima%1.txt").arg(size, 2, 10, QLatin1Char('0'));
}

int FullCombinationTemplate::markerPosition() const {
    for (int p = 1; p < items_.size(); ++p) {
        if (items_.at(p) == plainMarker) {
            return p;
        }
    }
    return int(items_.size());
}

int FullCombinationTemplate::plainRowCount() const {
    const int marker = markerPosition();
    return marker < items_.size() ? int(items_.size()) - marker - 1 : 0;
}

std::vector<bool> FullCombinationTemplate::templateMarks(int highestNumber) const {
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
    const int count = (int(line.size()) + 1) / 3 - 1;
    return count < 0 ? 0 : count;
}

int FullCombinationTemplate::rank(const QString& line, int j) {
    return int(saturatedInteger(leadingNumber(line.mid(3 + 3 * (j - 1), 3))));
}
