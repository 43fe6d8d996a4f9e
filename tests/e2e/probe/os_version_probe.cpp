// Prints the program's classification of the running Windows, for the version matrix.
#include "registry/FcoKey.h"

#include <cstdio>

int main()
{
    std::printf("%d\n", GetOsVersion());
    return 0;
}
