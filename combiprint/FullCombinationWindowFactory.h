#pragma once

class QDialog;
class QWidget;
class FullCombinationReceiver;
struct GameProfile;
struct Services;

// Creates the full-combination window (Form2) over the main window. The main window shows it
// modally, keeps it while it is only hidden, and deletes it once it was left through "Kilép".
QDialog* createFullCombinationWindow(const GameProfile& profile, Services& services,
                                     FullCombinationReceiver& receiver, QWidget* parent);
