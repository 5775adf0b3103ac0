#pragma once

#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>

// Design-time places of the main window's controls, in twips (left, top, width, height), for
// one game. Controls inside a frame are placed relative to the frame.
struct WindowLayout {
    QHash<QString, QRect> places;
    QPoint gridTemplate; // Command3D5(0)
    int gridButtonSize;  // twips
    QPoint systemsFirst; // Option3(0)
    QRect joker[2];      // Option1(0), Option1(1), relative to Frame2
    QRect picture;       // Picture1

    QRect place(const QString& name) const { return places.value(name); }
};

const WindowLayout& windowLayout(int game);

// Twips to pixels at 96 dots per inch: 15 twips a pixel.
inline int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}
QRect twipsToPixels(const QRect& twips);
