#pragma once

#include <QString>
#include <QStringList>

// The part of a window that choosing a key fills, step by step: the row list (List1) and the
// captions that loading sets. Choosing a key changes them in the order the user sees them, so
// a message shown while loading has the list and captions it talks about behind it.
class KeyListView {
public:
    virtual ~KeyListView() = default;

    virtual void setRows(const QStringList& rows) = 0;        // List1; empty clears it
    virtual void clearSelectedRowCaption() = 0;               // Label7
    virtual void setRowCountCaption(const QString& text) = 0; // Label5 / combination Label4
    virtual void setWidthCaption(const QString& text) = 0;    // Label8 (keyprint7: Label6)

    // Key printers only: the fields-per-slip box (Text6) and the slip count (Label4).
    virtual QString fieldsPerSlipText() const { return {}; }
    virtual void setFieldsPerSlipText(const QString&) {}
    virtual void setSlipCountCaption(const QString&) {}
};
