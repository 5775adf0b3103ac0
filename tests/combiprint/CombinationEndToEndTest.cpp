// One combination slip printed from the real window through the Qt print surface into a PDF;
// every mark and the slip number are read back with pdftotext and checked against the layout.

#include "combiprint/CombinationPrinterWindow.h"
#include "core/base/GameProfile.h"
#include "tests/support/FakeServices.h"

#include "core/slip/SlipLayout.h"
#include "core/slip/SystemTable.h"
#include "printing/QtPrintDevice.h"
#include "tests/support/PdfReader.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double tolerance = 0.1; // millimetres

class EndToEndTest : public ::testing::TestWithParam<int> {};

TEST_P(EndToEndTest, OneSlipThroughTheWindowLandsOnTheLayout) {
    const int game = GetParam();
    const GameProfile& profile = gameProfile(game);
    const CombinationSlip& layout = combinationSlip(game);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdfPath = dir.filePath(QStringLiteral("slip.pdf"));
    auto surface = QtPrintDevice::toPdfFile(pdfPath);
    FakeServices fakes;
    fakes.program.folder = dir.path();
    fakes.program.name = QStringLiteral("combiprint%1").arg(game);
    QFile::copy(QStringLiteral(SLIP_DATA_DIR "/XX.BMP"), dir.filePath(QStringLiteral("XX.BMP")));
    WindowServices services = fakes.servicesPrintingOn(*surface);
    CombinationPrinterWindow window(profile, services);
    ASSERT_TRUE(window.load());

    const auto click = [&](const QString& name) {
        auto* button = window.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        button->click();
    };
    // Eight combination numbers made into a row on the grid, then two FIX numbers, "2 08".
    const std::vector<int> row{1, 2, 9, 17, 20, 26, 33, profile.highestNumber - 1};
    const std::vector<int> fix{5, profile.highestNumber};
    for (int n : row) {
        click(QStringLiteral("Command3D5(%1)").arg(n));
    }
    click(QStringLiteral("Command1"));
    for (int n : fix) {
        click(QStringLiteral("Command3D5(%1)").arg(n));
    }
    const int system = int(systemTable(game).codes.indexOf(QStringLiteral("2 08")));
    ASSERT_GE(system, 0);
    click(QStringLiteral("Option3(%1)").arg(system));
    click(QStringLiteral("Option2(1)"));
    click(QStringLiteral("Option1(0)"));
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("2,5"));
    window.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("-1"));
    // For a look at the results: COMBIPRINT_KEEP=<folder> keeps the window picture and the PDF.
    const QString keep = qEnvironmentVariable("COMBIPRINT_KEEP");
    if (!keep.isEmpty()) {
        window.grab().save(keep + QStringLiteral("/window%1.png").arg(game));
    }
    click(QStringLiteral("Command3D1"));
    if (!keep.isEmpty()) {
        QFile::copy(pdfPath, keep + QStringLiteral("/slip%1.pdf").arg(game));
    }
    ASSERT_TRUE(fakes.messageBox.shown.empty()) << fakes.messageBox.shown[0].text.toStdString();

    struct Expected {
        QString text;
        double x;
        double y;
    };
    const double x0 = -1;
    const double y0 = 2.5;
    std::vector<Expected> expected;
    expected.push_back({QStringLiteral("1"), x0 + layout.slipNumber.dx, y0 + layout.slipNumber.dy});
    expected.push_back({QStringLiteral("*"), x0 + layout.jokerYes.x, y0 + layout.jokerYes.y});
    for (int n : row) {
        const MmPoint o = layout.combinationFieldOrigin();
        const MmPoint c = layout.grid.cellOffset(n);
        expected.push_back({QStringLiteral("*"), x0 + o.x + c.x, y0 + o.y + c.y});
    }
    for (int n : fix) {
        const MmPoint o = layout.fixFieldOrigin();
        const MmPoint c = layout.grid.cellOffset(n);
        expected.push_back({QStringLiteral("*"), x0 + o.x + c.x, y0 + o.y + c.y});
    }
    const MmPoint box = layout.systemBox(system);
    expected.push_back({QStringLiteral("*"), x0 + box.x, y0 + box.y});

    const PdfReader pdf(pdfPath);
    ASSERT_TRUE(pdf.ok());
    ASSERT_EQ(pdf.pageCount(), 1);
    std::vector<PdfReader::Word> words = pdf.words();
    std::vector<bool> used(words.size(), false);
    for (const Expected& e : expected) {
        double best = std::numeric_limits<double>::infinity();
        std::size_t bestIndex = words.size();
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (!used[i] && words[i].text == e.text) {
                const double d = std::hypot(words[i].left - e.x, words[i].top - e.y);
                if (d < best) {
                    best = d;
                    bestIndex = i;
                }
            }
        }
        ASSERT_LT(bestIndex, words.size()) << e.text.toStdString() << " missing";
        used[bestIndex] = true;
        EXPECT_LE(best, tolerance)
            << e.text.toStdString() << " expected at (" << e.x << ", " << e.y << ")";
    }
    const auto marks = std::count_if(words.begin(), words.end(),
                                     [](const auto& w) { return w.text == QStringLiteral("*"); });
    EXPECT_EQ(marks, long(expected.size() - 1));
    EXPECT_EQ(pdf.find(QStringLiteral("Kelvadata/2010")).page, 1);
}

INSTANTIATE_TEST_SUITE_P(Games, EndToEndTest, ::testing::Values(5, 6, 7), [](const auto& info) {
    return "combiprint" + std::to_string(info.param);
});

} // namespace
