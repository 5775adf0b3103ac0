#pragma once

#include "core/keys/KeyListView.h"

#include <QString>
#include <QStringList>

#include <optional>

// What choosing a key left in the window: the rows and every caption it set (nothing for a
// caption it did not touch).
struct ShownKey {
    QStringList rows;
    bool clearSelectedRowCaption = false;
    std::optional<QString> fieldsPerSlipText; // Text6 corrected
    std::optional<QString> slipCountCaption;
    std::optional<QString> rowCountCaption;
    std::optional<QString> widthCaption;
};

// A window's key list and captions, recording what choosing a key set and in which order.
class FakeKeyListView : public KeyListView {
public:
    explicit FakeKeyListView(QString fieldsPerSlip = QStringLiteral("8"))
        : fieldsPerSlip_(std::move(fieldsPerSlip)) {}

    ShownKey shown;
    QStringList calls; // "rows 3", "clear Label7", "Text6 8", "Label4  3", ...

    void setRows(const QStringList& rows) override {
        shown.rows = rows;
        calls << QStringLiteral("rows %1").arg(rows.size());
    }
    void clearSelectedRowCaption() override {
        shown.clearSelectedRowCaption = true;
        calls << QStringLiteral("clear Label7");
    }
    void setRowCountCaption(const QString& text) override {
        shown.rowCountCaption = text;
        calls << QStringLiteral("row count ") + text;
    }
    void setWidthCaption(const QString& text) override {
        shown.widthCaption = text;
        calls << QStringLiteral("width ") + text;
    }
    QString fieldsPerSlipText() const override { return fieldsPerSlip_; }
    void setFieldsPerSlipText(const QString& text) override {
        fieldsPerSlip_ = text;
        shown.fieldsPerSlipText = text;
        calls << QStringLiteral("Text6 ") + text;
    }
    void setSlipCountCaption(const QString& text) override {
        shown.slipCountCaption = text;
        calls << QStringLiteral("slip count ") + text;
    }

private:
    QString fieldsPerSlip_;
};
