#pragma once

#include <QLabel>
#include <QString>

// The one line under a main window's controls that names the PDF file a print job was written to
// when the machine has no printer: "Nincs nyomtató, a nyomtatás PDF-fájlba került: <path>", or a
// note of what was saved. A line too long for its room is shortened in the middle; its tooltip
// shows the whole line.
class JobStatusLine : public QLabel {
public:
    explicit JobStatusLine(QWidget* parent);

    // The job's PDF file, or empty for a job that went to a printer (the line is cleared).
    void showJobFile(const QString& path);
    // A note instead: what was saved.
    void showNote(const QString& note);
    const QString& fullText() const { return fullText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString fullText_;
};
