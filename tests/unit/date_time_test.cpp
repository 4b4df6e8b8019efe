// [time], [day], [month] and [year]: read from the system's clock at every use, in their fixed
// formats, shown here on the fake's settable clock.
#include <gtest/gtest.h>

#include "core/variable_table.h"
#include "fake_platform.h"

namespace velmish_test {
namespace {

using interp::NameScheme;
using interp::VariableTable;

class DateTimeTest : public ::testing::Test {
  protected:
    FakePlatform fake;
    VariableTable vars{fake, fake, NameScheme::scriptNames};

    std::vector<std::string> dateAndTime() {
        return {vars.get("time"), vars.get("day"), vars.get("month"), vars.get("year")};
    }
};

TEST_F(DateTimeTest, SingleDigitsGetALeadingZeroButTheYearNone) {
    fake.clock = platform::LocalTime{2027, 3, 7, 9, 5, 4};
    EXPECT_EQ(dateAndTime(), (std::vector<std::string>{"09:05:04", "07", "03", "2027"}));
}

TEST_F(DateTimeTest, MidnightIsAllZeros) {
    fake.clock = platform::LocalTime{2026, 12, 31, 0, 0, 0};
    EXPECT_EQ(dateAndTime(), (std::vector<std::string>{"00:00:00", "31", "12", "2026"}));
}

TEST_F(DateTimeTest, TwoDigitValuesStayAsTheyAre) {
    fake.clock = platform::LocalTime{1999, 10, 25, 23, 59, 58};
    EXPECT_EQ(dateAndTime(), (std::vector<std::string>{"23:59:58", "25", "10", "1999"}));
}

TEST_F(DateTimeTest, EveryReadAsksTheClockAgain) {
    fake.clock = platform::LocalTime{2027, 1, 31, 23, 59, 59};
    EXPECT_EQ(vars.get("time"), "23:59:59");
    fake.clock = platform::LocalTime{2027, 2, 1, 0, 0, 0};
    EXPECT_EQ(vars.get("time"), "00:00:00");
    EXPECT_EQ(vars.get("month"), "02");
}

TEST(DateTimeInScripts, ReadAsTextAndAsNumbers) {
    FakePlatform fake;
    fake.clock = platform::LocalTime{2027, 3, 7, 9, 5, 4};
    RunResult result = runScript(
        fake, crlf({"ECHO [day]#'.'#[month]#'.'#[year]#' '#[time]", "CALCVAR [next] = [month] + '1'", "ECHO [next]"}));
    EXPECT_EQ(result.shown, (std::vector<std::string>{"07.03.2027 09:05:04", "4"}));
}

}  // namespace
}  // namespace velmish_test
