// The test executables' entry: GoogleTest, or a child role when a test re-runs the
// executable as a second process ("--child ROLE ...").
#include <cstring>
#include <gtest/gtest.h>

#include "child_roles.h"

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return xvo::test::runChildRole(argv[2], argc - 3, argv + 3);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
