// The Windows test programs: GoogleTest with COM for the thread.
#include <gtest/gtest.h>

#include "platform/system/com.h"

int main(int argc, char** argv) {
    rublet::ComApartment com;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
