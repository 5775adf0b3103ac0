#pragma once

#include "core/print/PrintSurface.h"

#include <QFile>
#include <QString>

#include <memory>

class QPdfWriter;

// One PDF file the print surface writes when there is no printer: a QPdfWriter on a file this
// class opens and closes itself. Qt's PDF engine ignores failed writes, so the file's own errors
// tell whether the PDF was written completely (a full disk, a device that takes nothing).
class PdfJobFile {
public:
    // An A4 page of the given dots per inch with no margins: the origin is the paper's corner.
    explicit PdfJobFile(int resolution);
    ~PdfJobFile();

    PdfJobFile(const PdfJobFile&) = delete;
    PdfJobFile& operator=(const PdfJobFile&) = delete;

    // The device to paint on and to measure with; usable before the file is opened.
    QPdfWriter& writer() { return *writer_; }
    QString path() const { return file_.fileName(); }
    bool isOpen() const { return file_.isOpen(); }

    // Creates or empties the file at path; false when it cannot be written (a folder in the
    // way, a missing or read-only folder), with the reason in problem().
    bool open(const QString& path);
    // Delivered while everything written so far went to the file; PdfNotWritable with the
    // system's words once a write or the opening failed.
    PrintJobOutcome problem();
    // After the painter has ended: writes out what is buffered and closes the file. A plain
    // file that was not written completely is removed, so no half PDF is left to be taken for
    // a whole one.
    PrintJobOutcome finish();

private:
    void noteFileError();

    QFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    PrintJobOutcome problem_;
};
