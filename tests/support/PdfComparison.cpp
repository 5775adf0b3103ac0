#include "tests/support/PdfComparison.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double tolerance = 0.001; // millimetres

bool near(double a, double b) {
    return std::abs(a - b) < tolerance;
}

} // namespace

void expectSamePdf(const QString& expectedPath, const QString& actualPath) {
    const PdfReader expected(expectedPath);
    const PdfReader actual(actualPath);
    ASSERT_TRUE(expected.ok()) << expectedPath.toStdString();
    ASSERT_TRUE(actual.ok()) << actualPath.toStdString();
    ASSERT_EQ(actual.pageCount(), expected.pageCount());
    for (int page = 1; page <= expected.pageCount(); ++page) {
        EXPECT_EQ(actual.pageSize(page), expected.pageSize(page)) << "page " << page;
    }
    ASSERT_EQ(actual.words().size(), expected.words().size());
    ASSERT_FALSE(expected.words().empty());
    for (size_t i = 0; i < expected.words().size(); ++i) {
        const PdfReader::Word& e = expected.words()[i];
        const PdfReader::Word& a = actual.words()[i];
        EXPECT_EQ(a.text, e.text) << "word " << i;
        EXPECT_EQ(a.page, e.page) << e.text.toStdString();
        EXPECT_TRUE(near(a.left, e.left) && near(a.top, e.top) && near(a.right, e.right) &&
                    near(a.bottom, e.bottom))
            << e.text.toStdString() << " on page " << e.page << " at (" << e.left << ", " << e.top
            << ") is at (" << a.left << ", " << a.top << ")";
    }
}
