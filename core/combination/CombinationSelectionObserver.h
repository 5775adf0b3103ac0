#pragma once

// What a view of the combination selection is told. Each call names what changed; the view
// reads the new state back from the selection.
class CombinationSelectionObserver {
public:
    virtual ~CombinationSelectionObserver() = default;
    // Flag and caption of number button n changed (marked buttons also show the picture).
    virtual void numberChanged(int number) = 0;
    // List1: its rows or its selected row.
    virtual void rowsChanged() = 0;
    // List2: its entries or its selected entry.
    virtual void entriesChanged() = 0;
    // The selected system button.
    virtual void systemChanged() = 0;
    // Any of the counter captions.
    virtual void countersChanged() = 0;
};
