#include "editing/modelrouting.h"

#include "modelfixture.h"

namespace {

constexpr int L1 = 0x541, R2 = 0xA82, L3 = 0x544, R4 = 0xA88, L5 = 0x550, R6 = 0xAA0, L7 = 0x1540,
              R8 = 0x2A80, L9 = 0x10540, R10 = 0x20A80;
constexpr int X1 = 0x4501, Y2 = 0x8A02, X3 = 0x4504, Y4 = 0x8A08, X5 = 0x4510, Y6 = 0x8A20, X7 = 0x5500,
              Y8 = 0xAA00, X11 = 0x44500, Y12 = 0x88A00;

struct RoutingCase {
    int model;
    bool hidden;
    int reset[12];
    int chooser[12];
};

// Every model with AUX-3/4 present and hidden, from both tables.
const RoutingCase kCases[] = {
    {1, false, {L1, R2, X3, Y4, L5, R6, X1, Y2}, {L1, R2, X3, Y4, L5, R6, X1, Y2}},
    {1, true, {L1, R2, L3, R4, L5, R6, L1, R2}, {L1, R2, L3, R4, L5, R6, L1, R2}},
    {2,
     false,
     {L1, R2, X3, Y4, L5, R6, X7, Y8, L1, R2, X3, Y4},
     {L1, R2, X3, Y4, L5, R6, X7, Y8, L1, R2, X3, Y4}},
    {2,
     true,
     {L1, R2, L3, R4, L5, R6, L7, R8, L1, R2, L3, R4},
     {L1, R2, L3, R4, L5, R6, L7, R8, L1, R2, L3, R4}},
    {3,
     false,
     {L1, R2, X3, Y4, L5, R6, X1, Y2, L3, R4, X5, Y6},
     {L1, R2, X3, Y4, L5, R6, X1, Y2, L3, R4, X5, Y6}},
    {3,
     true,
     {L1, R2, X3, Y4, L5, R6, X1, Y2, L3, R4, X5, Y6},
     {L1, R2, X3, Y4, L5, R6, X1, Y2, L3, R4, X5, Y6}},
    {4, false, {L1, R2, L3, R4, L5, R6, L1, R2, L3, R4}, {L1, R2, X3, Y4, L5, R6, X1, Y2, L3, R4}},
    {4, true, {L1, R2, L3, R4, L5, R6, L1, R2, L3, R4}, {L1, R2, L3, R4, L5, R6, L1, R2, L3, R4}},
    {5, false, {L1, R2, L3, R4, L1, R2, L3, R4}, {L1, R2, L3, R4, L1, R2, L3, R4}},
    {5, true, {L1, R2, L3, R4, L1, R2, L3, R4}, {L1, R2, L3, R4, L1, R2, L3, R4}},
    {6, false, {L1, R2, X3, Y4, L5, R6, X7, Y8}, {L1, R2, X3, Y4, L5, R6, X7, Y8}},
    {6, true, {L1, R2, X3, Y4, L5, R6, X7, Y8}, {L1, R2, L3, R4, L5, R6, L7, R8}},
    {7, false, {L1, R2, L1, R2, L1, R2, L1, R2, L1, R2}, {L1, R2, L1, R2, L1, R2, L1, R2, L1, R2}},
    {7, true, {L1, R2, L1, R2, L1, R2, L1, R2, L1, R2}, {L1, R2, L1, R2, L1, R2, L1, R2, L1, R2}},
    {8,
     false,
     {L1, R2, L3, R4, L5, R6, L7, R8, L9, R10, L1, R2},
     {L1, R2, L3, R4, L5, R6, L7, R8, L9, R10, L1, R2}},
    {8,
     true,
     {L1, R2, L3, R4, L5, R6, L7, R8, L9, R10, L1, R2},
     {L1, R2, L3, R4, L5, R6, L7, R8, L9, R10, L1, R2}},
    {9,
     false,
     {L1, R2, X3, Y4, L5, R6, X7, Y8, L9, R10, X11, Y12},
     {L1, R2, X3, Y4, L5, R6, X7, Y8, L9, R10, X11, Y12}},
    {9,
     true,
     {L1, R2, X3, Y4, L5, R6, X7, Y8, L9, R10, X11, Y12},
     {L1, R2, X3, Y4, L5, R6, X7, Y8, L9, R10, X11, Y12}},
};

class ModelRoutingTest : public ModelTest {};

TEST_F(ModelRoutingTest, EveryModelBothTablesBothAuxCases) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message()
                     << "model " << c.model << (c.hidden ? " AUX-3/4 hidden" : " present"));
        g_DeviceModel = c.model;
        g_HideAux34 = c.hidden ? 1 : 0;
        for (int ch = 0; ch < 12; ++ch) g_RoutingMask[ch] = -1;
        editing::ResetModelRouting();
        for (int ch = 0; ch < 12; ++ch) EXPECT_EQ(g_RoutingMask[ch], c.reset[ch]) << "reset CH" << ch + 1;
        for (int ch = 0; ch < 12; ++ch) g_RoutingMask[ch] = -1;
        editing::ApplyModelRouting();
        for (int ch = 0; ch < 12; ++ch) EXPECT_EQ(g_RoutingMask[ch], c.chooser[ch]) << "chooser CH" << ch + 1;
    }
}

TEST_F(ModelRoutingTest, MasksAreOneHighLevelOneAuxAndOneSide) {
    for (int v : {L1, L3, L5, L7, L9, X1, X3, X5, X7, X11}) EXPECT_EQ(v & 0xF00, 0x500) << std::hex << v;
    for (int v : {R2, R4, R6, R8, R10, Y2, Y4, Y6, Y8, Y12}) EXPECT_EQ(v & 0xF00, 0xA00) << std::hex << v;
}

TEST_F(ModelRoutingTest, StartValuesGiveTheModelFourResetRow) {
    ASSERT_EQ(g_DeviceModel, 4);
    ASSERT_EQ(g_HideAux34, 0);
    editing::ResetModelRouting();
    EXPECT_EQ(g_RoutingMask[2], 0x544);
    editing::ApplyModelRouting();
    EXPECT_EQ(g_RoutingMask[2], 0x4504);
}

TEST_F(ModelRoutingTest, ModelOutsideOneToNineWritesNothing) {
    for (int model : {0, 10, -1}) {
        g_DeviceModel = model;
        for (int ch = 0; ch < 12; ++ch) g_RoutingMask[ch] = 7;
        editing::ResetModelRouting();
        editing::ApplyModelRouting();
        for (int ch = 0; ch < 12; ++ch) EXPECT_EQ(g_RoutingMask[ch], 7) << model;
    }
}

}  // namespace
