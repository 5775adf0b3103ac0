#pragma once

#include <QString>
#include <QStringList>

// The slips and listings name their faces as Windows knows them ("arial black", "times new
// roman"). A system that lacks one (Wine, a stripped-down Windows) gets the faces Linux falls
// back to for it, shipped in <fontsFolder>/<face>/: every font file there is registered with Qt
// and stands in for the face, so a slip prints the same as on Linux. A face the system has is
// left alone, and a missing folder adds nothing. Needs the QGuiApplication; gives the faces that
// were stood in for.
QStringList provideMissingFaces(const QString& fontsFolder);
