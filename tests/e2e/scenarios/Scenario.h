// The common frame of an end-to-end scenario: a clean machine and a scratch folder named after the test.
#pragma once

#include "tests/e2e/driver/Machine.h"
#include "tests/e2e/driver/MendwrightProcess.h"
#include "tests/e2e/driver/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace e2e {

constexpr const char* kMainDialogCaption = "Mendwright - Version 1.10";
constexpr const char* kMachineLabel = "Machine name:     ";

class Scenario : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(machine.Ready()) << "the product keys and folders could not be reset";
    }

    // Unique per test, so an aborted run leaves a folder that the next run of the same test clears.
    static std::string ScratchName()
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        // Parameterised tests carry slashes in their names; a folder name cannot.
        for (char& c : name)
            if (c == '/')
                c = '.';
        return name;
    }

    Machine machine;
};

} // namespace e2e
