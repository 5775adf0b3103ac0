#include "forms/JobStatusLine.h"

#include <QDir>
#include <QFontMetrics>

namespace {

const QString pdfJobText = QStringLiteral("Nincs nyomtató, a nyomtatás PDF-fájlba került: ");

} // namespace

JobStatusLine::JobStatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("StatusLine"));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void JobStatusLine::showJobFile(const QString& path) {
    fullText_ = path.isEmpty() ? QString() : pdfJobText + QDir::toNativeSeparators(path);
    setToolTip(fullText_);
    elide();
}

void JobStatusLine::showNote(const QString& note) {
    fullText_ = note;
    setToolTip(fullText_);
    elide();
}

void JobStatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void JobStatusLine::elide() {
    const int room = contentsRect().width() - 2 * margin();
    setText(fontMetrics().elidedText(fullText_, Qt::ElideMiddle, room));
}
