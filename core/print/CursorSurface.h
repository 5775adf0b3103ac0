#pragma once

#include "core/print/PrintCursor.h"
#include "core/print/PrintSurface.h"

// A surface that follows a replayed page's position and font with the metrics it was recorded
// with, and draws nothing itself: orientation, page and job ends and duplex do nothing. A
// subclass does what it needs with the texts, marks and lines, and hears of a new font.
class CursorSurface : public PrintSurface {
public:
    explicit CursorSurface(TextMetrics& metrics) : cursor_(metrics) {}

    bool setOrientation(Orientation) override { return true; }
    bool setUnits(Units units) override {
        cursor_.setUnits(units);
        return true;
    }
    bool setFontName(const QString& face) override {
        cursor_.setFontName(face);
        fontChanged();
        return true;
    }
    bool setFontSize(double points) override {
        if (!(points > 0)) {
            return false;
        }
        cursor_.setFontSize(points);
        fontChanged();
        return true;
    }
    bool setBold(bool bold) override {
        cursor_.setBold(bold);
        fontChanged();
        return true;
    }
    bool setPosX(double x) override {
        cursor_.setPosX(x);
        return true;
    }
    bool setPosY(double y) override {
        cursor_.setPosY(y);
        return true;
    }
    double posX() const override { return cursor_.posX(); }
    bool printText(const QString& text, bool endLine) override {
        cursor_.advancePast(text, endLine);
        return true;
    }
    bool printMark(const QString& mark) override { return printText(mark, true); }
    bool drawLine(double, double, double, double, double) override { return true; }
    double measureText(const QString& text) override { return cursor_.measureText(text); }
    InkBox measureInk(const QString& text) override { return cursor_.measureInk(text); }
    bool newPage() override { return true; }
    PrintJobOutcome endJob() override { return {}; }
    bool setDuplex() override { return true; }

protected:
    virtual void fontChanged() {}

    PrintCursor cursor_;
};
