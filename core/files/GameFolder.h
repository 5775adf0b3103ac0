#pragma once

#include <QString>
#include <QStringList>

// Each game keeps the files its two programs write and read back (the settings of both,
// filenev.txt, the plain-row files) in a folder of its own, so that a plain-row file of one game
// never replaces another game's file of the same name.

// The name of a game's folder: "lotto5", "lotto6", "lotto7".
QString gameFolderName(int game);

// The files of the game in a folder the six programs used to share: the two settings files,
// filenev.txt, and the plain-row files whose rows have the game's count of numbers. Names only.
QStringList filesOfGame(const QString& sharedFolder, int game);

// Makes the game's folder. When it did not exist yet, the game's files are copied into it from
// the folder the programs shared before, so no saved offset, key preset or plain-row file is
// lost by the move; the shared copies stay where they are. False when the folder cannot be made.
bool makeGameFolder(const QString& gameFolder, const QString& sharedFolder, int game);
