#include "combiprint/CombinationPrinterDesign.h"

#include "core/base/GameProfile.h"

namespace {

const QColor blue(0, 0, 255);
const QColor purple(128, 0, 128);

// Labels two lines high wrap their caption.
ControlDesign label(const char* name, const QString& caption, QRect twips) {
    ControlDesign c = control(name, ControlKind::Label, caption, twips);
    c.wrapped = twips.height() >= 400;
    return c;
}

ControlDesign button(const char* name, const QString& caption, QRect twips) {
    return control(name, ControlKind::Button, caption, twips);
}

ControlDesign textBox(const char* name, const QString& text, QRect twips) {
    return control(name, ControlKind::TextBox, text, twips);
}

ControlDesign coloured(ControlDesign c, const QColor& colour) {
    c.textColour = colour;
    return c;
}

ControlDesign element(const char* name, int index, ControlKind kind, const QString& caption,
                      QRect twips, const char* frame = nullptr) {
    ControlDesign c = control(name, kind, caption, twips);
    c.index = index;
    c.frame = frame ? QString::fromLatin1(frame) : QString();
    return c;
}

QString titleOf(int game, int leading, int before) {
    return QString(leading, QLatin1Char(' ')) +
           QStringLiteral("Kombinációs %1-s lottószelvény kitöltő - álló").arg(game) +
           QString(before, QLatin1Char(' ')) + QStringLiteral("Kelvadata/2010");
}

void setFrameControls(CombinationPrinterDesign& d, const QRect& joker0, const QRect& joker1,
                      const QRect& jokerCaption) {
    using K = ControlKind;
    const QStringList marks{QStringLiteral("x"), QStringLiteral("*"), QStringLiteral("•")};
    for (int i = 0; i < 3; ++i) {
        d.markOptions[i] = element("Option2", i, K::OptionButton, marks[i],
                                   QRect(150 + 600 * i, 90, 540, 240), "Frame1");
    }
    d.markOptions[1].selected = true;
    d.jokerCaption = coloured(label("Label6", QStringLiteral("JOKER :"), jokerCaption), blue);
    d.jokerCaption.frame = QStringLiteral("Frame2");
    d.jokerOptions[0] =
        element("Option1", 0, K::OptionButton, QStringLiteral("Igen"), joker0, "Frame2");
    d.jokerOptions[1] =
        element("Option1", 1, K::OptionButton, QStringLiteral("Nem"), joker1, "Frame2");
    d.jokerOptions[1].selected = true;
}

// combiprint7; combiprint6 and combiprint5 start from it.
CombinationPrinterDesign sevenNumberDesign() {
    using K = ControlKind;
    CombinationPrinterDesign d;
    d.title = titleOf(7, 3, 57);
    d.gridFrame = control("Shape1", K::Frame, QString(), {960, 1500, 1875, 2595});
    d.heading = label("Label2", QStringLiteral("A nyomtatás pozicionálása"), {45, 135, 3945, 435});
    d.offsetDownCaption =
        element("Label1", 0, K::Label, QStringLiteral("Tolja lefelé 'yy' mm-vel + - !"),
                {420, 675, 2475, 255});
    d.offsetDown = textBox("Text1", QStringLiteral("0"), {3060, 615, 615, 285});
    d.offsetRightCaption =
        element("Label1", 1, K::Label, QStringLiteral("Tolja jobbra 'xx' mm-vel + - !"),
                {420, 1065, 2475, 255});
    d.offsetRight = textBox("Text2", QStringLiteral("0"), {3060, 1005, 615, 285});
    d.saveButton =
        button("Command3D3", QStringLiteral("Beállítás mentése"), {4110, 240, 2175, 435});
    d.markFrame = control("Frame1", K::Frame, QString(), {4230, 765, 1920, 405});
    d.jokerFrame = control("Frame2", K::Frame, QString(), {7905, 4680, 2640, 555});
    setFrameControls(d, {990, 240, 780, 240}, {1815, 240, 780, 240}, {45, 240, 855, 240});
    d.ejectCaption =
        label("Label10", QStringLiteral("Lapdobással indul !"), {4155, 1320, 1695, 255});
    d.ejectFirst = control("Check1", K::CheckBox, QString(), {5955, 1260, 255, 315});
    d.systemCombinationsCaption = coloured(
        label("Label14", QStringLiteral("Kombináció összesen"), {3600, 2610, 1095, 480}), blue);
    d.fixCountCaption =
        coloured(label("Label16", QStringLiteral("Fix számok db."), {3600, 3105, 1095, 480}), blue);
    d.combinationCountCaption = coloured(
        label("Label9", QStringLiteral("Kombinált számok db."), {3600, 3600, 1095, 480}), blue);
    d.systemCombinations = label("Label12", QString(), {4725, 2715, 600, 255});
    d.fixCount = label("Label15", QString(), {4730, 3195, 600, 255});
    d.combinationCount = label("Label8", QString(), {4730, 3660, 600, 255});
    d.checkedTotal = label("Label17", QString(), {3735, 1725, 870, 240});
    d.checkButton = button("Command3", QStringLiteral("Ellenőr"), {3780, 2070, 825, 255});
    d.expectedTotal = label("Label5", QString(), {4320, 4260, 720, 255});
    d.deleteEntryButton = coloured(
        button("SSCommand2", QStringLiteral("Kijelölt sor törlése"), {5205, 1715, 2010, 420}),
        blue);
    d.entryList = control("List2", K::ListBox, QString(), {5220, 2243, 1950, 1815});
    d.fullCombinationButton = coloured(
        button("SSCommand1", QStringLiteral("7-s kombinációk"), {5205, 4166, 2010, 420}), purple);
    d.printFullButton = coloured(
        button("SSCommand4", QStringLiteral("T. kombi nyomtatása"), {5205, 4695, 2010, 420}),
        purple);
    d.addRowButton =
        button("Command1", QStringLiteral("Kombinációs számok"), {555, 4290, 1965, 405});
    d.clearButton = button("Command2", QStringLiteral("Töröl"), {2685, 4290, 825, 405});
    d.clearRowsToo = control("Check2", K::CheckBox, QString(), {3585, 4395, 180, 195});
    d.rowList = control("List1", K::ListBox, QString(), {270, 4875, 3675, 1815});
    d.deleteRowButton = coloured(
        button("SSCommand3", QStringLiteral("Kijelölt sor törlése"), {1080, 6840, 2010, 420}),
        blue);
    d.firstRowCaption = label("Label11", QStringLiteral("Tól:"), {4500, 5400, 420, 255});
    d.firstRow = textBox("Text3", QString(), {4935, 5385, 600, 285});
    d.lastRowCaption = label("Label13", QStringLiteral("Ig:"), {5745, 5400, 405, 255});
    d.lastRow = textBox("Text4", QString(), {6165, 5385, 600, 285});
    d.selectedRow = label("Label7", QString(), {6960, 5850, 645, 300});
    d.fromToButton =
        button("Command3D9", QStringLiteral("Tól-ig: nyomtatás"), {4560, 5775, 2175, 555});
    d.slipButton = button("Command3D1", QStringLiteral("Szelv. kitölt"), {4560, 6615, 2175, 555});
    d.slipCountCaption = label("Label3", QStringLiteral("Szelvényszám :"), {8040, 5415, 1335, 255});
    d.slipCount = label("Label4", QString(), {9405, 5415, 700, 255});
    d.chooseKeyButton =
        button("Command3D4", QStringLiteral("Kulcs választás"), {7920, 5775, 2175, 555});
    d.exitButton = button("Command3D2", QStringLiteral("Kilép"), {7920, 6615, 2175, 555});
    d.picture = control("Picture1", K::Picture, QString(), {6480, 120, 480, 480});
    d.gridTemplate = element("Command3D5", 0, K::Button, QString(), {660, 1545, 315, 315});
    d.systemTemplate = element("Option3", 0, K::OptionButton, QString(), {7485, 210, 750, 195});
    d.buttonsPerGridRow = 5;
    return d;
}

CombinationPrinterDesign sixNumberDesign() {
    CombinationPrinterDesign d = sevenNumberDesign();
    d.title = titleOf(6, 3, 57);
    d.gridFrame.twips = {720, 1500, 2625, 2595};
    d.fullCombinationButton.caption = QStringLiteral("6-s kombinációk");
    d.gridTemplate.twips.moveTopLeft({420, 1545});
    d.systemTemplate.twips.moveTopLeft({7500, 495});
    d.buttonsPerGridRow = 7;
    return d;
}

void place(ControlDesign& c, QRect twips) {
    c.twips = twips;
    if (c.kind == ControlKind::Label) {
        c.wrapped = twips.height() >= 400;
    }
}

CombinationPrinterDesign fiveNumberDesign() {
    CombinationPrinterDesign d = sevenNumberDesign();
    d.title = titleOf(5, 6, 65);
    place(d.heading, {45, 135, 4050, 435});
    place(d.saveButton, {4275, 255, 2175, 435});
    place(d.markFrame, {4290, 810, 1920, 405});
    place(d.ejectCaption, {9840, 225, 1095, 420});
    place(d.ejectFirst, {11100, 330, 240, 255});
    place(d.jokerFrame, {6600, 75, 3090, 660});
    setFrameControls(d, {1150, 295, 780, 315}, {2050, 295, 780, 315}, {195, 295, 855, 315});
    place(d.gridFrame, {360, 1470, 5550, 2280});
    place(d.systemCombinationsCaption, {7005, 5100, 1095, 480});
    place(d.systemCombinations, {8130, 5220, 600, 255});
    place(d.fixCountCaption, {7005, 5670, 1095, 480});
    place(d.fixCount, {8130, 5760, 600, 255});
    place(d.combinationCountCaption, {7005, 6240, 1095, 480});
    place(d.combinationCount, {8130, 6300, 600, 255});
    place(d.checkedTotal, {4200, 3900, 870, 270});
    place(d.checkButton, {5250, 4380, 825, 255});
    place(d.expectedTotal, {5280, 3900, 675, 270});
    place(d.deleteEntryButton, {6218, 1320, 2010, 420});
    place(d.entryList, {6210, 1845, 2025, 1815});
    place(d.fullCombinationButton, {6218, 3765, 2010, 420});
    d.fullCombinationButton.caption = QStringLiteral("5-s kombinációk");
    place(d.printFullButton, {6240, 4275, 2010, 420});
    d.printFullButton.caption = QStringLiteral("T. kombi. nyomtatása");
    place(d.addRowButton, {525, 3945, 1965, 405});
    place(d.clearButton, {2655, 3945, 825, 405});
    place(d.clearRowsToo, {3555, 4050, 180, 195});
    place(d.rowList, {300, 4545, 3675, 1620});
    place(d.deleteRowButton, {1095, 6345, 2010, 420});
    place(d.firstRowCaption, {4185, 4875, 420, 255});
    place(d.firstRow, {4620, 4860, 600, 285});
    place(d.lastRowCaption, {5430, 4875, 405, 255});
    place(d.lastRow, {5850, 4860, 600, 285});
    place(d.selectedRow, {4185, 4380, 645, 300});
    place(d.fromToButton, {4245, 5250, 2175, 555});
    place(d.slipButton, {4245, 6090, 2175, 555});
    place(d.slipCountCaption, {6405, 960, 1335, 255});
    place(d.slipCount, {7770, 960, 700, 255});
    place(d.chooseKeyButton, {8970, 5250, 2175, 555});
    place(d.exitButton, {8970, 6090, 2175, 555});
    place(d.picture, {10200, 4650, 480, 480});
    place(d.gridTemplate, {75, 1545, 345, 345});
    d.systemTemplate.twips.moveTopLeft({8550, 1020});
    d.buttonsPerGridRow = 15;
    return d;
}

} // namespace

QList<const ControlDesign*> CombinationPrinterDesign::windowControls() const {
    return {&gridFrame,
            &heading,
            &offsetDownCaption,
            &offsetDown,
            &offsetRightCaption,
            &offsetRight,
            &saveButton,
            &markFrame,
            &jokerFrame,
            &ejectCaption,
            &ejectFirst,
            &systemCombinationsCaption,
            &fixCountCaption,
            &combinationCountCaption,
            &systemCombinations,
            &fixCount,
            &combinationCount,
            &checkedTotal,
            &checkButton,
            &expectedTotal,
            &deleteEntryButton,
            &entryList,
            &fullCombinationButton,
            &printFullButton,
            &addRowButton,
            &clearButton,
            &clearRowsToo,
            &rowList,
            &deleteRowButton,
            &firstRowCaption,
            &firstRow,
            &lastRowCaption,
            &lastRow,
            &selectedRow,
            &fromToButton,
            &slipButton,
            &slipCountCaption,
            &slipCount,
            &chooseKeyButton,
            &exitButton,
            &picture};
}

const CombinationPrinterDesign& combinationPrinterDesign(int game) {
    static const CombinationPrinterDesign five = fiveNumberDesign();
    static const CombinationPrinterDesign six = sixNumberDesign();
    static const CombinationPrinterDesign seven = sevenNumberDesign();
    return forGame(game, five, six, seven);
}
