#include "core/base/NumberText.h"

#include "core/base/RowText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// Copies the leading number of the text, with blanks dropped, into an ASCII buffer that
// strtod can read: [sign] digits [. digits] [e|d [sign] digits].
std::string leadingNumberText(QStringView text) {
    std::string out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i].unicode())) {
            ++i;
        }
    };
    auto digits = [&] {
        bool any = false;
        for (skipBlanks(); i < n && text[i].isDigit() && text[i].unicode() < 128; skipBlanks()) {
            out += char(text[i].unicode());
            ++i;
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        out += char(text[i].unicode());
        ++i;
    }
    bool mantissa = digits();
    if (i < n && text[i] == QLatin1Char('.')) {
        out += '.';
        ++i;
        mantissa = digits() || mantissa;
    }
    if (!mantissa) {
        return {};
    }
    if (i < n && QStringLiteral("eEdD").contains(text[i])) {
        const std::string before = out;
        out += 'e';
        ++i;
        skipBlanks();
        if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
            out += char(text[i].unicode());
            ++i;
        }
        if (!digits()) {
            out = before;
        }
    }
    return out;
}

} // namespace

double leadingNumber(const QString& text) {
    return leadingNumber(QStringView(text));
}

double leadingNumber(QStringView text) {
    const std::string number = leadingNumberText(text);
    if (number.empty()) {
        return 0.0;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

float offsetNumber(const QString& text) {
    QString trimmed = withoutSurroundingBlanks(text).toString();
    const qsizetype comma = trimmed.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        trimmed[comma] = QLatin1Char('.');
    }
    const double value = leadingNumber(trimmed);
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        return 0.0f;
    }
    return static_cast<float>(value);
}

QString strForm(long long value) {
    if (value < 0) {
        return QString::number(value);
    }
    return QLatin1Char(' ') + QString::number(value);
}

long long saturatedInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 9.2e18) {
        return std::numeric_limits<long long>::max();
    }
    if (value <= -9.2e18) {
        return std::numeric_limits<long long>::min();
    }
    return static_cast<long long>(value);
}

long long roundHalfEven(double value) {
    return saturatedInteger(std::nearbyint(value));
}

long long rowNumber(const QString& text) {
    return roundHalfEven(leadingNumber(text));
}

namespace {

// Shortest fixed-notation text of the value that reads back as the same value.
template <typename Real> QString shortestFixed(Real value) {
    char text[400];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    if (end.ec != std::errc()) {
        return QStringLiteral("0");
    }
    return QString::fromLatin1(text, end.ptr - text);
}

} // namespace

QString plainDecimal(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return QStringLiteral("0");
    }
    // Offsets are held in single precision: a value that is exactly a float is written as the
    // shortest text of that float (1.1f as 1.1, not 1.10000002384), anything else as the
    // shortest text of the double.
    const float single = static_cast<float>(value);
    if (std::isfinite(single) && static_cast<double>(single) == value) {
        return shortestFixed(single);
    }
    return shortestFixed(value);
}
