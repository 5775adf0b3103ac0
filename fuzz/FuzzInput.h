#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

// A device that hands out its data in pieces of a chosen size, so the readers meet block
// boundaries at every position, not only every 64 KiB.
class ChunkedDevice : public QIODevice {
public:
    ChunkedDevice(QByteArray data, qint64 chunk) : data_(std::move(data)), chunk_(chunk) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 n = std::min({max, chunk_, qint64(data_.size()) - pos_});
        if (n <= 0) {
            return 0;
        }
        std::memcpy(out, data_.constData() + pos_, n);
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 chunk_;
    qint64 pos_ = 0;
};

// Stops the fuzzer with a report when an expectation about the readers does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (false)
