#include "Startup.h"

int main(int argc, char** argv)
{
    setStartupEnvironment();
    return main_(argc, argv);
}
