#include "keyprint/KeyPrinterWindow.h"
#include "services/ProgramMain.h"

int main(int argc, char* argv[]) {
    return runSlipPrinter<KeyPrinterWindow>(argc, argv, SLIP_PROGRAM_NAME, SLIP_GAME);
}
