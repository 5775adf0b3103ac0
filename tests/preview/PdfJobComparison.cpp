#include "PdfJobComparison.h"

#include "PdfReader.h"
#include "QStringPrinting.h"
#include "QtPrintSurface.h"
#include "RecordingPrintSurface.h"
#include "RecordingReplay.h"

#include <gtest/gtest.h>

namespace {

// pdftotext writes coordinates with a few decimals: the same job gives the same numbers.
constexpr double samePlace = 1e-9;

} // namespace

std::shared_ptr<const PrintRecording> recordJobs(const Compose& compose, TextMetrics& metrics) {
    RecordingPrintSurface recorder(metrics);
    compose(recorder);
    return recorder.takeRecording();
}

void printDirectly(const Compose& compose, const QString& path) {
    const auto surface = QtPrintSurface::toPdfFile(path);
    compose(*surface);
}

void printReplayed(const PrintRecording& recording, int job, const QString& path) {
    const auto surface = QtPrintSurface::toPdfFile(path);
    EXPECT_TRUE(replayJob(recording, job, *surface).delivered());
}

int expectSamePdfPages(const QString& expectedPath, const QString& actualPath) {
    const PdfReader expected(expectedPath);
    const PdfReader actual(actualPath);
    EXPECT_TRUE(expected.ok());
    EXPECT_TRUE(actual.ok());
    EXPECT_EQ(actual.pageCount(), expected.pageCount());
    for (int page = 1; page <= std::min(actual.pageCount(), expected.pageCount()); ++page) {
        EXPECT_EQ(actual.pageSize(page), expected.pageSize(page)) << "page " << page;
    }
    const auto& want = expected.words();
    const auto& got = actual.words();
    EXPECT_EQ(got.size(), want.size());
    for (size_t i = 0; i < std::min(got.size(), want.size()); ++i) {
        SCOPED_TRACE(want[i].text.toStdString());
        EXPECT_EQ(got[i].page, want[i].page);
        EXPECT_EQ(got[i].text, want[i].text);
        EXPECT_NEAR(got[i].left, want[i].left, samePlace);
        EXPECT_NEAR(got[i].top, want[i].top, samePlace);
        EXPECT_NEAR(got[i].right, want[i].right, samePlace);
        EXPECT_NEAR(got[i].bottom, want[i].bottom, samePlace);
    }
    return int(want.size());
}
