#include "forms/ControlDesign.h"

#include <cmath>

QString ControlDesign::objectName() const {
    return index < 0 ? name : name + QStringLiteral("(%1)").arg(index);
}

int twipsToPixels(int twips) {
    return int(std::lround(twips / 15.0));
}

QRect twipsToPixels(const QRect& twips) {
    return {twipsToPixels(twips.left()), twipsToPixels(twips.top()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

ControlDesign control(const QString& name, ControlKind kind, const QString& caption, QRect twips,
                      int index) {
    ControlDesign c;
    c.name = name;
    c.index = index;
    c.kind = kind;
    c.caption = caption;
    c.twips = twips;
    return c;
}
