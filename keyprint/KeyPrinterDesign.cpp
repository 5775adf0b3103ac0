#include "keyprint/KeyPrinterDesign.h"

#include "core/base/GameProfile.h"

namespace {

const QColor blue(0, 0, 255);

ControlDesign inFrame(ControlDesign c, const QString& frame) {
    c.frame = frame;
    return c;
}

ControlDesign withFont(ControlDesign c, double points) {
    c.fontPoints = points;
    return c;
}

ControlDesign coloured(ControlDesign c) {
    c.textColour = blue;
    return c;
}

ControlDesign selected(ControlDesign c) {
    c.selected = true;
    return c;
}

// The window as built for the 6-number game; the other games start from it.
KeyPrinterDesign sixNumberDesign() {
    using K = ControlKind;
    KeyPrinterDesign d;
    d.title = QStringLiteral(" Hatos lottószelvény kitöltő.") + QString(29, QLatin1Char(' ')) +
              "Kelvadata/2010";
    d.clientTwips = QSize(6690, 6420);
    d.heading = withFont(
        coloured(control("Label2", K::Label, "A nyomtatás pozicionálása", {75, 150, 4080, 435})),
        13.5);
    d.offsetDownCaption =
        control("Label1", K::Label, "Tolja lefelé 'yy' mm-vel + - !", {420, 705, 2475, 255}, 0);
    d.offsetDown = control("Text1", K::TextBox, "0", {3060, 645, 615, 285});
    d.offsetRightCaption =
        control("Label1", K::Label, "Tolja jobbra 'xx' mm-vel + - !", {420, 1095, 2475, 255}, 1);
    d.offsetRight = control("Text2", K::TextBox, "0", {3060, 1035, 615, 285});
    d.rowsPerColumnCaption =
        control("Label9", K::Label, "Egy lapra 'xx' sort nyomtat.", {420, 1485, 2370, 255});
    d.rowsPerColumn = control("Text5", K::TextBox, "60", {3330, 1425, 345, 285});
    d.fieldsPerSlipCaption =
        control("Label12", K::Label, "Szelvényenkénti mezők száma.", {420, 1875, 2685, 255});
    d.fieldsPerSlip = control("Text6", K::TextBox, "8", {3330, 1815, 345, 285});
    d.rowList = control("List1", K::ListBox, "", {300, 2265, 3675, 2790});
    d.firstRowCaption = control("Label11", K::Label, "Tól:", {225, 5340, 375, 285});
    d.firstRow = control("Text3", K::TextBox, "", {660, 5325, 600, 285});
    d.lastRowCaption = control("Label13", K::Label, "Ig:", {1470, 5325, 375, 375});
    d.lastRow = control("Text4", K::TextBox, "", {1890, 5325, 600, 285});
    d.fromToButton = control("Command3D9", K::Button, "-> Nyomtatás", {2670, 5250, 1320, 420});
    d.jokerCaption = coloured(control("Label6", K::Label, "JOKER :", {540, 5925, 855, 315}));
    d.jokerOptions[0] = control("Option1", K::OptionButton, "Igen", {1500, 5910, 735, 255}, 0);
    d.jokerOptions[1] =
        selected(control("Option1", K::OptionButton, "Nem", {2400, 5910, 735, 255}, 1));
    d.saveButton = control("Command3D3", K::Button, "Beállítás mentése", {4230, 210, 2175, 435});
    d.markFrame = control("Frame1", K::Frame, "", {4395, 735, 1920, 405});
    d.markOptions[0] =
        inFrame(control("Option2", K::OptionButton, "x", {105, 150, 480, 195}, 0), "Frame1");
    d.markOptions[1] = inFrame(
        selected(control("Option2", K::OptionButton, "*", {705, 150, 480, 195}, 1)), "Frame1");
    d.markOptions[2] =
        inFrame(control("Option2", K::OptionButton, "•", {1260, 150, 480, 195}, 2), "Frame1");
    d.ejectCaption = control("Label10", K::Label, "Lapdobással indul !", {4305, 1305, 1695, 255});
    d.ejectFirst = control("Check1", K::CheckBox, "", {6105, 1245, 255, 315});
    d.orientationFrame = control("Frame4", K::Frame, "", {4395, 1590, 1920, 405});
    d.orientationOptions[0] = inFrame(
        selected(control("Option4", K::OptionButton, "álló", {105, 150, 870, 225}, 0)), "Frame4");
    d.orientationOptions[1] =
        inFrame(control("Option4", K::OptionButton, "fekvő", {990, 150, 870, 225}, 1), "Frame4");
    d.listingButton =
        control("Command3D5", K::Button, "A4-s lapra nyomtat", {4230, 2160, 2175, 435});
    d.slipButton =
        withFont(control("Command3D1", K::Button, "Szelv. kitölt", {4230, 2745, 2175, 735}), 13.5);
    d.chooseKeyButton = withFont(
        control("Command3D4", K::Button, "Kulcs választás", {4230, 3630, 2175, 540}), 9.75);
    d.slipCountCaption = control("Label3", K::Label, "Szelvényszám :", {4155, 4485, 1395, 315}, 0);
    d.slipCount = control("Label4", K::Label, "", {5565, 4470, 495, 315});
    d.widthCaption = control("Label8", K::Label, "", {6090, 4470, 420, 315});
    d.selectedRow = control("Label7", K::Label, "", {4185, 5070, 660, 390});
    d.selectedRow.centred = true;
    d.picture = control("Picture1", K::Picture, "", {5010, 4980, 570, 555});
    d.rowCount = control("Label5", K::Label, "", {5775, 5070, 690, 270});
    d.exitButton =
        withFont(control("Command3D2", K::Button, "Kilép", {4230, 5715, 2175, 555}), 9.75);
    return d;
}

void moveTop(ControlDesign& c, int top, int height = -1) {
    c.twips.moveTop(top);
    if (height >= 0) {
        c.twips.setHeight(height);
    }
}

// The lower part of the window: the list, the from-to row and the Joker choice. Both other
// games keep keyprint6's arrangement but sit lower or higher.
struct LowerPart {
    int listHeight;
    int rowsTop;  // Label11, Label13 (Text3, Text4 and the button 15 and 90 twips higher)
    int jokerTop; // Label6 (the options 15 twips higher)
};

void moveLowerPart(KeyPrinterDesign& d, const LowerPart& lower) {
    moveTop(d.rowList, 2265, lower.listHeight);
    moveTop(d.firstRowCaption, lower.rowsTop);
    moveTop(d.firstRow, lower.rowsTop - 15);
    moveTop(d.lastRowCaption, lower.rowsTop - 15);
    moveTop(d.lastRow, lower.rowsTop - 15);
    moveTop(d.fromToButton, lower.rowsTop - 90);
    moveTop(d.jokerCaption, lower.jokerTop);
    moveTop(d.jokerOptions[0], lower.jokerTop - 15);
    moveTop(d.jokerOptions[1], lower.jokerTop - 15);
}

// The right column: tops of its controls from Command3D3 down to Command3D2.
struct RightColumn {
    int save, markFrame, ejectCaption, ejectCheck, orientationFrame, listing, slip, slipHeight,
        chooseKey, counts, selectedRow, picture, exit;
};

void moveRightColumn(KeyPrinterDesign& d, const RightColumn& r) {
    moveTop(d.saveButton, r.save);
    moveTop(d.markFrame, r.markFrame);
    moveTop(d.ejectCaption, r.ejectCaption);
    moveTop(d.ejectFirst, r.ejectCheck);
    moveTop(d.orientationFrame, r.orientationFrame);
    moveTop(d.listingButton, r.listing);
    moveTop(d.slipButton, r.slip, r.slipHeight);
    moveTop(d.chooseKeyButton, r.chooseKey);
    moveTop(d.slipCountCaption, r.counts + 15);
    moveTop(d.slipCount, r.counts);
    moveTop(d.widthCaption, r.counts);
    moveTop(d.selectedRow, r.selectedRow);
    moveTop(d.picture, r.picture);
    moveTop(d.rowCount, r.selectedRow);
    moveTop(d.exitButton, r.exit);
}

// Text5's caption reads "oldalra" in keyprint5 and keyprint7, and is wider.
void pageCaption(KeyPrinterDesign& d) {
    d.rowsPerColumnCaption.caption = QStringLiteral("Egy oldalra 'xx' sort nyomtat.");
    d.rowsPerColumnCaption.twips.setWidth(2790);
}

// The 5-number window is 390 twips lower: the list and the buttons are shortened a little and
// everything below them moves up.
KeyPrinterDesign fiveNumberDesign() {
    KeyPrinterDesign d = sixNumberDesign();
    d.title = QStringLiteral(" Ötös lottószelvény kitöltő - álló, fekvő    Kelvadata/2010");
    d.clientTwips = QSize(6690, 6030);
    moveRightColumn(d, {150, 675, 1245, 1185, 1530, 2070, 2595, 660, 3375, 4215, 4740, 4650, 5355});
    moveLowerPart(d, {2400, 4950, 5535});
    pageCaption(d);
    d.fieldsPerSlip.caption = QStringLiteral("6");
    return d;
}

// The 7-number window is 255 twips lower and holds the two-sided printing check box between
// the listing button and the slip button; several labels carry other names.
KeyPrinterDesign sevenNumberDesign() {
    KeyPrinterDesign d = sixNumberDesign();
    d.title = QStringLiteral("  Hetes lottószelvény kitöltő.                Kelvadata/2013");
    d.clientTwips = QSize(6690, 6165);
    moveRightColumn(d, {150, 660, 1230, 1170, 1485, 1980, 2865, 660, 3600, 4305, 4860, 4770, 5505});
    moveLowerPart(d, {2535, 5085, 5670});
    pageCaption(d);
    d.fieldsPerSlip.caption = QStringLiteral("10");
    d.fromToButton.caption = QStringLiteral("Sorokat nyomtat");
    d.fromToButton.twips.setLeft(2580);
    d.rowsPerColumnCaption.name = QStringLiteral("Label8");
    d.fieldsPerSlipCaption.name = QStringLiteral("Label10");
    d.ejectCaption.name = QStringLiteral("Label9");
    d.jokerCaption.name = QStringLiteral("Label12");
    d.widthCaption.name = QStringLiteral("Label6");
    d.twoSided =
        control("Check3", ControlKind::CheckBox, "Kétoldalas nyomtatás", {4260, 2496, 2175, 300});
    return d;
}

} // namespace

QList<const ControlDesign*> KeyPrinterDesign::controls() const {
    QList<const ControlDesign*> all{&heading,
                                    &offsetDownCaption,
                                    &offsetDown,
                                    &offsetRightCaption,
                                    &offsetRight,
                                    &rowsPerColumnCaption,
                                    &rowsPerColumn,
                                    &fieldsPerSlipCaption,
                                    &fieldsPerSlip,
                                    &rowList,
                                    &firstRowCaption,
                                    &firstRow,
                                    &lastRowCaption,
                                    &lastRow,
                                    &fromToButton,
                                    &jokerCaption,
                                    &jokerOptions[0],
                                    &jokerOptions[1],
                                    &saveButton,
                                    &markFrame,
                                    &markOptions[0],
                                    &markOptions[1],
                                    &markOptions[2],
                                    &ejectCaption,
                                    &ejectFirst,
                                    &orientationFrame,
                                    &orientationOptions[0],
                                    &orientationOptions[1],
                                    &listingButton};
    if (hasTwoSided()) {
        all << &twoSided;
    }
    all << QList<const ControlDesign*>{&slipButton, &chooseKeyButton, &slipCountCaption,
                                       &slipCount,  &widthCaption,    &selectedRow,
                                       &picture,    &rowCount,        &exitButton};
    return all;
}

const KeyPrinterDesign& keyPrinterDesign(int game) {
    static const KeyPrinterDesign five = fiveNumberDesign();
    static const KeyPrinterDesign six = sixNumberDesign();
    static const KeyPrinterDesign seven = sevenNumberDesign();
    return forGame(game, five, six, seven);
}
