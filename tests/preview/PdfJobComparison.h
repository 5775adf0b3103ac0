#pragma once

#include "PrintRecording.h"
#include "PrintSurface.h"
#include "TextMetrics.h"

#include <QString>

#include <functional>
#include <memory>

// Composes print jobs; each ends with endJob.
using Compose = std::function<void(PrintSurface&)>;

// The jobs composed onto a recording surface measuring with the given metrics.
std::shared_ptr<const PrintRecording> recordJobs(const Compose& compose, TextMetrics& metrics);

// The PDF file of one job printed by the Qt print surface.
void printDirectly(const Compose& compose, const QString& path);
void printReplayed(const PrintRecording& recording, int job, const QString& path);

// Both PDFs hold the same pages (count and size) and every word at the same place; returns
// how many words they hold, so a caller can see the comparison was about something.
int expectSamePdfPages(const QString& expectedPath, const QString& actualPath);
