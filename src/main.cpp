#include "ui/app/VellumaxApplication.h"

int main(int argc, char *argv[])
{
    return RunVellumax(argc, argv);
}
