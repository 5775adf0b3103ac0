#pragma once

#include "core/combination/CombinationSelection.h"

#include <QString>
#include <QStringList>

#include <optional>

// Puts a key into the selection as "Kulcs választás" shows one: the rows, Label7 cleared when
// asked, and the captions given (nothing keeps a caption as it was).
inline void loadKeyRows(CombinationSelection& selection, const QStringList& rows,
                        bool clearSelectedRowCaption, const std::optional<QString>& rowCount,
                        const std::optional<QString>& width) {
    selection.setRows(rows);
    if (clearSelectedRowCaption) {
        selection.clearSelectedRowCaption();
    }
    if (rowCount) {
        selection.setRowCountCaption(*rowCount);
    }
    if (width) {
        selection.setWidthCaption(*width);
    }
}
