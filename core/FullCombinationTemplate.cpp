#include "FullCombinationTemplate.h"

#include "NumberText.h"

#include <QFile>

const QString FullCombinationTemplate::plainMarker = QStringLiteral("Sima szelvény");

namespace {

// The fields of one line: leading blanks skipped, a field ends at a comma or the line end, a
// field that starts with a double quote runs to the closing quote and loses the quotes.
QStringList fieldsOfLine(const QString& line) {
    QStringList fields;
    int pos = 0;
    const int length = int(line.size());
    while (pos < length) {
        while (pos < length && line.at(pos) == QLatin1Char(' ')) {
            ++pos;
        }
        if (pos < length && line.at(pos) == QLatin1Char('"')) {
            const int close = int(line.indexOf(QLatin1Char('"'), pos + 1));
            const int end = close < 0 ? length : close;
            fields << line.mid(pos + 1, end - pos - 1);
            pos = end + 1;
            const int comma = int(line.indexOf(QLatin1Char(','), pos));
            pos = comma < 0 ? length : comma + 1;
            continue;
        }
        const int comma = int(line.indexOf(QLatin1Char(','), pos));
        const int end = comma < 0 ? length : comma;
        fields << line.mid(pos, end - pos);
        pos = comma < 0 ? length : comma + 1;
    }
    return fields;
}

QString decode(const QByteArray& bytes) {
    // Templates are UTF-8; a single-byte file (the é of "Sima szelvény" as one byte) still reads.
    const QString text = QString::fromUtf8(bytes);
    return text.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(bytes) : text;
}

} // namespace

FullCombinationTemplate::FullCombinationTemplate(QStringList items) : items_(std::move(items)) {}

std::optional<FullCombinationTemplate> FullCombinationTemplate::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QString text = decode(file.readAll());
    QStringList items;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        items << fieldsOfLine(line); // an empty line gives no field
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
