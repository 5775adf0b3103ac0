// Composes slips of every deliverable, recorded and printed on the Qt print device, into PDFs and
// reads the glyph positions back with pdftotext: every mark, Joker mark, system mark, slip number
// and header line must lie within 0.1 mm of the place the slip layout gives it.

#include "core/base/GameProfile.h"

#include "core/slip/SlipComposer.h"
#include "core/slip/SlipLayout.h"
#include "tests/support/DeviceSurface.h"
#include "tests/support/PdfReader.h"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>

namespace {

constexpr double tolerance = 0.1; // millimetres

// One text the layout puts on a slip: the top-left of its first character cell.
struct Placed {
    int page; // 1-based
    QString text;
    double x;
    double y;
    QString what;
};

double worstDeviation = 0;
int checkedGlyphs = 0;

QString rowText(const std::vector<int>& numbers) {
    QStringList parts;
    for (int n : numbers) {
        parts << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    }
    return parts.join(QLatin1Char(' '));
}

struct Scenario {
    const char* name;
    QString offsetDown;  // down
    QString offsetRight; // right
    QString mark;
    bool jokerYes;
    bool landscape;
};

const Scenario scenarios[] = {
    {"plain", QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("x"), true, false},
    {"negative", QStringLiteral(" -3,5 "), QStringLiteral("-2.5"), QStringLiteral("•"), false,
     false},
    {"decimal", QStringLiteral("1,5"), QStringLiteral("4.25"), QStringLiteral("*"), false, false},
    {"landscape", QStringLiteral("2"), QStringLiteral("-1,5"), QStringLiteral("*"), true, true},
};

class PrintFidelityTest : public ::testing::TestWithParam<std::tuple<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("slips.pdf"));
        surface = DeviceSurface::toPdfFile(path);
    }

    static void TearDownTestSuite() {
        std::printf("Print fidelity: %d glyphs checked, worst deviation %.4f mm\n", checkedGlyphs,
                    worstDeviation);
    }

    int game() const { return std::get<0>(GetParam()); }
    const Scenario& scenario() const { return scenarios[std::get<1>(GetParam())]; }

    // The header's text as pdftotext reports it: leading blanks move the word to the right.
    Placed headerText(int page, const QString& text, double x, double y, const QString& what) {
        // pdftotext splits at blanks and reports where the first word's glyph starts: the
        // leading blanks' width, with any kerning between the last blank and the word.
        const QString word = text.trimmed().section(QLatin1Char(' '), 0, 0);
        const QString lead = text.left(text.indexOf(word));
        return {page, word, x + measureHeader(lead + word) - measureHeader(word), y, what};
    }

    double measureHeader(const QString& text) {
        if (text.isEmpty()) {
            return 0;
        }
        auto probe = DeviceSurface::toPdfFile(dir.filePath(QStringLiteral("probe.pdf")));
        setUpSlipSurface(*probe);
        probe->setFontName(QStringLiteral("times new roman"));
        return probe->measureText(text);
    }

    void checkAgainstPdf(const std::vector<Placed>& expected, int pages) {
        const PdfReader pdf(path);
        ASSERT_TRUE(pdf.ok()) << "pdftotext could not read " << path.toStdString();
        ASSERT_EQ(pdf.pageCount(), pages);
        std::vector<PdfReader::Word> words = pdf.words();
        std::vector<bool> used(words.size(), false);
        for (const Placed& item : expected) {
            double best = std::numeric_limits<double>::infinity();
            size_t bestIndex = words.size();
            for (size_t i = 0; i < words.size(); ++i) {
                if (used[i] || words[i].page != item.page || words[i].text != item.text) {
                    continue;
                }
                const double d = std::hypot(words[i].left - item.x, words[i].top - item.y);
                if (d < best) {
                    best = d;
                    bestIndex = i;
                }
            }
            ASSERT_LT(bestIndex, words.size())
                << item.what.toStdString() << " \"" << item.text.toStdString()
                << "\" missing on page " << item.page;
            used[bestIndex] = true;
            worstDeviation = std::max(worstDeviation, best);
            ++checkedGlyphs;
            EXPECT_LE(best, tolerance)
                << item.what.toStdString() << " \"" << item.text.toStdString() << "\" page "
                << item.page << " expected (" << item.x << ", " << item.y << ") found ("
                << words[bestIndex].left << ", " << words[bestIndex].top << ")";
        }
        // No mark is printed where the layout has none.
        const auto marks = std::count_if(words.begin(), words.end(),
                                         [&](const auto& w) { return w.text == scenario().mark; });
        const auto expectedMarks =
            std::count_if(expected.begin(), expected.end(),
                          [&](const auto& p) { return p.text == scenario().mark; });
        EXPECT_EQ(marks, expectedMarks);
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<DeviceSurface> surface;
};

TEST_P(PrintFidelityTest, KeySlipMarksLieOnTheLayout) {
    const GameProfile& profile = gameProfile(game());
    const KeySlip& layout = keySlip(game());
    const Scenario& s = scenario();
    const int k = profile.numbersPerRow;
    const int n = profile.highestNumber;
    const int p = layout.maxFieldsPerSlip;
    // Enough rows for every number of the grid and for more than two slips.
    const int rowCount = std::max((n + k - 1) / k, 2 * p + 1);
    std::vector<KeyRow> rows;
    for (int r = 0; r < rowCount; ++r) {
        std::vector<int> numbers;
        for (int i = 0; i < k; ++i) {
            numbers.push_back((r * k + i) % n + 1);
        }
        rows.push_back({r, rowText(numbers)});
    }
    const SlipOrigin origin = keySlipOrigin(layout, s.offsetDown, s.offsetRight, s.landscape);
    const MarkStyle style{s.mark, s.jokerYes};

    if (s.landscape) {
        surface->setOrientation(PrintSurface::Orientation::Landscape);
    }
    setUpSlipSurface(*surface);
    composeKeySlips(*surface, layout, k, n, rows, p, KeyRunMode::AllRows, style, origin);
    ASSERT_TRUE(surface->endJob().delivered());

    std::vector<Placed> expected;
    const double h = headerBase(origin.y0);
    for (const KeyRow& row : rows) {
        const int page = row.position / p + 1;
        const int field = row.position % p + 1;
        if (field == 1) {
            for (int line = 0; line < layout.headerLineCount; ++line) {
                const HeaderItem& item = layout.headerLines[line];
                const double base = item.base == HeaderBase::HeaderTop ? h : origin.y0;
                expected.push_back(headerText(page, item.text, origin.x0 + item.dx, base + item.dy,
                                              QStringLiteral("header line")));
            }
            const SlipNumberPlace& place = layout.slipNumber;
            const double base = place.base == HeaderBase::HeaderTop ? h : origin.y0;
            expected.push_back(headerText(page, formatSlipNumber(page, place.pattern),
                                          origin.x0 + place.dx, base + place.dy,
                                          QStringLiteral("slip number")));
            const MmPoint joker = s.jokerYes ? layout.jokerYes : layout.jokerNo;
            expected.push_back({page, s.mark, origin.x0 + joker.x, origin.y0 + joker.y,
                                QStringLiteral("Joker mark")});
        }
        const MmPoint grid = layout.fieldOrigin(field);
        for (int i = 0; i < k; ++i) {
            const int number = (row.position * k + i) % n + 1;
            const MmPoint cell = layout.grid.cellOffset(number);
            expected.push_back({page, s.mark, origin.x0 + grid.x + cell.x,
                                origin.y0 + grid.y + cell.y,
                                QStringLiteral("mark of %1 in field %2").arg(number).arg(field)});
        }
    }
    checkAgainstPdf(expected, (rowCount + p - 1) / p);
    if (s.landscape) {
        const PdfReader pdf(path);
        EXPECT_GT(pdf.pageSize(1).width(), pdf.pageSize(1).height());
    }
}

TEST_P(PrintFidelityTest, CombinationSlipMarksLieOnTheLayout) {
    const Scenario& s = scenario();
    const GameProfile& profile = gameProfile(game());
    const CombinationSlip& layout = combinationSlip(game());
    const int n = profile.highestNumber;
    const int count = std::min(layout.rowNumbersPrinted, n);
    // Two slips: the lowest numbers, then the highest ones in descending order; together they
    // cover every cell of the combination field.
    std::vector<int> first;
    std::vector<int> second;
    for (int i = 0; i < count; ++i) {
        first.push_back(i + 1);
        second.push_back(n - i);
    }
    const std::vector<CombinationSlipRow> rows{{rowText(first), 41}, {rowText(second), 1042}};
    const std::vector<int> fix{1, 2, n / 2, n - 1, n};
    const int systemIndex = std::get<1>(GetParam()) == 0 ? 0 : layout.systemBoxesPerColumn + 2;
    const SlipOrigin origin = combinationSlipOrigin(s.offsetDown, s.offsetRight);
    const MarkStyle style{s.mark, s.jokerYes};

    // Combination runs leave the orientation alone; here the printer is already in landscape.
    if (s.landscape) {
        surface->setOrientation(PrintSurface::Orientation::Landscape);
    }
    setUpSlipSurface(*surface);
    composeCombinationSlips(*surface, layout, n, rows, fix, systemIndex, style, origin);
    ASSERT_TRUE(surface->endJob().delivered());

    std::vector<Placed> expected;
    const double h = headerBase(origin.y0);
    for (int page = 1; page <= 2; ++page) {
        const CombinationSlipRow& row = rows[size_t(page - 1)];
        for (const HeaderItem& item : layout.headerLines) {
            const double base = item.base == HeaderBase::HeaderTop ? h : origin.y0;
            expected.push_back(headerText(page, item.text, origin.x0 + item.dx, base + item.dy,
                                          QStringLiteral("header line")));
        }
        const SlipNumberPlace& place = layout.slipNumber;
        expected.push_back(headerText(page, formatSlipNumber(row.slipNumber, place.pattern),
                                      origin.x0 + place.dx, h + place.dy,
                                      QStringLiteral("slip number")));
        const MmPoint joker = s.jokerYes ? layout.jokerYes : layout.jokerNo;
        expected.push_back(
            {page, s.mark, origin.x0 + joker.x, origin.y0 + joker.y, QStringLiteral("Joker mark")});
        const MmPoint field = layout.combinationFieldOrigin();
        for (int number : page == 1 ? first : second) {
            const MmPoint cell = layout.grid.cellOffset(number);
            expected.push_back({page, s.mark, origin.x0 + field.x + cell.x,
                                origin.y0 + field.y + cell.y,
                                QStringLiteral("combination mark of %1").arg(number)});
        }
        const MmPoint fixField = layout.fixFieldOrigin();
        for (int number : fix) {
            const MmPoint cell = layout.grid.cellOffset(number);
            expected.push_back({page, s.mark, origin.x0 + fixField.x + cell.x,
                                origin.y0 + fixField.y + cell.y,
                                QStringLiteral("FIX mark of %1").arg(number)});
        }
        const MmPoint box = layout.systemBox(systemIndex);
        expected.push_back({page, s.mark, origin.x0 + box.x, origin.y0 + box.y,
                            QStringLiteral("system mark %1").arg(systemIndex)});
    }
    checkAgainstPdf(expected, 2);
}

std::string scenarioName(const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
    return "game" + std::to_string(std::get<0>(info.param)) + "_" +
           scenarios[std::get<1>(info.param)].name;
}

INSTANTIATE_TEST_SUITE_P(AllDeliverables, PrintFidelityTest,
                         ::testing::Combine(::testing::Values(5, 6, 7),
                                            ::testing::Range(0, int(std::size(scenarios)))),
                         scenarioName);

} // namespace
