#include "core/base/NumberList.h"

#include "core/base/RowText.h"

#include <algorithm>

namespace {

bool isSeparator(char16_t c) {
    return isBlank(c) || c == u',' || c == u'-';
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

TypedNumbers splitTypedNumbers(QStringView text) {
    TypedNumbers result;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        if (isSeparator(text[i].unicode())) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool whole = true;
        long long value = 0;
        for (; i < size && !isSeparator(text[i].unicode()); ++i) {
            const char16_t c = text[i].unicode();
            if (!isDigit(c)) {
                whole = false;
            } else if (whole) {
                value = std::min(maxTypedValue, value * 10 + (c - u'0'));
            }
        }
        const QString piece = text.sliced(start, i - start).toString();
        if (!whole) {
            result.notWhole = piece;
            return result;
        }
        result.numbers.push_back({value, piece});
    }
    return result;
}

NumberListCheck checkNumberList(QStringView text, int highest, int fewest, int most) {
    NumberListCheck check;
    const TypedNumbers typed = splitTypedNumbers(text);
    if (!typed.allWhole()) {
        check.fault = NumberListFault::NotWhole;
        check.piece = typed.notWhole;
        return check;
    }
    for (const TypedNumber& number : typed.numbers) {
        if (number.value < 1 || number.value > highest) {
            check.fault = NumberListFault::OutOfRange;
            check.piece = number.text;
            return check;
        }
    }
    std::vector<bool> seen(std::size_t(std::max(highest, 0)) + 1, false);
    for (const TypedNumber& number : typed.numbers) {
        if (seen[std::size_t(number.value)]) {
            check.fault = NumberListFault::Repeated;
            check.piece = number.text;
            return check;
        }
        seen[std::size_t(number.value)] = true;
    }
    check.count = int(std::min<std::size_t>(typed.numbers.size(), 1 << 30));
    if (check.count == 0) {
        check.fault = NumberListFault::Empty;
    } else if (check.count < fewest) {
        check.fault = NumberListFault::TooFew;
    } else if (check.count > most) {
        check.fault = NumberListFault::TooMany;
    } else {
        for (std::size_t n = 1; n < seen.size(); ++n) {
            if (seen[n]) {
                check.numbers.push_back(int(n));
            }
        }
    }
    return check;
}

QString numberListReason(const NumberListCheck& check, int highest) {
    switch (check.fault) {
    case NumberListFault::None:
        return {};
    case NumberListFault::NotWhole:
        return QStringLiteral("Nem egész szám: „%1”.").arg(check.piece);
    case NumberListFault::OutOfRange:
        return QStringLiteral("Nem 1 és %1 közötti szám: %2.").arg(highest).arg(check.piece);
    case NumberListFault::Repeated:
        return QStringLiteral("Többször szerepel: %1.").arg(check.piece);
    case NumberListFault::Empty:
        return QStringLiteral("Nem adott meg számot.");
    case NumberListFault::TooFew:
        return QStringLiteral("Csak %1 számot adott meg.").arg(check.count);
    case NumberListFault::TooMany:
        return QStringLiteral("Túl sok számot adott meg: %1.").arg(check.count);
    }
    return {};
}
