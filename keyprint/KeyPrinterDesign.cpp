#include "KeyPrinterDesign.h"

#include <QHash>

#include <cmath>

namespace {

ControlDesign control(const QString& name, ControlKind kind, const QString& caption, int left,
                      int top, int width, int height) {
    ControlDesign c;
    c.name = name;
    c.kind = kind;
    c.caption = caption;
    c.twips = QRect(left, top, width, height);
    return c;
}

ControlDesign element(const QString& name, int index, ControlKind kind, const QString& caption,
                      int left, int top, int width, int height) {
    ControlDesign c = control(name, kind, caption, left, top, width, height);
    c.index = index;
    return c;
}

ControlDesign inFrame(ControlDesign c, const QString& frame) {
    c.frame = frame;
    return c;
}

ControlDesign withFont(ControlDesign c, double points) {
    c.fontPoints = points;
    return c;
}

ControlDesign blue(ControlDesign c) {
    c.blue = true;
    return c;
}

ControlDesign selected(ControlDesign c) {
    c.selected = true;
    return c;
}

// The window as built for the 6-number game; the other games start from it.
QList<ControlDesign> sixNumberControls() {
    using K = ControlKind;
    ControlDesign label7 = control("Label7", K::Label, "", 4185, 5070, 660, 390);
    label7.centred = true;
    return {
        withFont(blue(control("Label2", K::Label, "A nyomtatás pozicionálása", 75, 150, 4080, 435)),
                 13.5),
        element("Label1", 0, K::Label, "Tolja lefelé 'yy' mm-vel + - !", 420, 705, 2475, 255),
        control("Text1", K::TextBox, "0", 3060, 645, 615, 285),
        element("Label1", 1, K::Label, "Tolja jobbra 'xx' mm-vel + - !", 420, 1095, 2475, 255),
        control("Text2", K::TextBox, "0", 3060, 1035, 615, 285),
        control("Label9", K::Label, "Egy lapra 'xx' sort nyomtat.", 420, 1485, 2370, 255),
        control("Text5", K::TextBox, "60", 3330, 1425, 345, 285),
        control("Label12", K::Label, "Szelvényenkénti mezők száma.", 420, 1875, 2685, 255),
        control("Text6", K::TextBox, "8", 3330, 1815, 345, 285),
        control("List1", K::ListBox, "", 300, 2265, 3675, 2790),
        control("Label11", K::Label, "Tól:", 225, 5340, 375, 285),
        control("Text3", K::TextBox, "", 660, 5325, 600, 285),
        control("Label13", K::Label, "Ig:", 1470, 5325, 375, 375),
        control("Text4", K::TextBox, "", 1890, 5325, 600, 285),
        control("Command3D9", K::Button, "-> Nyomtatás", 2670, 5250, 1320, 420),
        blue(control("Label6", K::Label, "JOKER :", 540, 5925, 855, 315)),
        element("Option1", 0, K::OptionButton, "Igen", 1500, 5910, 735, 255),
        selected(element("Option1", 1, K::OptionButton, "Nem", 2400, 5910, 735, 255)),
        control("Command3D3", K::Button, "Beállítás mentése", 4230, 210, 2175, 435),
        control("Frame1", K::Frame, "", 4395, 735, 1920, 405),
        inFrame(element("Option2", 0, K::OptionButton, "x", 105, 150, 480, 195), "Frame1"),
        inFrame(selected(element("Option2", 1, K::OptionButton, "*", 705, 150, 480, 195)),
                "Frame1"),
        inFrame(element("Option2", 2, K::OptionButton, "•", 1260, 150, 480, 195), "Frame1"),
        control("Label10", K::Label, "Lapdobással indul !", 4305, 1305, 1695, 255),
        control("Check1", K::CheckBox, "", 6105, 1245, 255, 315),
        control("Frame4", K::Frame, "", 4395, 1590, 1920, 405),
        inFrame(selected(element("Option4", 0, K::OptionButton, "álló", 105, 150, 870, 225)),
                "Frame4"),
        inFrame(element("Option4", 1, K::OptionButton, "fekvő", 990, 150, 870, 225), "Frame4"),
        control("Command3D5", K::Button, "A4-s lapra nyomtat", 4230, 2160, 2175, 435),
        withFont(control("Command3D1", K::Button, "Szelv. kitölt", 4230, 2745, 2175, 735), 13.5),
        withFont(control("Command3D4", K::Button, "Kulcs választás", 4230, 3630, 2175, 540), 9.75),
        element("Label3", 0, K::Label, "Szelvényszám :", 4155, 4485, 1395, 315),
        control("Label4", K::Label, "", 5565, 4470, 495, 315),
        control("Label8", K::Label, "", 6090, 4470, 420, 315),
        label7,
        control("Picture1", K::Picture, "", 5010, 4980, 570, 555),
        control("Label5", K::Label, "", 5775, 5070, 690, 270),
        withFont(control("Command3D2", K::Button, "Kilép", 4230, 5715, 2175, 555), 9.75),
    };
}

ControlDesign* findMutable(QList<ControlDesign>& controls, const QString& objectName) {
    for (ControlDesign& c : controls) {
        if (c.objectName() == objectName) {
            return &c;
        }
    }
    return nullptr;
}

// New top (and, where given, height) of controls, by object name.
struct Move {
    const char* objectName;
    int top;
    int height = -1;
};

void applyMoves(QList<ControlDesign>& controls, std::initializer_list<Move> moves) {
    for (const Move& m : moves) {
        if (ControlDesign* c = findMutable(controls, QString::fromLatin1(m.objectName))) {
            c->twips.moveTop(m.top);
            if (m.height >= 0) {
                c->twips.setHeight(m.height);
            }
        }
    }
}

// The 5-number window is 390 twips lower: the list and the buttons are shortened a little and
// everything below them moves up.
QList<ControlDesign> fiveNumberControls() {
    QList<ControlDesign> controls = sixNumberControls();
    applyMoves(controls, {
                             {"Command3D3", 150},       {"Frame1", 675},      {"Label10", 1245},
                             {"Check1", 1185},          {"Frame4", 1530},     {"Command3D5", 2070},
                             {"Command3D1", 2595, 660}, {"Command3D4", 3375}, {"Label3(0)", 4230},
                             {"Label4", 4215},          {"Label8", 4215},     {"Label7", 4740},
                             {"Picture1", 4650},        {"Label5", 4740},     {"Command3D2", 5355},
                             {"List1", 2265, 2400},     {"Label11", 4950},    {"Text3", 4935},
                             {"Label13", 4935},         {"Text4", 4935},      {"Command3D9", 4860},
                             {"Label6", 5535},          {"Option1(0)", 5520}, {"Option1(1)", 5520},
                         });
    ControlDesign* rowsPerColumn = findMutable(controls, "Label9");
    rowsPerColumn->caption = "Egy oldalra 'xx' sort nyomtat.";
    rowsPerColumn->twips.setWidth(2790);
    findMutable(controls, "Text6")->caption = "6";
    return controls;
}

// The 7-number window is 255 twips lower and holds the two-sided printing check box between
// the listing button and the slip button; several labels carry other names.
QList<ControlDesign> sevenNumberControls() {
    QList<ControlDesign> controls = sixNumberControls();
    applyMoves(controls, {
                             {"Command3D3", 150},       {"Frame1", 660},      {"Label10", 1230},
                             {"Check1", 1170},          {"Frame4", 1485},     {"Command3D5", 1980},
                             {"Command3D1", 2865, 660}, {"Command3D4", 3600}, {"Label3(0)", 4320},
                             {"Label4", 4305},          {"Label8", 4305},     {"Label7", 4860},
                             {"Picture1", 4770},        {"Label5", 4860},     {"Command3D2", 5505},
                             {"List1", 2265, 2535},     {"Label11", 5085},    {"Text3", 5070},
                             {"Label13", 5070},         {"Text4", 5070},      {"Command3D9", 4995},
                             {"Label6", 5670},          {"Option1(0)", 5655}, {"Option1(1)", 5655},
                         });
    ControlDesign* rowsPerColumn = findMutable(controls, "Label9");
    rowsPerColumn->caption = "Egy oldalra 'xx' sort nyomtat.";
    rowsPerColumn->twips.setWidth(2790);
    findMutable(controls, "Text6")->caption = "10";
    ControlDesign* rowsButton = findMutable(controls, "Command3D9");
    rowsButton->caption = "Sorokat nyomtat";
    rowsButton->twips.setLeft(2580);

    // Renamed labels: old name -> new name, applied all at once.
    const QHash<QString, QString> renames{{"Label9", "Label8"},
                                          {"Label12", "Label10"},
                                          {"Label10", "Label9"},
                                          {"Label6", "Label12"},
                                          {"Label8", "Label6"}};
    for (ControlDesign& c : controls) {
        c.name = renames.value(c.name, c.name);
    }

    ControlDesign check3 =
        control("Check3", ControlKind::CheckBox, "Kétoldalas nyomtatás", 4260, 2496, 2175, 300);
    qsizetype after = 0;
    while (after < controls.size() && controls[after].name != QLatin1String("Command3D5")) {
        ++after;
    }
    controls.insert(after + 1, check3);
    return controls;
}

} // namespace

QString ControlDesign::objectName() const {
    return index < 0 ? name : name + QStringLiteral("(%1)").arg(index);
}

const ControlDesign* KeyPrinterDesign::find(const QString& objectName) const {
    for (const ControlDesign& c : controls) {
        if (c.objectName() == objectName) {
            return &c;
        }
    }
    return nullptr;
}

KeyPrinterDesign keyPrinterDesign(int game) {
    KeyPrinterDesign design;
    switch (game) {
    case 5:
        design.clientTwips = QSize(6690, 6030);
        design.controls = fiveNumberControls();
        break;
    case 7:
        design.clientTwips = QSize(6690, 6165);
        design.controls = sevenNumberControls();
        break;
    default:
        design.clientTwips = QSize(6690, 6420);
        design.controls = sixNumberControls();
        break;
    }
    design.widthLabel = game == 7 ? QStringLiteral("Label6") : QStringLiteral("Label8");
    design.fieldsLabel = game == 7 ? QStringLiteral("Label10") : QStringLiteral("Label12");
    return design;
}

int twipsToPixels(int twips) {
    return int(std::lround(twips / 15.0));
}

QRect twipsToPixels(const QRect& twips) {
    return QRect(twipsToPixels(twips.left()), twipsToPixels(twips.top()),
                 twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}
