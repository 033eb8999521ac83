#pragma once
#include <gtest/gtest.h>

#include "device/channelmodel.h"
#include "device/eqmodel.h"
#include "device/status.h"

// Every editing test starts from the model's defaults: flat EQ, no ties, CH1 current, ms delays.
class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        device::ResetEqModel();
        device::ResetChannelModel();
        device::ResetStatus();
    }
    void TearDown() override { SetUp(); }
};
