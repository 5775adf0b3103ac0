#include "printing/QtPrintDevice.h"
#include "tests/support/DeviceSurface.h"
#include "tests/support/PdfReader.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Orientation = PrintSurface::Orientation;

// A job script, one letter an operation: p prints a mark, n ejects a page, L and P choose
// landscape and portrait, u sets a unit, e ends the job.
struct Scenario {
    const char* name;
    const char* script;
};

void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.script;
}

void run(const char* script, PrintSurface& surface, const std::function<void()>& afterJob) {
    for (const char* c = script; *c; ++c) {
        switch (*c) {
        case 'p':
            surface.setPosX(20);
            surface.setPosY(20);
            surface.printText(QStringLiteral("x"));
            break;
        case 'n':
            surface.newPage();
            break;
        case 'L':
            surface.setOrientation(Orientation::Landscape);
            break;
        case 'P':
            surface.setOrientation(Orientation::Portrait);
            break;
        case 'u':
            surface.setUnits(PrintSurface::Units::Millimetres);
            break;
        case 'e':
            surface.endJob();
            afterJob();
            break;
        default:
            break;
        }
    }
}

// The pages of a PDF as orientations; none when the job wrote no file.
std::vector<Orientation> pdfPages(const QString& path) {
    std::vector<Orientation> pages;
    if (!QFileInfo::exists(path)) {
        return pages;
    }
    const PdfReader pdf(path);
    EXPECT_TRUE(pdf.ok());
    for (int page = 1; page <= pdf.pageCount(); ++page) {
        const QSizeF size = pdf.pageSize(page);
        pages.push_back(size.width() > size.height() ? Orientation::Landscape
                                                     : Orientation::Portrait);
    }
    return pages;
}

class PageCountTest : public ::testing::TestWithParam<Scenario> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        pdfPath = dir.filePath(QStringLiteral("job.pdf"));
    }

    QTemporaryDir dir;
    QString pdfPath;
};

// The device prints every job of the script with the recording's pages, in the same
// orientations: blank pages ejected before anything was printed, orientations chosen after a
// page began waiting for the next page, no page for a trailing eject or an empty job.
TEST_P(PageCountTest, TheDevicePrintsThePagesOfTheRecording) {
    const Scenario& scenario = GetParam();
    std::vector<std::vector<Orientation>> printed;
    DeviceSurface surface(QtPrintDevice::toPdfFile(pdfPath));
    run(scenario.script, surface, [&] {
        printed.push_back(pdfPages(pdfPath));
        QFile::remove(pdfPath);
    });
    const PrintRecording& recording = surface.recording();
    ASSERT_EQ(recording.jobCount(), int(printed.size()));
    for (int job = 0; job < recording.jobCount(); ++job) {
        SCOPED_TRACE(job);
        std::vector<Orientation> recorded;
        const PrintRecording::Job& j = recording.job(job);
        for (std::uint32_t page = j.firstPage; page < j.firstPage + j.pageCount; ++page) {
            recorded.push_back(recording.page(int(page)).orientation);
        }
        EXPECT_EQ(printed[size_t(job)], recorded);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, PageCountTest,
    ::testing::Values(Scenario{"OnlyAnEjectIsOneBlankPage", "ne"},
                      Scenario{"NothingIsNoPage", "ue"}, Scenario{"TrailingEjectIsNoPage", "pne"},
                      Scenario{"TwoEjectsBeforeTheFirstMark", "nnpnpe"},
                      Scenario{"EjectsAloneGiveTheirPages", "nne"},
                      Scenario{"BlankPagesBetweenPrintedOnes", "pnnnpe"},
                      Scenario{"OrientationBeforeTheFirstMarkOfAPage", "Lpnppe"},
                      Scenario{"OrientationAfterAMarkWaitsForTheNextPage", "pLpnpe"},
                      Scenario{"EjectThenLandscapeTakesTheBlankPageToo", "nLpe"},
                      Scenario{"ChangedTwiceBeforeAnything", "LnPe"},
                      Scenario{"LandscapeForPagesEjectedAfterAMark", "pnLnpPe"},
                      Scenario{"OrientationStaysWithItsJob", "Lpepe"},
                      Scenario{"JobsAfterAnEmptyOne", "enpee"}),
    [](const ::testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

} // namespace
