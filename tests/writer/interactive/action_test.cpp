#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "writer/interactive/swfAction.h"

namespace quillot {
namespace {

struct ActionCase {
    const char* name;
    std::function<HRESULT(swfAction&)> make;
    std::vector<std::uint8_t> record;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const ActionCase& testCase, std::ostream* out) { *out << testCase.name; }

class ActionRecords : public testing::TestWithParam<ActionCase> {};

TEST_P(ActionRecords, EncodeAsTheFormatHasThem) {
    swfAction action;
    ASSERT_EQ(GetParam().make(action), S_OK);
    EXPECT_EQ(action.Template().Record(), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Action, ActionRecords,
    testing::Values(
        ActionCase{"Stop", [](swfAction& a) { return a.MakeActionStop(); }, {0x07}},
        ActionCase{"Play", [](swfAction& a) { return a.MakeActionPlay(); }, {0x06}},
        ActionCase{"GotoFrame", [](swfAction& a) { return a.MakeActionGotoFrame(5); }, {0x81, 0x02, 0x00, 0x05, 0x00}},
        ActionCase{"GotoUrl", [](swfAction& a) { return a.MakeActionGotoURL("http://x"); },
                   {0x83, 0x0A, 0x00, 'h', 't', 't', 'p', ':', '/', '/', 'x', 0x00, 0x00}},
        ActionCase{"GotoUrlTarget", [](swfAction& a) { return a.MakeActionGotoURLTarget("a", "_top"); },
                   {0x83, 0x07, 0x00, 'a', 0x00, '_', 't', 'o', 'p', 0x00}}),
    [](const auto& info) { return std::string(info.param.name); });

// A URL cut short would lead elsewhere: one too long is refused and the
// previous template stays.
TEST(Action, UrlsBeyond255BytesAreRefused) {
    swfAction action;
    action.MakeActionStop();
    EXPECT_EQ(action.MakeActionGotoURL(std::string(256, 'u')), E_INVALIDARG);
    EXPECT_EQ(action.MakeActionGotoURLTarget("u", std::string(256, 't')), E_INVALIDARG);
    EXPECT_EQ(action.Template().Record(), (std::vector<std::uint8_t>{0x07}));
    EXPECT_EQ(action.MakeActionGotoURL(std::string(255, 'u')), S_OK);
}

} // namespace
} // namespace quillot
