#include "core/keys/KeyListing.h"

#include "core/base/BusyScope.h"
#include "core/base/Maker.h"
#include "core/base/NumberText.h"

namespace {

const QString confirmation = QStringLiteral("A betöltött kulcs A4-s lapra nyomtatása !");
const QString headerPrompt = QStringLiteral("Kérem adja meg a fejlécet !");
const QString listingFace = QStringLiteral("times new roman");

constexpr double designRowsPerColumn = 60;
constexpr int lineCharacters = 90;
constexpr double characterPitch = 120;
constexpr double rowNumberEnd = 600;  // right end of a row number from its column edge
constexpr double rowLineHeight = 240; // row j of a column stands at 240 * (j + 4)
constexpr double headerWidthLimit = 4200;
constexpr double userHeaderEnd = 9000;

// What differs between the listings of the three key printers.
struct ListingStyle {
    QString makerText;
    double makerX;
    double dateX;
    QString numberSuffix;
    bool userHeader; // keyprint7: header asked from the user, two-sided printing on request
};

ListingStyle listingStyle(int game) {
    const auto maker = [](int blanks) {
        return Maker::name + QString(blanks, QLatin1Char(' ')) + Maker::telephoneLine;
    };
    switch (game) {
    case 5:
        return {maker(9), 1200, 7200, QStringLiteral(". "), false};
    case 7:
        return {maker(2), 600, 9000, QStringLiteral(".  "), true};
    default:
        return {maker(12), 1200, 7200, QStringLiteral(". "), false};
    }
}

// Cuts the header from its end, one character at a time, until it is at most 4200 twips wide
// in the current font. Halving first keeps a very long answer quick: widths grow with the text,
// so the lengths skipped would have been cut anyway.
QString fitUserHeader(PrintSurface& printer, QString header) {
    while (header.size() > 1 &&
           printer.measureText(header.left(header.size() / 2)) > headerWidthLimit) {
        header.truncate(header.size() / 2);
    }
    while (!header.isEmpty() && printer.measureText(header) > headerWidthLimit) {
        header.chop(1);
        if (!header.isEmpty() && header.back().isHighSurrogate()) {
            header.chop(1); // never leave half a character behind
        }
    }
    return header;
}

class ListingPrinter {
public:
    ListingPrinter(PrintSurface& printer, const ListingStyle& style, const QString& date,
                   const QString& userHeader)
        : printer_(printer), style_(style), date_(date), userHeader_(userHeader) {}

    void print(const QStringList& rows, double rowsPerColumn) {
        const long long width = rows.front().size() + 6;
        const long long columnsPerPage = lineCharacters / width;
        const double columnPitch = characterPitch * double(width);
        const qsizetype count = rows.size();
        long long column = 0;
        bool pageBegun = false;
        qsizetype i = 1;
        while (i <= count) {
            column = column + 1 > columnsPerPage ? 1 : column + 1;
            const double x = columnPitch * double(column - 1);
            if (column == 1) {
                if (pageBegun) {
                    printer_.newPage();
                }
                pageBegun = true;
                printHeader();
            }
            for (long long j = 1; i <= count && double(j) < rowsPerColumn + 1; ++j, ++i) {
                printRow(x, j, i, rows[i - 1]);
            }
        }
    }

private:
    void printRow(double x, long long j, qsizetype i, const QString& row) {
        printer_.setPosY(rowLineHeight * double(j + 4));
        const QString number = QString::number(i).rightJustified(3, QLatin1Char(' '));
        printer_.setPosX(x + rowNumberEnd - printer_.measureText(number));
        printer_.printText(number + style_.numberSuffix, false);
        printer_.printText(row, true);
    }

    void printHeader() {
        printer_.setBold(true);
        printer_.setFontSize(12);
        printer_.printText(QString(), true);
        printer_.setPosX(style_.makerX);
        printer_.printText(style_.makerText, false);
        if (style_.userHeader) {
            const double p = printer_.posX();
            userHeader_ = fitUserHeader(printer_, userHeader_);
            const double width = printer_.measureText(userHeader_);
            printer_.setPosX(p + (userHeaderEnd - p - width) / 2);
            printer_.printText(userHeader_, false);
        }
        printer_.setPosX(style_.dateX);
        printer_.printText(date_, true);
        printer_.setBold(false);
        printer_.printText(QString(), true);
    }

    PrintSurface& printer_;
    const ListingStyle& style_;
    QString date_;
    QString userHeader_;
};

} // namespace

double listingRowsPerColumn(const QString& rowsPerColumn) {
    const double value = leadingNumber(rowsPerColumn);
    return value < 1 ? designRowsPerColumn : value;
}

std::optional<PrintJobOutcome> printKeyListing(const GameProfile& profile,
                                               const KeyListingControls& controls,
                                               KeyListingServices services) {
    if (controls.rows.isEmpty()) {
        return std::nullopt;
    }
    const double rowsPerColumn = listingRowsPerColumn(controls.rowsPerColumn);
    if (!services.messageBox.confirm(confirmation, profile.listingTitle)) {
        return std::nullopt;
    }
    const ListingStyle style = listingStyle(profile.game);
    QString userHeader;
    if (style.userHeader) {
        userHeader =
            services.inputBox.ask(headerPrompt, profile.listingTitle, controls.currentKeyPath);
    }
    BusyScope busy(services.busyPointer);
    busy.start();
    PrintSurface& printer = services.printer;
    printer.setFontName(listingFace);
    printer.setUnits(PrintSurface::Units::Twips);
    printer.setFontSize(12);
    if (style.userHeader && controls.twoSided) {
        printer.setDuplex();
    }
    const QString date = services.clock.today().toString(QStringLiteral("yyyy-MM-dd"));
    ListingPrinter(printer, style, date, userHeader).print(controls.rows, rowsPerColumn);
    return printer.endJob();
}
