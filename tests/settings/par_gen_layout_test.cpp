#include "settings/par_gen_layout.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct Case {
    bool ethernet, dali;
    ParGenLayout expected;
};

TEST(ParGenLayout, EachCollapseStateGivesItsGeometry) {
    const Case cases[] = {
        {true, true, {190, 266, 192, 471, 512}},
        {false, true, {26, 102, 192, 307, 348}},
        {true, false, {190, 266, 26, 305, 346}},
        {false, false, {26, 102, 26, 141, 182}},
    };
    for (const Case& c : cases) EXPECT_EQ(parGenLayout(c.ethernet, c.dali), c.expected) << c.ethernet << c.dali;
}

} // namespace
} // namespace corvane
