#include "keyprint/SlipPicture.h"

#include <QColor>
#include <QPainter>
#include <QPen>

QPixmap slipPicture() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);

    // The slip: a pale sheet with a red border and a red head band.
    const QColor red(200, 30, 40);
    painter.setPen(QPen(red, 1));
    painter.setBrush(QColor(255, 250, 235));
    painter.drawRect(4, 1, 23, 29);
    painter.fillRect(5, 2, 22, 5, red);

    // A 5 x 5 grid of cells.
    painter.setPen(QPen(QColor(230, 140, 140), 1));
    for (int i = 0; i <= 5; ++i) {
        painter.drawLine(6 + 4 * i, 9, 6 + 4 * i, 29);
        painter.drawLine(6, 9 + 4 * i, 26, 9 + 4 * i);
    }

    // Marked cells, printed in blue.
    painter.setPen(QPen(QColor(20, 40, 200), 1));
    const int marks[][2] = {{0, 1}, {2, 0}, {3, 3}, {1, 4}, {4, 2}};
    for (const auto& m : marks) {
        const int x = 6 + 4 * m[0];
        const int y = 9 + 4 * m[1];
        painter.drawLine(x + 1, y + 1, x + 3, y + 3);
        painter.drawLine(x + 3, y + 1, x + 1, y + 3);
    }
    return picture;
}
