#pragma once

#include <QString>
#include <QStringList>

// The systems of a combination slip, in the order of the boxes on the slip. A system code such
// as "4 08" is the FIX count (one digit), a blank and the combination count (two digits).
struct SystemTable {
    QStringList codes;
    int boxesPerColumn; // systems per column of the window's table and of the slip's box grid
};

const SystemTable& systemTable(int game);

int systemFixCount(const QString& code);         // value of the first character
int systemCombinationCount(const QString& code); // value of the last two characters

// Binomial coefficient C(n, k); 0 when k is outside 0..n.
long long binomial(int n, int k);
