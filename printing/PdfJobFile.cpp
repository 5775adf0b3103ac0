#include "printing/PdfJobFile.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

PdfJobFile::PdfJobFile(int resolution) : writer_(std::make_unique<QPdfWriter>(&file_)) {
    writer_->setResolution(resolution);
    writer_->setPageSize(QPageSize(QPageSize::A4));
    writer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

PdfJobFile::~PdfJobFile() {
    // The writer refers to the file: it goes first.
    writer_.reset();
}

bool PdfJobFile::open(const QString& path) {
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        noteFileError();
        return false;
    }
    return true;
}

void PdfJobFile::noteFileError() {
    if (problem_.delivered()) {
        problem_ = {PrintJobOutcome::Problem::PdfNotWritable,
                    file_.fileName() + QStringLiteral(": ") + file_.errorString()};
    }
}

PrintJobOutcome PdfJobFile::problem() {
    if (file_.error() != QFileDevice::NoError) {
        noteFileError();
    }
    return problem_;
}

PrintJobOutcome PdfJobFile::finish() {
    if (file_.isOpen()) {
        if (!file_.flush() || file_.error() != QFileDevice::NoError) {
            noteFileError();
        }
        file_.close();
        if (file_.error() != QFileDevice::NoError) {
            noteFileError();
        }
        // Only a plain file is taken away: a device or a link to something else stays.
        const QFileInfo written(file_.fileName());
        if (!problem_.delivered() && written.isFile() && !written.isSymLink()) {
            file_.remove();
        }
    }
    return problem_;
}
