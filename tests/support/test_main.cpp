// The Windows test programs: GoogleTest with OLE for the thread, as the program has it.
#include <gtest/gtest.h>

#include "platform/system/com.h"

int main(int argc, char** argv) {
    const rublet::OleThread ole;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
