#include "Startup.h"
#include "VornikApplication.h"

int main(int argc, char** argv)
{
    VornikApplication app(argc, argv);
    return Startup::run();
}
