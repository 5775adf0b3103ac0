#include "KeyPrinterWindow.h"
#include "ProgramMain.h"

int main(int argc, char* argv[]) {
    return runSlipPrinter<KeyPrinterWindow>(argc, argv, SLIP_PROGRAM_NAME, SLIP_GAME);
}
