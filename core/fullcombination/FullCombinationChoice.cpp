#include "core/fullcombination/FullCombinationChoice.h"

#include "core/base/Maker.h"
#include "core/base/NumberText.h"
#include "core/files/PlainSlipFile.h"
#include "core/fullcombination/FullCombinationConversion.h"
#include "core/fullcombination/FullCombinationHandOver.h"
#include "core/slip/SystemTable.h"

namespace {

QString twoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString blankedCaption(int number) {
    return QLatin1Char(' ') + QString::number(number) + QLatin1Char(' ');
}

} // namespace

FullCombinationChoice::FullCombinationChoice(const GameProfile& profile, Services& services,
                                             FullCombinationReceiver& receiver)
    : profile_(profile), services_(services), receiver_(receiver),
      chosenMarks_(std::size_t(profile.highestNumber) + 1, false),
      captions_(std::size_t(profile.highestNumber) + 1) {
    for (int n = 1; n <= profile_.highestNumber; ++n) {
        captions_[std::size_t(n)] = QString::number(n);
    }
    receiver_.clearFixMarks();
}

QString FullCombinationChoice::optionCaption(int option) {
    return QString::number(smallestSize + option) + QStringLiteral(" szám");
}

QString FullCombinationChoice::optionTooltip(int option) const {
    return blankedCaption(int(binomial(smallestSize + option, profile_.numbersPerRow)));
}

bool FullCombinationChoice::isChosen(int number) const {
    return number >= 1 && number <= highestNumber() && chosenMarks_[std::size_t(number)];
}

QString FullCombinationChoice::numberCaption(int number) const {
    return number >= 1 && number <= highestNumber() ? captions_[std::size_t(number)] : QString();
}

QString FullCombinationChoice::chosenCountCaption() const {
    return chosenCount_ ? QString::number(*chosenCount_) : QString();
}

QString FullCombinationChoice::sizeCaption() const {
    return loadedSize_ > 0 ? QString::number(loadedSize_) : QString();
}

QString FullCombinationChoice::slipCountCaption() const {
    return loadedSize_ > 0 ? QString::number(template_.markerPosition()) : QString();
}

QString FullCombinationChoice::plainRowCaption() const {
    return loadedSize_ > 0 ? QString::number(template_.plainRowCount()) : QString();
}

void FullCombinationChoice::setChosen(int number, bool chosen, const QString& caption) {
    chosenMarks_[std::size_t(number)] = chosen;
    captions_[std::size_t(number)] = caption;
}

void FullCombinationChoice::toggleChosen(int number) {
    if (number < 1 || number > highestNumber()) {
        return;
    }
    const long long count = chosenCount_.value_or(0);
    if (!chosenMarks_[std::size_t(number)]) {
        setChosen(number, true, QString());
        chosenCount_ = count + 1;
    } else {
        setChosen(number, false, blankedCaption(number));
        chosenCount_ = count - 1;
    }
    emit changed(Part::Numbers | Part::ChosenCount);
}

void FullCombinationChoice::selectOption(int option) {
    if (option < 0 || option >= optionCount) {
        return;
    }
    selectedOption_ = option;
}

void FullCombinationChoice::loadTemplate() {
    if (selectedOption_ < 0) {
        return;
    }
    fullCombinationSize_ = smallestSize + selectedOption_;
    const QString path = services_.program.dataFolder() + QLatin1Char('/') +
                         FullCombinationTemplate::fileName(profile_.game, fullCombinationSize_);
    if (std::optional<FullCombinationTemplate> loaded = FullCombinationTemplate::load(path)) {
        template_ = std::move(*loaded);
        loadedSize_ = fullCombinationSize_;
    }
    emit changed(Part::Template);
}

void FullCombinationChoice::clearChosen() {
    for (int n = 1; n <= highestNumber(); ++n) {
        setChosen(n, false, QString::number(n));
    }
    chosenCount_.reset();
    emit changed(Part::Numbers | Part::ChosenCount);
}

void FullCombinationChoice::leave() {
    std::fill(chosenMarks_.begin(), chosenMarks_.end(), false);
    emit changed(Part::Numbers);
}

// The first reason why "Csere" cannot convert, as its message; nothing when it can.
std::optional<QString> FullCombinationChoice::conversionProblem() const {
    if (selectedOption_ < 0 || fullCombinationSize_ != smallestSize + selectedOption_) {
        return QStringLiteral("Nem megfelelő a kombináció kijelölés !");
    }
    if (chosenCount_.value_or(0) != fullCombinationSize_) {
        return QStringLiteral("Pontosan ") + strForm(fullCombinationSize_) +
               QStringLiteral(" számot kell kiválasztani !");
    }
    return std::nullopt;
}

QString FullCombinationChoice::plainRowPath() const {
    return services_.program.programFolder() + QLatin1Char('/') +
           FullCombinationTemplate::plainSlipFileName(fullCombinationSize_);
}

bool FullCombinationChoice::writePlainRows(const QStringList& lines) const {
    const QString name = FullCombinationTemplate::plainSlipFileName(fullCombinationSize_);
    if (writePlainSlipFile(plainRowPath(), lines)) {
        return true;
    }
    services_.messageBox.error(QStringLiteral("A(z) ") + name +
                                   QStringLiteral(" állományt nem sikerült létrehozni vagy kiírni "
                                                  "! A teljes kombináció nem került át."),
                               Maker::messageTitle);
    return false;
}

bool FullCombinationChoice::convert() {
    const bool handedOver = convertAndHandOver();
    emit changed(Part::Converted);
    return handedOver;
}

bool FullCombinationChoice::convertAndHandOver() {
    if (template_.isEmpty()) {
        return false;
    }
    if (const std::optional<QString> problem = conversionProblem()) {
        services_.messageBox.error(*problem, Maker::messageTitle);
        return false;
    }
    const long long total = saturatedInteger(leadingNumber(optionTooltip(selectedOption_)));
    // The ranks come from the loaded template itself, so a "Csere" after "Töröl" still converts
    // it instead of finding no rank.
    const FullCombinationConversion result = convertFullCombination(
        profile_, template_, template_.templateMarks(highestNumber()), chosenMarks_, total);
    if (!result.ok) {
        services_.messageBox.error(result.problem, Maker::messageTitle);
        return false;
    }
    convertedLines_ = result.convertedLines;
    // Nothing reaches the main window when the plain-row file cannot be written.
    if (result.hasPlainRows && !writePlainRows(result.plainLines)) {
        return false;
    }
    // The selection keeps where its plain rows are, so that they can be checked with it.
    FullCombinationHandOver handOver = result.handOver;
    if (result.hasPlainRows) {
        handOver.plainRowFile = plainRowPath();
    }
    receiver_.receiveFullCombination(handOver);
    if (result.hasPlainRows) {
        services_.messageBox.notice(QStringLiteral("Nyomtassa ki a - sima") +
                                        twoDigits(fullCombinationSize_) +
                                        QStringLiteral(".txt - állományt is !"),
                                    Maker::messageTitle);
    }
    receiver_.selectBaseSlip();
    return true;
}
