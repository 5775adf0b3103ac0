#pragma once

#include <QString>

// File attributes of the key printers' settings file.

// Resets the file to normal attributes so it can be replaced: on Windows neither read-only nor
// hidden (FILE_ATTRIBUTE_NORMAL); elsewhere the owner's write permission is given back and the
// other permission bits are kept. A missing file (or a folder) is left alone and is no error.
bool setFileNormal(const QString& path);

// The hidden attribute of a file. On Windows it sets FILE_ATTRIBUTE_HIDDEN, or normal
// attributes when hidden is false (which clears read-only too); elsewhere files have no such
// attribute and this does nothing and reports success.
bool setFileHidden(const QString& path, bool hidden);
