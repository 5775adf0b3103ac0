#pragma once

#include "tests/support/PdfReader.h"

#include <QString>

// Checks that two PDFs hold the same pages (count and sizes) and the same words at the same
// places, within a thousandth of a millimetre.
void expectSamePdf(const QString& expectedPath, const QString& actualPath);
