#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>

// Reads comma-separated fields from a text stream, one at a time, as the key, settings and
// last-folder files are read: leading blanks are skipped (spaces only; a tab is part of the
// field); a field ends at a comma or at the line end; a field that starts with a double quote
// ends at the closing quote and is taken without the quotes (commas inside are kept). LF, CRLF
// and CR all end a line; blank lines give no field. Bytes are read as Latin-1, so any content is
// accepted. The device is read in blocks, so a line of any length costs time and memory in
// proportion to its size only.
class FieldReader {
public:
    // Characters of a field beyond maxFieldLength are read over and dropped, so a hostile
    // file cannot exhaust the memory with one endless line.
    static constexpr qsizetype defaultMaxFieldLength = 16 * 1024 * 1024;

    explicit FieldReader(QIODevice& device, qsizetype maxFieldLength = defaultMaxFieldLength);

    // The next field, or nothing at the end of the data or after a read error.
    std::optional<QString> next();
    // Every remaining field, in order.
    QStringList readAll();

    // True when reading stopped because the device reported an error.
    bool failed() const { return failed_; }

private:
    // The next byte (0..255) without taking it, or -1 at the end.
    int peek() {
        if (pos_ < buffer_.size() && !skipLineFeed_) {
            return static_cast<unsigned char>(buffer_.constData()[pos_]);
        }
        return peekSlow();
    }
    int peekSlow();
    bool fill();
    void skipBlanks();
    QString readUntil(bool quoted);
    void endField();
    void skipLineEnd(int taken);

    QIODevice& device_;
    qsizetype maxFieldLength_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    bool skipLineFeed_ = false; // a CR ended the last line; a following LF belongs to it
    bool afterComma_ = false;   // the last field ended at a comma, so another field follows
};

// Opens a text file for reading with FieldReader. Only regular files are opened: a folder, a
// device or a pipe (which could deliver data without end) is refused like a missing file.
bool openRegularFile(QFile& file);
