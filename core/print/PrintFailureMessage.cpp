#include "core/print/PrintFailureMessage.h"

namespace {

QString reason(PrintJobOutcome::Problem problem) {
    using Problem = PrintJobOutcome::Problem;
    switch (problem) {
    case Problem::PrinterRefuses:
        return QStringLiteral("a nyomtató nem fogad nyomtatási feladatot.");
    case Problem::PrinterUnreachable:
        return QStringLiteral("a nyomtató nem érhető el.");
    case Problem::PrintSystemMissing:
        return QStringLiteral("a gép nyomtatási rendszere nem érhető el.");
    case Problem::PdfNotWritable:
        return QStringLiteral("nincs nyomtató, és a PDF-fájlt nem sikerült kiírni (a mappa nem "
                              "írható, vagy megtelt a lemez).");
    case Problem::None:
    case Problem::Failed:
        break;
    }
    return QStringLiteral("a nyomtatási feladat nem jutott el a nyomtatóig.");
}

QString failure(const PrintJobOutcome& outcome) {
    QString text = QStringLiteral("A nyomtatás nem sikerült: ") + reason(outcome.problem);
    if (!outcome.detail.isEmpty()) {
        text += QStringLiteral("\n(A nyomtatási rendszer üzenete: ") + outcome.detail +
                QStringLiteral(")");
    }
    return text;
}

} // namespace

QString printFailureMessage(const PrintJobOutcome& outcome, PrintedWork work) {
    const QString notPrinted =
        work == PrintedWork::Listing     ? QStringLiteral("Az A4-s lista nem lett kinyomtatva.")
        : work == PrintedWork::Results   ? QStringLiteral("A találatok nem lettek kinyomtatva.")
        : work == PrintedWork::TestSheet ? QStringLiteral("A próbalap nem lett kinyomtatva.")
                                         : QStringLiteral("A szelvények nem lettek kinyomtatva.");
    return failure(outcome) + QStringLiteral("\n") + notPrinted;
}

QString fullCombinationFailureMessage(const PrintJobOutcome& outcome, int printedEntries,
                                      int entries) {
    return failure(outcome) +
           QStringLiteral("\nA teljes kombináció %1 bejegyzéséből %2 lett kinyomtatva, a többi "
                          "nem.")
               .arg(entries)
               .arg(printedEntries);
}

QString runFailureMessage(const PrintRunResult& run, PrintedWork work, int entries) {
    const PrintJobOutcome& outcome = run.failure.value_or(PrintJobOutcome{});
    return work == PrintedWork::FullCombination
               ? fullCombinationFailureMessage(outcome, run.delivered, entries)
               : printFailureMessage(outcome, work);
}
