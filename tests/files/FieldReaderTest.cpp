#include "core/base/FieldReader.h"
#include "core/files/KeyFile.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QStringList fieldsOf(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return FieldReader(buffer).readAll();
}

// A device that delivers its data and then fails.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray data) : data_(std::move(data)) { open(ReadOnly); }

protected:
    qint64 readData(char* out, qint64 max) override {
        if (data_.isEmpty()) {
            return -1;
        }
        const qint64 n = std::min<qint64>(max, data_.size());
        memcpy(out, data_.constData(), n);
        data_.remove(0, n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }

private:
    QByteArray data_;
};

} // namespace

class LineEnds : public ::testing::TestWithParam<const char*> {};

TEST_P(LineEnds, EveryLineIsOneRowAndBlankLinesAreNone) {
    const QByteArray end = GetParam();
    const QByteArray data =
        "01 02 03" + end + end + "04 05 06 " + end + "   " + end + "07" + end + end + end;
    EXPECT_EQ(fieldsOf(data), QStringList({"01 02 03", "04 05 06 ", "07"}));
}

TEST_P(LineEnds, CommaAtLineEndGivesOneEmptyField) {
    const QByteArray end = GetParam();
    EXPECT_EQ(fieldsOf("01," + end + "02"), QStringList({"01", "", "02"}));
}

INSTANTIATE_TEST_SUITE_P(FieldReader, LineEnds, ::testing::Values("\n", "\r\n", "\r"));

TEST(FieldReader, CommasAndQuotes) {
    EXPECT_EQ(fieldsOf("01,02,03\r\n"), QStringList({"01", "02", "03"}));
    EXPECT_EQ(fieldsOf("\"01 02 03\"\r\n"), QStringList({"01 02 03"}));
    EXPECT_EQ(fieldsOf("\"01,02\",03"), QStringList({"01,02", "03"}));
    // Leading blanks are dropped, also before a quote; what follows a closing quote is dropped.
    EXPECT_EQ(fieldsOf("   01 02,  \"03\" x,04"), QStringList({"01 02", "03", "04"}));
    // An unclosed quote ends at the line end instead of swallowing the rest of the file.
    EXPECT_EQ(fieldsOf("\"01 02\n03"), QStringList({"01 02", "03"}));
    EXPECT_EQ(fieldsOf("\"\""), QStringList({""}));
}

TEST(FieldReader, NoLineEndAndEmptyData) {
    EXPECT_EQ(fieldsOf("01 02 03"), QStringList({"01 02 03"}));
    EXPECT_EQ(fieldsOf("01,"), QStringList({"01", ""}));
    EXPECT_TRUE(fieldsOf("").isEmpty());
    EXPECT_TRUE(fieldsOf(" \r\n\r\n\n\r").isEmpty());
}

TEST(FieldReader, FieldsAcrossBlockBoundaries) {
    // A field far longer than a read block, and a CRLF split between two blocks.
    const QByteArray longField(200000, '7');
    EXPECT_EQ(fieldsOf(longField + ",tail"), QStringList({QString(longField), "tail"}));
    QByteArray split(65535, 'a');
    split += "\r\n,b";
    EXPECT_EQ(fieldsOf(split), QStringList({QString(QByteArray(65535, 'a')), "", "b"}));
}

TEST(FieldReader, AnyByteIsLatin1) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        if (b != ',' && b != '"' && b != '\r' && b != '\n' && b != ' ' && b != '\t') {
            all += char(b);
        }
    }
    const QStringList fields = fieldsOf(all);
    ASSERT_EQ(fields.size(), 1);
    EXPECT_EQ(fields[0], QString::fromLatin1(all));
    EXPECT_EQ(fields[0].back(), QChar(0xFF));
}

TEST(FieldReader, OverlongFieldIsCutAndTheNextOneKept) {
    QBuffer buffer;
    buffer.setData(QByteArray(100000, '1') + ",\"" + QByteArray(50, '2') + "\"\r\n03");
    buffer.open(QIODevice::ReadOnly);
    FieldReader reader(buffer, 10);
    EXPECT_EQ(reader.next(), QString(10, QLatin1Char('1')));
    EXPECT_EQ(reader.next(), QString(10, QLatin1Char('2')));
    EXPECT_EQ(reader.next(), QStringLiteral("03"));
    EXPECT_EQ(reader.next(), std::nullopt);
}

TEST(KeyRows, StopsAtTheLimitAndAtAReadError) {
    QByteArray data;
    for (int i = 0; i < 10; ++i) {
        data += "01 02\r\n";
    }
    QBuffer exact(&data);
    exact.open(QIODevice::ReadOnly);
    const KeyRows full = readKeyRows(exact, 10);
    EXPECT_EQ(full.rows.size(), 10);
    EXPECT_FALSE(full.stoppedEarly);

    QBuffer over(&data);
    over.open(QIODevice::ReadOnly);
    const KeyRows cut = readKeyRows(over, 9);
    EXPECT_EQ(cut.rows.size(), 9);
    EXPECT_TRUE(cut.stoppedEarly);

    QBuffer large(&data);
    large.open(QIODevice::ReadOnly);
    const KeyRows capped = readKeyRows(large, 100, 12);
    EXPECT_EQ(capped.rows.size(), 2); // 5 + 5 characters; the third row would pass 12
    EXPECT_TRUE(capped.stoppedEarly);

    FailingDevice failing("01 02\r\n03 04\r\n");
    const KeyRows broken = readKeyRows(failing);
    EXPECT_EQ(broken.rows, QStringList({"01 02", "03 04"}));
    EXPECT_TRUE(broken.stoppedEarly);
}

TEST(FieldReader, OnlyBlanksAreSkippedBeforeAField) {
    // A tab is an ordinary character: it starts a field, and a line of tabs is a field.
    EXPECT_EQ(fieldsOf("\t01 02\r\n  \t03,\t\"04\"\r\n\t\t\r\n"),
              QStringList({"\t01 02", "\t03", "\t\"04\"", "\t\t"}));
    // Blanks before a quote are skipped, so the quotes are taken off.
    EXPECT_EQ(fieldsOf("   \"05 06\""), QStringList({"05 06"}));
}

TEST(KeyRows, SameRowsFromAFileABufferAndAStream) {
    // Short rows (fewer bytes per row than the list reserves room for) and long ones, read from
    // a file, from a buffer already past its first line, and from a sequential device.
    QByteArray data = "skip\n";
    for (int i = 0; i < 50; ++i) {
        data += i % 2 ? "1\n" : "01 02 03 04 05 06 07 08 09 10\r\n";
    }
    QBuffer whole;
    whole.setData(data);
    whole.open(QIODevice::ReadOnly);
    const KeyRows all = readKeyRows(whole);
    ASSERT_EQ(all.rows.size(), 51);
    EXPECT_EQ(all.rows[2], "1");

    QBuffer past;
    past.setData(data);
    past.open(QIODevice::ReadOnly);
    past.seek(5);
    EXPECT_EQ(readKeyRows(past).rows, all.rows.mid(1));

    FailingDevice stream(data.mid(5));
    EXPECT_EQ(readKeyRows(stream, 30).rows, all.rows.mid(1, 30));
}
