#include "combiprint/FullCombinationDesign.h"

#include "core/base/GameProfile.h"

#include <QList>

#include <algorithm>

namespace {

// The option buttons stand in a column on the left; their tops differ a little by game.
QList<int> optionTops(int game) {
    if (game == 7) {
        return {225, 617, 994, 1350, 1748, 2125, 2502, 2880};
    }
    if (game == 6) {
        return {240, 617, 994, 1371, 1748, 2125, 2490, 2880};
    }
    return {240, 617, 994, 1371, 1748, 2125, 2502, 2880};
}

// The grid right of the options, the two lists right of the grid with their counts below
// them, and the buttons along the bottom.
FullCombinationDesign designFor(int game, int buttonsPerRow, int highestNumber, int titleBlanks) {
    using K = ControlKind;
    FullCombinationDesign d;
    d.title = QStringLiteral("Teljes kombináció választás.") +
              QString(titleBlanks, QLatin1Char(' ')) + QStringLiteral("Kelvadata/2008");
    const QList<int> tops = optionTops(game);
    for (int i = 0; i < 8; ++i) {
        d.sizeOptions[i] =
            control("Option1", K::OptionButton, QStringLiteral("%1 szám").arg(13 + i),
                    {270, tops[i], 1245, 285}, i);
    }
    d.gridTemplate = control("Command3D5", K::Button, QString(), {1560, 225, 315, 315}, 0);
    d.buttonsPerGridRow = buttonsPerRow;

    const int rows = (highestNumber - 1) / buttonsPerRow + 1;
    const int gridRight = d.gridTemplate.twips.left() + d.gridPitch * (buttonsPerRow + 1);
    const int gridBottom = d.gridTemplate.twips.top() + d.gridPitch * rows;
    const int listLeft = gridRight + 240;
    const int listWidth = 2700;
    const int secondLeft = listLeft + listWidth + 150;
    d.templateList = control("List1", K::ListBox, QString(), {listLeft, 225, listWidth, 2700});
    d.convertedList = control("List2", K::ListBox, QString(), {secondLeft, 225, listWidth, 2700});

    const int labelTop = 3060;
    d.slipCountCaption = control("Label3", K::Label, QStringLiteral("Kombinációs szelvény :"),
                                 {listLeft, labelTop, 2200, 285});
    d.slipCount = control("Label4", K::Label, QString(), {listLeft + 2250, labelTop, 600, 285});
    d.plainRowCaption = control("Label5", K::Label, QStringLiteral("Sima sor :"),
                                {listLeft, labelTop + 360, 2200, 285});
    d.plainRowCount =
        control("Label6", K::Label, QString(), {listLeft + 2250, labelTop + 360, 600, 285});
    d.size = control("Label2", K::Label, QString(), {secondLeft, labelTop, 700, 285});
    d.chosenCount = control("Label1", K::Label, QString(), {secondLeft, labelTop + 360, 700, 285});

    const int buttonTop = std::max(gridBottom, labelTop + 720) + 240;
    d.loadButton = control("SSCommand1", K::Button, QStringLiteral("Kombináció választás"),
                           {270, buttonTop, 2300, 420});
    d.clearButton =
        control("SSCommand2", K::Button, QStringLiteral("Töröl"), {2700, buttonTop, 1200, 420});
    d.convertButton =
        control("SSCommand3", K::Button, QStringLiteral("Csere"), {4050, buttonTop, 1200, 420});
    d.exitButton =
        control("Command3D2", K::Button, QStringLiteral("Kilép"), {5400, buttonTop, 1200, 420});
    d.clientTwips = QSize(secondLeft + listWidth + 240, buttonTop + 420 + 300);
    return d;
}

} // namespace

const FullCombinationDesign& fullCombinationDesign(int game) {
    static const FullCombinationDesign five = designFor(5, 15, 90, 70);
    static const FullCombinationDesign six = designFor(6, 7, 45, 24);
    static const FullCombinationDesign seven = designFor(7, 5, 35, 24);
    return forGame(game, five, six, seven);
}
