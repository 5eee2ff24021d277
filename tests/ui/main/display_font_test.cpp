#include "ui/main/display_font.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// A stand-in for text metrics: each character takes `per_point` pixels per point of size.
struct FitCase {
    int characters;
    double per_point;
    int room;
};

class DisplayFont : public ::testing::TestWithParam<FitCase> {};

TEST_P(DisplayFont, TakesTheLargestStepThatFits) {
    const FitCase& row = GetParam();
    const auto width_at = [&](double points) {
        return static_cast<int>(row.characters * row.per_point * points);
    };

    const double points =
        fitting_point_size(kDisplayPoints, kDisplayMinimumPoints, row.room, width_at);

    EXPECT_LE(points, kDisplayPoints);
    EXPECT_GE(points, kDisplayMinimumPoints);
    if (points > kDisplayMinimumPoints) {
        EXPECT_LE(width_at(points), row.room) << "the text must fit";
    }
    if (points < kDisplayPoints) {
        EXPECT_GT(width_at(points + kDisplayPointStep), row.room) << "a step larger must not";
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, DisplayFont,
                         ::testing::Values(FitCase{0, 0.6, 400},    // empty display
                                           FitCase{12, 0.6, 400},   // an ordinary entry
                                           FitCase{29, 0.6, 400},   // a long whole number
                                           FitCase{40, 0.6, 400},   // longer still
                                           FitCase{29, 0.6, 0},     // no room at all
                                           FitCase{500, 0.6, 400},  // beyond the minimum
                                           FitCase{18, 0.6, 389}));

TEST(DisplayFont, GrowsBackForAShorterText) {
    const auto width_for = [](int characters) {
        return [characters](double points) { return static_cast<int>(characters * 0.6 * points); };
    };
    const double long_text =
        fitting_point_size(kDisplayPoints, kDisplayMinimumPoints, 400, width_for(29));
    const double short_text =
        fitting_point_size(kDisplayPoints, kDisplayMinimumPoints, 400, width_for(5));
    EXPECT_LT(long_text, kDisplayPoints);
    EXPECT_EQ(short_text, kDisplayPoints);
}

}  // namespace
}  // namespace orvane
