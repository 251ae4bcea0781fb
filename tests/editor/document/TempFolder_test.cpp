#include "editor/document/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include <stdlib.h>

namespace joyvane {
namespace {

constexpr std::array<const char*, 4> variables = {"temp", "TEMP", "TMP", "TMPDIR"};

// Sets the four variables for one test and restores them afterwards.
class TemporaryEnvironment {
public:
    explicit TemporaryEnvironment(const std::array<const char*, 4>& values) {
        for (std::size_t index = 0; index < variables.size(); ++index) {
            if (const char* saved = ::getenv(variables[index]))
                m_saved[index] = saved;
            if (values[index])
                ::setenv(variables[index], values[index], 1);
            else
                ::unsetenv(variables[index]);
        }
    }
    ~TemporaryEnvironment() {
        for (std::size_t index = 0; index < variables.size(); ++index) {
            if (m_saved[index])
                ::setenv(variables[index], m_saved[index]->c_str(), 1);
            else
                ::unsetenv(variables[index]);
        }
    }

private:
    std::array<std::optional<std::string>, 4> m_saved;
};

TEST(TempFolder, TakesTheFirstVariableThatIsSet) {
    struct Case {
        std::array<const char*, 4> values; // temp, TEMP, TMP, TMPDIR
        const char* expected;
    };
    for (const Case& test :
         {Case{{"/a", "/b", "/c", "/d"}, "/a"}, Case{{nullptr, "/b", "/c", "/d"}, "/b"},
          Case{{"", "", "/c", "/d"}, "/c"}, Case{{nullptr, nullptr, nullptr, "/d"}, "/d"},
          Case{{nullptr, nullptr, nullptr, nullptr}, "/tmp"}}) {
        TemporaryEnvironment environment(test.values);
        EXPECT_EQ(TempFolder(), test.expected);
    }
}

} // namespace
} // namespace joyvane
