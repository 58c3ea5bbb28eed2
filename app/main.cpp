#include "app/AppEntry.h"

int main(int argc, char** argv)
{
    return VarnikMain(argc, argv);
}
