#pragma once

#include "core/combination/CombinationSelection.h"
#include "core/results/DrawCheckResult.h"
#include "core/results/DrawEntry.h"
#include "core/results/PreparedCheck.h"

#include <vector>

// True when the selection holds a full combination (List2 has entries), so that the check can
// be asked for it instead of the loaded rows.
bool holdsFullCombination(const CombinationSelection& selection);

// "A teljes kombináció": every entry of List2 as the full-combination run applies and prints
// it (one slip each, slip number 1, an entry the run refuses listed with the run's message),
// and the plain rows of the full combination's plain-row file, read anew. Refused when there
// is no full combination or its plain-row file cannot be read or no longer holds its rows.
// Nothing of the selection changes.
DrawCheckOutcome checkFullCombination(const CombinationSelection& selection,
                                      const std::vector<Draw>& draws);

// The same full combination prepared for checking many draws ("Minden húzás"), refused as the
// single check is.
PreparedCheck prepareFullCombinationCheck(const CombinationSelection& selection);

// What a combination printer's check looks at, prepared for many draws: the full combination or
// the loaded rows.
PreparedCheck prepareCombinationCheck(const CombinationSelection& selection,
                                      CheckedSubject subject);
