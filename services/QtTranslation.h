#pragma once

class QCoreApplication;

class QTranslator;

// Loads Qt's own Hungarian texts (the file dialog's labels and buttons, "Mégse" for Cancel, its
// messages, the dates and sizes it shows) whatever the user's locale, as every other text of the
// programs is Hungarian. Gives
// the installed translator, owned by the application, or null when the translation is missing:
// Qt's texts then stay English.
QTranslator* installHungarianQtTexts(QCoreApplication& application);
