#include "WindowLayout.h"

namespace {

// Places shared by combiprint7 and combiprint6 (combiprint6 differs where it is set below).
WindowLayout sevenLayout() {
    WindowLayout l;
    l.places = {
        {QStringLiteral("Label2"), {45, 135, 3945, 435}},
        {QStringLiteral("Label1(0)"), {420, 675, 2475, 255}},
        {QStringLiteral("Text1"), {3060, 615, 615, 285}},
        {QStringLiteral("Label1(1)"), {420, 1065, 2475, 255}},
        {QStringLiteral("Text2"), {3060, 1005, 615, 285}},
        {QStringLiteral("Command3D3"), {4110, 240, 2175, 435}},
        {QStringLiteral("Frame1"), {4230, 765, 1920, 405}},
        {QStringLiteral("Label10"), {4155, 1320, 1695, 255}},
        {QStringLiteral("Check1"), {5955, 1260, 255, 315}},
        {QStringLiteral("Frame2"), {7905, 4680, 2640, 555}},
        {QStringLiteral("Label6"), {45, 240, 855, 240}},
        {QStringLiteral("Shape1"), {960, 1500, 1875, 2595}},
        {QStringLiteral("Label14"), {3600, 2610, 1095, 480}},
        {QStringLiteral("Label12"), {4725, 2715, 600, 255}},
        {QStringLiteral("Label16"), {3600, 3105, 1095, 480}},
        {QStringLiteral("Label15"), {4730, 3195, 600, 255}},
        {QStringLiteral("Label9"), {3600, 3600, 1095, 480}},
        {QStringLiteral("Label8"), {4730, 3660, 600, 255}},
        {QStringLiteral("Label17"), {3735, 1725, 870, 240}},
        {QStringLiteral("Command3"), {3780, 2070, 825, 255}},
        {QStringLiteral("Label5"), {4320, 4260, 720, 255}},
        {QStringLiteral("SSCommand2"), {5205, 1715, 2010, 420}},
        {QStringLiteral("List2"), {5220, 2243, 1950, 1815}},
        {QStringLiteral("SSCommand1"), {5205, 4166, 2010, 420}},
        {QStringLiteral("SSCommand4"), {5205, 4695, 2010, 420}},
        {QStringLiteral("Command1"), {555, 4290, 1965, 405}},
        {QStringLiteral("Command2"), {2685, 4290, 825, 405}},
        {QStringLiteral("Check2"), {3585, 4395, 180, 195}},
        {QStringLiteral("List1"), {270, 4875, 3675, 1815}},
        {QStringLiteral("SSCommand3"), {1080, 6840, 2010, 420}},
        {QStringLiteral("Label11"), {4500, 5400, 420, 255}},
        {QStringLiteral("Text3"), {4935, 5385, 600, 285}},
        {QStringLiteral("Label13"), {5745, 5400, 405, 255}},
        {QStringLiteral("Text4"), {6165, 5385, 600, 285}},
        {QStringLiteral("Label7"), {6960, 5850, 645, 300}},
        {QStringLiteral("Command3D9"), {4560, 5775, 2175, 555}},
        {QStringLiteral("Command3D1"), {4560, 6615, 2175, 555}},
        {QStringLiteral("Label3"), {8040, 5415, 1335, 255}},
        {QStringLiteral("Label4"), {9405, 5415, 700, 255}},
        {QStringLiteral("Command3D4"), {7920, 5775, 2175, 555}},
        {QStringLiteral("Command3D2"), {7920, 6615, 2175, 555}},
    };
    l.gridTemplate = {660, 1545};
    l.gridButtonSize = 315;
    l.systemsFirst = {7485, 210};
    l.joker[0] = {990, 240, 780, 240};
    l.joker[1] = {1815, 240, 780, 240};
    l.picture = {6480, 120, 480, 480};
    return l;
}

WindowLayout sixLayout() {
    WindowLayout l = sevenLayout();
    l.places[QStringLiteral("Shape1")] = {720, 1500, 2625, 2595};
    l.gridTemplate = {420, 1545};
    l.systemsFirst = {7500, 495};
    return l;
}

WindowLayout fiveLayout() {
    WindowLayout l = sevenLayout();
    const QHash<QString, QRect> changes = {
        {QStringLiteral("Label2"), {45, 135, 4050, 435}},
        {QStringLiteral("Command3D3"), {4275, 255, 2175, 435}},
        {QStringLiteral("Frame1"), {4290, 810, 1920, 405}},
        {QStringLiteral("Label10"), {9840, 225, 1095, 420}},
        {QStringLiteral("Check1"), {11100, 330, 240, 255}},
        {QStringLiteral("Frame2"), {6600, 75, 3090, 660}},
        {QStringLiteral("Label6"), {195, 295, 855, 315}},
        {QStringLiteral("Shape1"), {360, 1470, 5550, 2280}},
        {QStringLiteral("Label14"), {7005, 5100, 1095, 480}},
        {QStringLiteral("Label12"), {8130, 5220, 600, 255}},
        {QStringLiteral("Label16"), {7005, 5670, 1095, 480}},
        {QStringLiteral("Label15"), {8130, 5760, 600, 255}},
        {QStringLiteral("Label9"), {7005, 6240, 1095, 480}},
        {QStringLiteral("Label8"), {8130, 6300, 600, 255}},
        {QStringLiteral("Label17"), {4200, 3900, 870, 270}},
        {QStringLiteral("Command3"), {5250, 4380, 825, 255}},
        {QStringLiteral("Label5"), {5280, 3900, 675, 270}},
        {QStringLiteral("SSCommand2"), {6218, 1320, 2010, 420}},
        {QStringLiteral("List2"), {6210, 1845, 2025, 1815}},
        {QStringLiteral("SSCommand1"), {6218, 3765, 2010, 420}},
        {QStringLiteral("SSCommand4"), {6240, 4275, 2010, 420}},
        {QStringLiteral("Command1"), {525, 3945, 1965, 405}},
        {QStringLiteral("Command2"), {2655, 3945, 825, 405}},
        {QStringLiteral("Check2"), {3555, 4050, 180, 195}},
        {QStringLiteral("List1"), {300, 4545, 3675, 1620}},
        {QStringLiteral("SSCommand3"), {1095, 6345, 2010, 420}},
        {QStringLiteral("Label11"), {4185, 4875, 420, 255}},
        {QStringLiteral("Text3"), {4620, 4860, 600, 285}},
        {QStringLiteral("Label13"), {5430, 4875, 405, 255}},
        {QStringLiteral("Text4"), {5850, 4860, 600, 285}},
        {QStringLiteral("Label7"), {4185, 4380, 645, 300}},
        {QStringLiteral("Command3D9"), {4245, 5250, 2175, 555}},
        {QStringLiteral("Command3D1"), {4245, 6090, 2175, 555}},
        {QStringLiteral("Label3"), {6405, 960, 1335, 255}},
        {QStringLiteral("Label4"), {7770, 960, 700, 255}},
        {QStringLiteral("Command3D4"), {8970, 5250, 2175, 555}},
        {QStringLiteral("Command3D2"), {8970, 6090, 2175, 555}},
    };
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        l.places[it.key()] = it.value();
    }
    l.gridTemplate = {75, 1545};
    l.gridButtonSize = 345;
    l.systemsFirst = {8550, 1020};
    l.joker[0] = {1150, 295, 780, 315};
    l.joker[1] = {2050, 295, 780, 315};
    l.picture = {10200, 4650, 480, 480};
    return l;
}

} // namespace

const WindowLayout& windowLayout(int game) {
    static const WindowLayout five = fiveLayout();
    static const WindowLayout six = sixLayout();
    static const WindowLayout seven = sevenLayout();
    return game == 5 ? five : game == 7 ? seven : six;
}

QRect twipsToPixels(const QRect& twips) {
    return {twipsToPixels(twips.left()), twipsToPixels(twips.top()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}
