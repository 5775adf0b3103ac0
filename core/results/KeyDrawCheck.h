#pragma once

#include "core/base/GameProfile.h"
#include "core/results/DrawCheckResult.h"
#include "core/results/DrawEntry.h"
#include "core/results/KeyRowMasks.h"
#include "core/results/PreparedCheck.h"

#include <QString>
#include <QStringList>

#include <vector>

// Checks the rows of a key printer (List1) against the draws: per draw the rows in each class
// and the winning rows, each with its number in the key and the slip and field the all-rows
// run ("Szelv. kitölt") prints it on with the fields-per-slip box text given (Text6, corrected
// and rounded as that run does). masks are the same rows prepared (made anew when their count
// differs from the rows').
DrawCheckResult checkKey(const GameProfile& profile, const QStringList& rows,
                         const KeyRowMasks& masks, const QString& fieldsPerSlip,
                         const std::vector<Draw>& draws);

// The same rows prepared for checking many draws ("Minden húzás"): each draw's rows by class and
// its best row, the first with the most hits, with its slip and field. Refused with the
// profile's message when there are no rows.
PreparedCheck prepareKeyCheck(const GameProfile& profile, const QStringList& rows,
                              const KeyRowMasks& masks, const QString& fieldsPerSlip);
