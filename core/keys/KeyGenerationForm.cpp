#include "core/keys/KeyGenerationForm.h"

#include "core/base/NumberList.h"
#include "core/files/KeyFile.h"
#include "core/files/PlainSlipFile.h"
#include "core/keys/KeyRequestCheck.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>

// A key made for the key printer fits where a key file's rows fit.
static_assert(KeyRequest{}.rowLimit == maxKeyRows);

namespace {

QList<FileFilter> keySaveFilters() {
    return {FileFilter{QStringLiteral("Text(*.txt)"), QStringLiteral("*.txt")},
            FileFilter{QStringLiteral("Minden(*.*)"), QStringLiteral("*.*")}};
}

} // namespace

KeyGenerationInput readKeyGenerationInput(const GameProfile& profile, QStringView numbers,
                                          int guaranteed, int drawnAmong) {
    // The splitter stops at the first piece that is not a whole number; that piece is told
    // before anything else, so it stands last here.
    const TypedNumbers typed = splitTypedNumbers(numbers);
    QList<std::optional<int>> values;
    for (const TypedNumber& number : typed.numbers) {
        values.append(int(std::min<long long>(number.value, INT_MAX)));
    }
    if (!typed.allWhole()) {
        values.append(std::nullopt);
    }

    KeyGenerationInput input;
    const KeyNumberLimits limits = keyNumberLimits(profile);
    input.problem = keyRequestProblem(values, limits, guaranteed, drawnAmong);
    if (!input.ok()) {
        return input;
    }
    for (const std::optional<int>& value : values) {
        input.played.append(*value);
    }
    std::sort(input.played.begin(), input.played.end());
    input.request =
        KeyRequest{int(input.played.size()), limits.rowLength, guaranteed, drawnAmong, maxKeyRows};
    return input;
}

QStringList generatedKeyRows(const KeyResult& result, const QList<int>& played) {
    if (result.status != KeyStatus::Found) {
        return {};
    }
    // The result's rows hold ascending indices in ascending order, and the played numbers are
    // ascending, so the number rows keep that order.
    return keyRowTexts(keyNumbers(result.rows, played));
}

std::vector<std::vector<int>> keyNumbers(const std::vector<std::vector<int>>& rows,
                                         QList<int> played) {
    std::sort(played.begin(), played.end());
    std::vector<std::vector<int>> numbers;
    numbers.reserve(rows.size());
    for (const std::vector<int>& row : rows) {
        std::vector<int> mapped;
        mapped.reserve(row.size());
        for (const int index : row) {
            mapped.push_back(played.value(index));
        }
        numbers.push_back(std::move(mapped));
    }
    return numbers;
}

QStringList keyRowTexts(const std::vector<std::vector<int>>& numberRows) {
    QStringList texts;
    texts.reserve(qsizetype(numberRows.size()));
    for (const std::vector<int>& row : numberRows) {
        QString text;
        for (const int number : row) {
            if (!text.isEmpty()) {
                text += QLatin1Char(' ');
            }
            text += QString::number(number).rightJustified(2, QLatin1Char('0'));
        }
        texts.append(text);
    }
    return texts;
}

QString generatedKeyFileName(const KeyRequest& request) {
    return QStringLiteral("kulcs_%1_%2_%3.txt")
        .arg(request.played)
        .arg(request.guaranteed)
        .arg(request.drawnAmong);
}

std::optional<QString> offerKeySave(const Services& services, const GameProfile& profile,
                                    const KeyRequest& request, const QStringList& rows) {
    if (!services.messageBox.confirm(keySaveQuestion(), profile.keyTitle)) {
        return std::nullopt;
    }
    FileOpenRequest dialog;
    dialog.initialFolder = services.program.programFolder();
    dialog.presetName = generatedKeyFileName(request);
    dialog.filters = keySaveFilters();
    dialog.selectedFilter = 0;
    dialog.defaultExtension = QStringLiteral("txt");
    const std::optional<QString> path = services.fileDialog.saveFile(dialog);
    if (!path) {
        return std::nullopt;
    }
    if (!writePlainSlipFile(*path, rows)) {
        services.messageBox.error(keySaveFailedMessage(QFileInfo(*path).fileName()),
                                  profile.keyTitle);
        return std::nullopt;
    }
    return path;
}
