#pragma once

#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// Modal message boxes.
class MessageBoxService {
public:
    enum class Icon { Critical, Question, Exclamation };
    enum class Buttons { Ok, OkCancel };
    enum class Result { Ok, Cancel };

    virtual ~MessageBoxService() = default;
    virtual Result show(const QString& text, Icon icon, Buttons buttons, const QString& title) = 0;

    // The three kinds of message the programs show: a refusal or failure (critical stop, OK), a
    // notice (exclamation, OK), and a question that goes on only on OK.
    void error(const QString& text, const QString& title) {
        show(text, Icon::Critical, Buttons::Ok, title);
    }
    void notice(const QString& text, const QString& title) {
        show(text, Icon::Exclamation, Buttons::Ok, title);
    }
    bool confirm(const QString& text, const QString& title) {
        return show(text, Icon::Question, Buttons::OkCancel, title) == Result::Ok;
    }
};

// Modal input box; returns the typed text, or an empty text on Cancel.
class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    virtual QString ask(const QString& prompt, const QString& title, const QString& preset) = 0;
};

struct FileFilter {
    QString name;    // "Minden(*.*)"
    QString pattern; // "*.*"
};

struct FileOpenRequest {
    QString initialFolder;
    QString presetName;
    QList<FileFilter> filters;
    int selectedFilter = 0; // index into filters
    QString defaultExtension;
    bool cancelIsFailure = true;
};

// File dialogs. Open: the chosen full path of an existing file, or nothing on cancel or
// failure. Save: the full path to write (the request's default extension added to a name typed
// without one; an existing file only after the user agreed to replace it), or nothing on cancel.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual std::optional<QString> openFile(const FileOpenRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileOpenRequest& request) = 0;
};

// Busy mouse pointer over the windows while a print job runs.
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void setBusy(bool busy) = 0;
};

// Where the program keeps its files. Both folders are given without a trailing separator.
class ProgramInfo {
public:
    virtual ~ProgramInfo() = default;
    // The files the program writes and reads back: settings, filenev.txt, the plain-row files.
    // One folder per game, shared by the key printer and the combination printer of that game,
    // so that no program writes over a file of another game. Also where the key dialog opens
    // when no last folder is known.
    virtual QString programFolder() const = 0;
    // Where a file the program reads back (its settings, filenev.txt) is read from: the program
    // folder, or, while that has none, a copy beside a write-protected executable.
    virtual QString readPath(const QString& fileName) const {
        return programFolder() + QLatin1Char('/') + fileName;
    }
    // The read-only files supplied with the program: XX.BMP and the full-combination templates.
    virtual QString dataFolder() const = 0;
    virtual QString executableName() const = 0; // without extension, e.g. "keyprint6"
};

// Refuses a second running instance of the same program. A crashed instance leaves nothing
// that blocks the next start.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this process holds the program's lock (or got it now); false when another
    // running instance holds it.
    virtual bool acquire() = 0;
};

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    virtual QSize screenSize() const = 0; // in device-independent pixels
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

// What the core needs from the platform, handed in through constructors.
struct Services {
    MessageBoxService& messageBox;
    InputBoxService& inputBox;
    FileDialogService& fileDialog;
    BusyPointer& busyPointer;
    ProgramInfo& program;
    SingleInstance& singleInstance;
    ScreenInfo& screen;
    Clock& clock;
};
