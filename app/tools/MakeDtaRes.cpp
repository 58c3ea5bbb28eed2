// Writes the settings record that ships in the program folder's Data folder:
//     make-dta-res data/Data/dta.res

#include "app/tools/ShippedSetup.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-dta-res FILE\n";
        return 2;
    }
    const SetupParametersRecord record = ShippedSetupRecord();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&record), sizeof record);
    out.close();
    if (!out) {
        std::cerr << "make-dta-res: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
