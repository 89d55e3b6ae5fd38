// A fresh simulated machine, and OsClass back at its start value, per test.
#ifndef ORVIK_TESTS_SIM_FIXTURE_H
#define ORVIK_TESTS_SIM_FIXTURE_H

#include <gtest/gtest.h>

#include "core/os_class.h"
#include "host/sim/machine.h"

class SimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sim::Reset();
        OsClass = 0;
    }
    sim::Machine& machine() { return sim::TheMachine(); }
};

#endif  // ORVIK_TESTS_SIM_FIXTURE_H
