#include "app/Universe.h"

int main(int argc, char* argv[])
{
    return MOD_Universe::Main(argc, argv);
}
