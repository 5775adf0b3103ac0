#pragma once

#include "core/base/GameProfile.h"
#include "core/base/Services.h"
#include "core/results/ArchiveCheck.h"
#include "core/results/DrawArchiveFile.h"
#include "core/results/DrawCheckReport.h"
#include "core/results/DrawCheckResult.h"
#include "core/results/DrawEntry.h"
#include "core/results/PreparedCheck.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class PrintPresenter;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QVBoxLayout;

// What a main window lets the result check look at.
struct DrawCheckSource {
    QString program;      // the executable's name, in the title and the heading
    QString messageTitle; // the title of the program's own messages
    // The combination printers holding a full combination offer it beside the loaded rows
    // (the full combination chosen at first).
    bool offersFullCombination = false;
    // Checks the subject against the draws; a refusal is the message the dialog shows.
    std::function<DrawCheckOutcome(const std::vector<Draw>&, CheckedSubject)> check;
    // What the heading says was checked.
    std::function<QString(CheckedSubject)> subject;
    CheckedSubject defaultSubject = CheckedSubject::Key;
    // The subject prepared for checking every draw of the archive ("Minden húzás") on another
    // thread; a refusal is the message the dialog shows. Without it the button stays disabled.
    std::function<PreparedCheck(CheckedSubject)> prepare;
};

// "Találatok – <program>": the draw typed into one box ("Nyerőszámok:"), or two in the 7-number
// game ("Gépi húzás:", "Kézi húzás:"), "Ellenőriz" (or Enter) checks everything the window holds,
// and the result is shown as the winning classes and the winners, best first; "Másolás" copies
// it as tab-separated text, "Nyomtatás" prints it on A4 (its context menu has "Előnézet…"),
// through the window's print flow. Nothing of the window changes.
//
// The game's draw archive ("Húzások betöltése…", remembered for the next start) fills the draw
// list ("Húzás:"): picking a draw fills the boxes and checks it, with its prizes beside the
// classes. "Minden húzás" checks against every draw of the archive on another thread (a
// progress bar and "Mégse" when it takes longer than a moment); the result is a summary, a chart
// of the numbers by frequency and the winning draws, copied and printed as a single check is.
class DrawCheckDialog : public QDialog {
    Q_OBJECT

public:
    DrawCheckDialog(const GameProfile& profile, const Services& services, PrintPresenter& printing,
                    DrawCheckSource source, QWidget* parent = nullptr);
    ~DrawCheckDialog() override;

    // The report of the last check that was not refused.
    const std::optional<DrawCheckReport>& report() const { return report_; }

    // "Ellenőriz".
    void check();
    // "Húzások betöltése…".
    void loadArchive();
    // Picks a draw of the archive's list (0 the newest): fills the boxes and checks.
    void pickDraw(int index);
    // "Minden húzás", and its "Mégse".
    void checkAll();
    void cancelCheckAll();
    bool checkingAll() const { return run_ != nullptr; }

    // The archive held, if any, and the last check of every draw.
    const DrawArchive* archive() const { return archiveFile_.archive().get(); }
    const std::optional<ArchiveCheckResult>& allDrawsResult() const { return allDraws_; }

    // Every way the dialog ends stops a check of every draw.
    void done(int result) override;

private:
    struct Run;

    void buildArchiveRow(QVBoxLayout& layout);
    void buildDrawBoxes(QVBoxLayout& layout);
    void buildSubjectChoice(QVBoxLayout& layout);
    QWidget* makeProgressRow();
    QWidget* makeButtonRow();
    CheckedSubject chosenSubject() const;
    // Reads the archive again when its file changed; the list follows.
    void refreshArchive();
    void showArchive();
    void showRunning(bool running);
    void pollRun();
    void finishRun();
    void stopRun();
    void showReport();
    void copy();
    void print(bool preview);

    const GameProfile& profile_;
    Services services_;
    PrintPresenter& printing_;
    DrawCheckSource source_;
    DrawArchiveFile archiveFile_;
    std::vector<QLineEdit*> drawBoxes_;
    QButtonGroup* subjectGroup_ = nullptr;
    QVBoxLayout* resultLayout_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QLabel* archiveLine_ = nullptr;
    QComboBox* drawList_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* checkAllButton_ = nullptr;
    QWidget* progressRow_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QTimer* pollTimer_ = nullptr;
    QElapsedTimer runClock_;
    std::optional<DrawCheckReport> report_;

    // The draw picked from the list and the box texts it gave: its prizes go with the check
    // while the boxes still hold them.
    std::optional<DrawIdentity> picked_;
    QStringList pickedTexts_;
    std::unique_ptr<Run> run_;
    std::shared_ptr<const DrawArchive> allDrawsArchive_; // the archive of allDraws_
    std::optional<ArchiveCheckResult> allDraws_;
};
