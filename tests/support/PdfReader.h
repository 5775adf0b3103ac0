#pragma once

#include <QSizeF>
#include <QString>

#include <vector>

// Reads back what a PDF holds through poppler's command-line tools (pdfinfo, pdftotext).
// Lengths are in millimetres, the origin is the page's top-left corner.
class PdfReader {
public:
    struct Word {
        int page; // 1-based
        QString text;
        double left;
        double top;
        double right;
        double bottom;
    };

    explicit PdfReader(QString path);

    bool ok() const { return ok_; } // the tools read the file
    int pageCount() const { return int(pageSizes_.size()); }
    QSizeF pageSize(int page) const; // 1-based
    const std::vector<Word>& words() const { return words_; }
    std::vector<Word> wordsOnPage(int page) const;
    // The first word with this text (page 0 = any page); a word at page 0 when there is none.
    Word find(const QString& text, int page = 0) const;

private:
    static QString run(const QString& program, const QStringList& arguments, bool* ok);
    void readPages();
    void readWords();

    QString path_;
    bool ok_ = true;
    std::vector<QSizeF> pageSizes_;
    std::vector<Word> words_;
};
