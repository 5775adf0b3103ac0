#include "core/base/FieldReader.h"

#include "core/base/RowText.h"

#include <QFileInfo>

#include <QLatin1StringView>

#include <algorithm>

namespace {

constexpr qint64 blockSize = 64 * 1024;

bool isLineEnd(int c) {
    return c == '\r' || c == '\n';
}

// True for the bytes that end an unquoted field; false for everything else.
struct FieldEnds {
    bool table[256] = {};
    constexpr FieldEnds() {
        table[int(',')] = true;
        table[int('\r')] = true;
        table[int('\n')] = true;
    }
};
constexpr FieldEnds fieldEnds;

// The bytes that end a quoted field: the closing quote or the line end.
struct QuotedEnds {
    bool table[256] = {};
    constexpr QuotedEnds() {
        table[int('"')] = true;
        table[int('\r')] = true;
        table[int('\n')] = true;
    }
};
constexpr QuotedEnds quotedEnds;

} // namespace

FieldReader::FieldReader(QIODevice& device, qsizetype maxFieldLength)
    : device_(device), maxFieldLength_(std::max<qsizetype>(maxFieldLength, 0)) {}

bool FieldReader::fill() {
    if (pos_ < buffer_.size()) {
        return true;
    }
    if (atEnd_) {
        return false;
    }
    buffer_.resize(blockSize);
    const qint64 got = device_.read(buffer_.data(), blockSize);
    if (got <= 0) {
        buffer_.clear();
        atEnd_ = true;
        failed_ = got < 0;
        pos_ = 0;
        return false;
    }
    buffer_.resize(got);
    pos_ = 0;
    return true;
}

// Refills the block when it is used up, and drops a line feed right after a CR, so CRLF counts
// as one line end even across blocks.
int FieldReader::peekSlow() {
    while (fill()) {
        const unsigned char c = static_cast<unsigned char>(buffer_[pos_]);
        if (skipLineFeed_) {
            skipLineFeed_ = false;
            if (c == '\n') {
                ++pos_;
                continue;
            }
        }
        return c;
    }
    return -1;
}

void FieldReader::skipBlanks() {
    for (int c = peek(); c >= 0 && isBlank(char16_t(c)); c = peek()) {
        ++pos_;
    }
}

// Takes bytes up to (not including) the first end byte of the field kind.
QString FieldReader::readUntil(bool quoted) {
    const bool* ends = quoted ? quotedEnds.table : fieldEnds.table;
    QString field;
    bool first = true;
    while (peek() >= 0) {
        const char* data = buffer_.constData();
        const qsizetype size = buffer_.size();
        qsizetype end = pos_;
        while (end < size && !ends[static_cast<unsigned char>(data[end])]) {
            ++end;
        }
        const qsizetype room = maxFieldLength_ - field.size();
        const QLatin1StringView piece(data + pos_, std::min(end - pos_, room));
        if (first && end < size) {
            field = QString(piece); // the common case: the whole field inside one block
        } else {
            field.append(piece);
        }
        first = false;
        pos_ = end;
        if (end < size) {
            break;
        }
    }
    return field;
}

// After a CR (already taken) a following LF belongs to the same line end; when the block ends
// here, the check waits for the next block.
void FieldReader::skipLineEnd(int taken) {
    if (taken != '\r') {
        return;
    }
    if (pos_ < buffer_.size()) {
        if (buffer_.at(pos_) == '\n') {
            ++pos_;
        }
        return;
    }
    skipLineFeed_ = true;
}

// Takes what ends the field: a comma (another field follows), or a line end, or nothing at
// the end of the data. After a closing quote anything up to the next comma or line end is
// dropped.
void FieldReader::endField() {
    for (int c = peek(); c >= 0; c = peek()) {
        ++pos_;
        if (c == ',') {
            afterComma_ = true;
            return;
        }
        if (isLineEnd(c)) {
            skipLineEnd(c);
            afterComma_ = false;
            return;
        }
    }
    afterComma_ = false;
}

std::optional<QString> FieldReader::next() {
    for (;;) {
        skipBlanks();
        const int c = peek();
        if (c < 0) {
            if (afterComma_) { // a comma before the end of the data: one more, empty field
                afterComma_ = false;
                return QString();
            }
            return std::nullopt;
        }
        if (isLineEnd(c)) {
            ++pos_;
            skipLineEnd(c);
            if (afterComma_) { // "01," : the empty field after the comma
                afterComma_ = false;
                return QString();
            }
            continue; // a blank line is no field
        }
        if (c == '"') {
            ++pos_;
            QString field = readUntil(true);
            if (peek() == '"') {
                ++pos_;
            }
            endField();
            return field;
        }
        QString field = readUntil(false);
        endField();
        return field;
    }
}

bool openRegularFile(QFile& file) {
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

QStringList FieldReader::readAll() {
    QStringList fields;
    while (std::optional<QString> field = next()) {
        fields.append(*field);
    }
    return fields;
}
