#pragma once

#include "PrintSurface.h"

#include <QString>
#include <QStringList>

#include <vector>

// A print surface that records every operation, and every printed text with the page, position
// and font it was printed with, so tests can check sequences and positions without a printer.
class RecordingSurface : public PrintSurface, public PrintJobReport {
public:
    struct Text {
        int job;
        int page; // 0-based within the job
        double x;
        double y;
        QString text;
        QString face;
        double size;
        bool bold;
        Units units;
    };

    std::vector<QString> operations; // e.g. "setPosX 83", "printText *", "newPage"
    std::vector<Text> texts;
    int jobsEnded = 0;
    int pagesInJob = 1; // pages of the current (or last ended) job
    bool duplex = false;
    Orientation orientation = Orientation::Portrait;
    bool failing = false;   // every operation reports failure while set (state still changes)
    // Jobs from this one on (0-based, counting ended jobs) do not reach the printer: their
    // endJob reports `refusal`.
    int refuseFromJob = -1;
    PrintJobOutcome refusal{PrintJobOutcome::Problem::PrinterRefuses,
                            QStringLiteral("Rejecting Jobs")};
    double charWidth = 1.0; // measureText: width per character in the current unit

    bool setOrientation(Orientation o) override;
    bool setUnits(Units u) override;
    bool setFontName(const QString& face) override;
    bool setFontSize(double points) override;
    bool setBold(bool bold) override;
    bool setPosX(double x) override;
    bool setPosY(double y) override;
    double posX() const override { return x_; }
    bool printText(const QString& text, bool endLine = true) override;
    double measureText(const QString& text) override;
    bool newPage() override;
    PrintJobOutcome endJob() override;
    bool setDuplex() override;
    QString lastJobFile() const override { return lastFile; }

    QString lastFile;

    // Texts of one job (0-based, counting ended jobs) whose text equals the given one.
    std::vector<Text> textsOf(const QString& text, int job = -1) const;
    int count(const QString& operationPrefix) const;

private:
    bool record(const QString& operation);
    double lineHeight() const;

    double x_ = 0;
    double y_ = 0;
    QString face_;
    double size_ = 0;
    bool bold_ = false;
    Units units_ = Units::Twips;
    int page_ = 0;
};
