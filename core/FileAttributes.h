#pragma once

#include <QString>

// The hidden attribute of a file. On Windows it sets or clears FILE_ATTRIBUTE_HIDDEN (and
// clears read-only when made normal); elsewhere files have no such attribute and this does
// nothing and reports success.
bool setFileHidden(const QString& path, bool hidden);
