#include "combiprint/CombinationPrinterWindow.h"
#include "services/ProgramMain.h"

int main(int argc, char* argv[]) {
    return runSlipPrinter<CombinationPrinterWindow>(argc, argv, SLIP_PROGRAM_NAME, SLIP_GAME);
}
