#pragma once

#include "core/present/PreviewForm.h"
#include "core/present/PreviewService.h"
#include "core/present/WindowServices.h"
#include "core/print/PrintRecording.h"
#include "tests/support/PrintedOperations.h"

#include <QDate>
#include <QSize>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Test doubles of the platform services. Each records what it was asked and answers from a
// script set up by the test.

class FakeMessageBox : public MessageBoxService {
public:
    struct Shown {
        QString text;
        Icon icon;
        Buttons buttons;
        QString title;
    };
    std::vector<Shown> shown;
    std::deque<Result> answers;                   // next answers; Ok when empty
    std::function<void(const Shown&)> whileShown; // runs while a box is up, to look around

    Result show(const QString& text, Icon icon, Buttons buttons, const QString& title) override {
        shown.push_back({text, icon, buttons, title});
        if (whileShown) {
            whileShown(shown.back());
        }
        if (answers.empty()) {
            return Result::Ok;
        }
        const Result r = answers.front();
        answers.pop_front();
        return r;
    }
};

class FakeInputBox : public InputBoxService {
public:
    struct Asked {
        QString prompt;
        QString title;
        QString preset;
    };
    std::vector<Asked> asked;
    std::deque<QString> answers; // next answers; the preset when empty

    QString ask(const QString& prompt, const QString& title, const QString& preset) override {
        asked.push_back({prompt, title, preset});
        if (answers.empty()) {
            return preset;
        }
        const QString a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakeFileDialog : public FileDialogService {
public:
    std::vector<FileOpenRequest> requests;
    std::deque<std::optional<QString>> answers; // nothing (cancel) when empty
    std::function<void()> whileOpen;            // runs while the dialog is up, to look around
    std::vector<FileOpenRequest> saveRequests;
    std::deque<std::optional<QString>> saveAnswers; // nothing (cancel) when empty

    std::optional<QString> openFile(const FileOpenRequest& request) override {
        requests.push_back(request);
        if (whileOpen) {
            whileOpen();
        }
        return next(answers);
    }
    std::optional<QString> saveFile(const FileOpenRequest& request) override {
        saveRequests.push_back(request);
        return next(saveAnswers);
    }

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        const std::optional<QString> a = queue.front();
        queue.pop_front();
        return a;
    }
};

class FakeBusyPointer : public BusyPointer {
public:
    std::vector<bool> changes;
    bool busy = false;
    void setBusy(bool b) override {
        busy = b;
        changes.push_back(b);
    }
};

class FakeProgramInfo : public ProgramInfo {
public:
    QString folder;
    QString data; // the data folder; the program folder when empty
    QString name = QStringLiteral("keyprint6");
    QString programFolder() const override { return folder; }
    QString dataFolder() const override { return data.isEmpty() ? folder : data; }
    QString executableName() const override { return name; }
};

class FakeSingleInstance : public SingleInstance {
public:
    bool otherRunning = false;
    bool acquire() override { return !otherRunning; }
};

class FakeScreen : public ScreenInfo {
public:
    QSize size{1920, 1080};
    QSize screenSize() const override { return size; }
};

class FakeClock : public Clock {
public:
    QDate date{2026, 12, 7};
    QDate today() const override { return date; }
};

// The preview: records what it was shown and answers as the user would, "Bezár" unless the test
// says "Nyomtatás".
class FakePreview : public PreviewService {
public:
    struct Shown {
        std::shared_ptr<const PrintRecording> recording;
        PreviewForm form;
    };
    std::vector<Shown> shown;
    Choice answer = Choice::Close; // what the user chooses in every preview

    Choice show(std::shared_ptr<const PrintRecording> recording, const PreviewForm& form) override {
        shown.push_back({std::move(recording), form});
        return answer;
    }
};

// All fakes together, with a Services view onto them.
struct FakeServices {
    FakeMessageBox messageBox;
    FakeInputBox inputBox;
    FakeFileDialog fileDialog;
    FakeBusyPointer busyPointer;
    FakeProgramInfo program;
    FakeSingleInstance singleInstance;
    FakeScreen screen;
    FakeClock clock;
    FakePrintDevice printer;
    FakePreview preview;

    WindowServices services() { return servicesPrintingOn(printer); }
    // The fakes with another print device, e.g. a real one writing a PDF.
    WindowServices servicesPrintingOn(PrintDevice& device) {
        return WindowServices{
            {messageBox, inputBox, fileDialog, busyPointer, program, singleInstance, screen, clock},
            device,
            preview};
    }
};
