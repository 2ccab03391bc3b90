#include "launcher/launch.h"

int main(int argc, char** argv)
{
    return xvo::launch(argc, argv);
}
