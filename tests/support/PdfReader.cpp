#include "tests/support/PdfReader.h"

#include <QProcess>
#include <QRegularExpression>

#include <utility>

namespace {

constexpr double millimetresPerPoint = 25.4 / 72.0;

QString unescapeXml(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

} // namespace

PdfReader::PdfReader(QString path) : path_(std::move(path)) {
    readPages();
    readWords();
}

QString PdfReader::run(const QString& program, const QStringList& arguments, bool* ok) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

void PdfReader::readPages() {
    bool ran = false;
    const QString info = run(QStringLiteral("pdfinfo"), {path_}, &ran);
    const QRegularExpression pagesLine(QStringLiteral("^Pages:\\s+(\\d+)"),
                                       QRegularExpression::MultilineOption);
    const QRegularExpressionMatch pages = pagesLine.match(info);
    if (!ran || !pages.hasMatch()) {
        ok_ = false;
        return;
    }
    const int count = pages.captured(1).toInt();
    const QString sizes = run(QStringLiteral("pdfinfo"),
                              {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                               QString::number(count), path_},
                              &ran);
    const QRegularExpression sizeLine(
        QStringLiteral("^Page\\s+(\\d+) size:\\s+([0-9.]+) x ([0-9.]+) pts"),
        QRegularExpression::MultilineOption);
    pageSizes_.assign(size_t(count), QSizeF());
    for (auto it = sizeLine.globalMatch(sizes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int page = m.captured(1).toInt();
        if (page >= 1 && page <= count) {
            pageSizes_[size_t(page - 1)] = QSizeF(m.captured(2).toDouble() * millimetresPerPoint,
                                                  m.captured(3).toDouble() * millimetresPerPoint);
        }
    }
    ok_ = ok_ && ran;
}

void PdfReader::readWords() {
    if (!ok_) {
        return;
    }
    bool ran = false;
    const QString html = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), path_, QStringLiteral("-")}, &ran);
    ok_ = ok_ && ran;
    const QRegularExpression element(
        QStringLiteral("<page |<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" "
                       "xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    int page = 0;
    for (auto it = element.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        words_.push_back({page, unescapeXml(m.captured(5)),
                          m.captured(1).toDouble() * millimetresPerPoint,
                          m.captured(2).toDouble() * millimetresPerPoint,
                          m.captured(3).toDouble() * millimetresPerPoint,
                          m.captured(4).toDouble() * millimetresPerPoint});
    }
}

QSizeF PdfReader::pageSize(int page) const {
    return page >= 1 && page <= pageCount() ? pageSizes_[size_t(page - 1)] : QSizeF();
}

std::vector<PdfReader::Word> PdfReader::wordsOnPage(int page) const {
    std::vector<Word> found;
    for (const Word& w : words_) {
        if (w.page == page) {
            found.push_back(w);
        }
    }
    return found;
}

PdfReader::Word PdfReader::find(const QString& text, int page) const {
    for (const Word& w : words_) {
        if (w.text == text && (page == 0 || w.page == page)) {
            return w;
        }
    }
    return {0, text, 0, 0, 0, 0};
}
